#!/usr/bin/env bash
# `cmake --install` lays out the program, its readme and chime, the desktop entry
# and the icons, and the generated chime is a short, audible, unclipped sound.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

prefix=$E2E_TMP/prefix
cmake --install "${YORVANE_BUILD_DIR:?the build tree}" --prefix "$prefix" >/dev/null
for file in bin/yorvane share/yorvane/Yorvane.txt "share/yorvane/$E2E_CHIME_NAME" \
  share/applications/yorvane.desktop share/icons/hicolor/32x32/apps/yorvane.png \
  share/icons/hicolor/scalable/apps/yorvane.svg; do
  [[ -s $prefix/$file ]] || e2e_fail "not installed: $file"
done
[[ -x $prefix/bin/yorvane ]] || e2e_fail "bin/yorvane is not executable"

chime=$prefix/share/yorvane/$E2E_CHIME_NAME
format=$(ffprobe -v error -show_entries stream=codec_name,channels:format=duration \
  -of default=noprint_wrappers=1 "$chime")
grep -qx 'codec_name=pcm_s16le' <<<"$format" || e2e_fail "chime is not 16-bit PCM: $format"
duration=$(sed -n 's/^duration=//p' <<<"$format")
awk -v d="$duration" 'BEGIN { exit !(d >= 0.5 && d <= 0.7) }' || e2e_fail "chime lasts ${duration}s"
peak=$(ffmpeg -hide_banner -nostdin -i "$chime" -af volumedetect -f null - 2>&1 |
  sed -n 's/.*max_volume: \(-\?[0-9.]*\) dB/\1/p')
awk -v p="$peak" 'BEGIN { exit !(p > -20 && p < -0.5) }' || e2e_fail "chime peak at ${peak} dB"

[[ $(identify -format '%wx%h' "$prefix/share/icons/hicolor/32x32/apps/yorvane.png") == 32x32 ]] ||
  e2e_fail "the PNG icon is not 32x32"
identify "$prefix/share/icons/hicolor/scalable/apps/yorvane.svg" >/dev/null ||
  e2e_fail "the SVG icon does not parse"
desktop=$prefix/share/applications/yorvane.desktop
if ! grep -qx 'Exec=yorvane' "$desktop" || ! grep -qx 'Icon=yorvane' "$desktop"; then
  e2e_fail "the desktop entry does not start the installed program with its icon"
fi
echo "install layout is complete"
