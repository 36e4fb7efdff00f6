#!/usr/bin/env bash
# `cmake --install` lays out the program and its library, its readme and chime, the desktop entry,
# the icons and the AppStream file; the generated chime is a short, audible,
# unclipped sound, and the desktop files pass their validators.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

prefix=$E2E_TMP/prefix
cmake --install "${YORVANE_BUILD_DIR:?the build tree}" --prefix "$prefix" >/dev/null
for file in bin/yorvane share/yorvane/Yorvane.txt "share/yorvane/$E2E_CHIME_NAME" \
  share/applications/yorvane.desktop share/icons/hicolor/scalable/apps/yorvane.svg \
  share/metainfo/io.github.yorvane.Yorvane.metainfo.xml; do
  [[ -s $prefix/$file ]] || e2e_fail "not installed: $file"
done
[[ -x $prefix/bin/yorvane ]] || e2e_fail "bin/yorvane is not executable"
[[ -n $(find "$prefix/lib" -path '*/yorvane/yorvane-program.so' -size +0) ]] ||
  e2e_fail "not installed: the program's library under lib/"
# A program file copied without its library says what it lacks and ends.
mkdir "$E2E_TMP/alone" && cp "$prefix/bin/yorvane" "$E2E_TMP/alone/"
status=0
said=$("$E2E_TMP/alone/yorvane" 2>&1) || status=$?
[[ $status == 1 && $said == *"windows cannot be loaded"*yorvane-program.so* ]] ||
  e2e_fail "the program file alone ended with $status: $said"

chime=$prefix/share/yorvane/$E2E_CHIME_NAME
format=$(ffprobe -v error -show_entries stream=codec_name,channels:format=duration \
  -of default=noprint_wrappers=1 "$chime")
grep -qx 'codec_name=pcm_s16le' <<<"$format" || e2e_fail "chime is not 16-bit PCM: $format"
duration=$(sed -n 's/^duration=//p' <<<"$format")
awk -v d="$duration" 'BEGIN { exit !(d >= 0.5 && d <= 0.7) }' || e2e_fail "chime lasts ${duration}s"
peak=$(ffmpeg -hide_banner -nostdin -i "$chime" -af volumedetect -f null - 2>&1 |
  sed -n 's/.*max_volume: \(-\?[0-9.]*\) dB/\1/p')
awk -v p="$peak" 'BEGIN { exit !(p > -20 && p < -0.5) }' || e2e_fail "chime peak at ${peak} dB"

for size in 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x$size/apps/yorvane.png
  [[ $(identify -format '%wx%h' "$icon" 2>&1) == "${size}x$size" ]] ||
    e2e_fail "no ${size}x$size PNG icon: $icon"
done
identify "$prefix/share/icons/hicolor/scalable/apps/yorvane.svg" >/dev/null ||
  e2e_fail "the SVG icon does not parse"
desktop=$prefix/share/applications/yorvane.desktop
# KWin lets the program use its screenshot interface by the program's full path.
if ! grep -qx "Exec=$prefix/bin/yorvane" "$desktop" || ! grep -qx 'Icon=yorvane' "$desktop" ||
  ! grep -qx 'X-KDE-DBUS-Restricted-Interfaces=org.kde.KWin.ScreenShot2' "$desktop"; then
  e2e_fail "the desktop entry does not start the installed program with its icon"
fi
desktop-file-validate "$desktop" || e2e_fail "desktop-file-validate rejects the desktop entry"
# Yorvane has no public home page yet: AppStream 1.0 (Debian 13) fails the file
# for that warning alone, 0.16 (Debian 12) gives it as a pedantic hint. Any
# other warning or error fails the test.
if ! report=$(appstreamcli validate --no-net \
  "$prefix/share/metainfo/io.github.yorvane.Yorvane.metainfo.xml" 2>&1); then
  others=$(grep -E '^[EW]: ' <<<"$report" | grep -v ': url-homepage-missing$' || true)
  [[ -z $others && $report == *url-homepage-missing* ]] ||
    e2e_fail "appstreamcli rejects the AppStream file: $report"
fi
echo "install layout is complete"
