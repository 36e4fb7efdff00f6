#!/usr/bin/env bash
# A one-shot capture of a noise screen is a 32-bit top-down BMP, its fourth byte
# declared padding (BITMAPV4HEADER, alpha mask 0), that ImageMagick, ffmpeg and
# gdk-pixbuf all read back pixel for pixel, and opaque.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

start_on_noise 640x480 3
click_control "$E2E_WINDOW" one_shot_button
bmp="$E2E_APP/BMP/壁紙- 1.bmp"
wait_for_file "$bmp" 15
stop_program

header_field() { od -An -t "$1" -j "$2" -N "$3" "$bmp" | tr -d ' '; }
[[ $(header_field d4 22 4) == -480 ]] || e2e_fail "rows are not stored top to bottom"
[[ $(header_field u2 28 2) == 32 ]] || e2e_fail "not 32 bits per pixel"
[[ $(header_field u4 30 4) == 0 ]] || e2e_fail "not uncompressed"
[[ $(header_field x4 54 16) == 00ff00000000ff00000000ff00000000 ]] ||
  e2e_fail "colour masks are not R, G, B without alpha"

# The X server leaves the fourth byte undefined: every reader must still see it opaque.
expect_same_picture "$E2E_NOISE" "$bmp"
# ImageMagick must find no alpha channel, or else an opaque one.
alpha=$(convert "$bmp" -format '%A' info:)
[[ $alpha == False || $(convert "$bmp" -alpha extract -format '%[fx:minima]' info:) == 1 ]] ||
  e2e_fail "ImageMagick reads transparent pixels (alpha: $alpha)"

convert "$E2E_NOISE" rgb:"$E2E_TMP/noise.rgb"
ffmpeg -v error -nostdin -i "$bmp" -f rawvideo -pix_fmt rgb24 "$E2E_TMP/ffmpeg.rgb"
cmp -s "$E2E_TMP/noise.rgb" "$E2E_TMP/ffmpeg.rgb" || e2e_fail "ffmpeg reads other pixels"

gdk-pixbuf-thumbnailer -s 640 "$bmp" "$E2E_TMP/gdk.png"
expect_same_picture "$E2E_NOISE" "$E2E_TMP/gdk.png"
echo "ImageMagick, ffmpeg and gdk-pixbuf read the capture exactly"
