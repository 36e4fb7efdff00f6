#!/usr/bin/env bash
# Builds Yorvane and starts it on your display. Without a usable display it shows
# a short demonstration on a virtual one instead: one capture, then it prints
# where the picture is and stops everything it started.
set -euo pipefail
source "$(dirname "$0")/common.sh"

ensure_packages "${YORVANE_RUN_PACKAGES[@]}"
build_dir=$YORVANE_ROOT/build/release
configure "$build_dir" -DCMAKE_BUILD_TYPE=Release -DYORVANE_BUILD_TESTS=OFF
build "$build_dir" yorvane
program=$(<"$build_dir/yorvane-path.txt")

if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
  echo "== starting $program on $DISPLAY"
  exec "$program"
fi

echo "== no usable display: demonstration on a virtual one"
export YORVANE_BIN=$program
source "$YORVANE_ROOT/tests/e2e/lib.sh"
start_xvfb 1280x720
font=$(fc-match -f '%{file}' 'Noto Sans CJK JP:bold')
convert -size 1280x720 gradient:'#1d4f7a-#e8702a' -font "$font" -fill white -gravity center \
  -pointsize 110 -annotate +0-60 'Yorvane' -pointsize 48 -annotate +0+70 '壁紙のデモ画面' \
  "$E2E_TMP/demo.png"
show_on_root "$E2E_TMP/demo.png"

app=/tmp/yorvane-demo
rm -rf "$app"
make_app_folder "$app" >/dev/null
start_program "$app"
window=$E2E_WINDOW
click_control "$window" one_shot_button
picture="$app/BMP/壁紙- 1.bmp"
wait_for_file "$picture" 15
stop_program
echo "== the demonstration saved: $picture"
identify "$picture" 2>/dev/null || true
