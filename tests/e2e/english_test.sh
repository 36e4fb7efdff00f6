#!/usr/bin/env bash
# The language follows the locale: under LANG=en_US.UTF-8 a message box is in
# English, under any other locale in Japanese, and the picture files keep their
# Japanese names. The other locale is C.UTF-8, which every system has: under a
# locale the C library lacks (ja_JP.UTF-8 where it is not generated) Qt gives
# the window non-ASCII names that xdotool cannot match.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

start_xvfb 640x480
app=$(make_app_folder "$E2E_TMP/app")
mkdir "$app/BMP"
# Command7 sits at (120, 720) twips in Frame6 at 4560, 615 x 375 twips.
command7=($((4560 + 120 + 615 / 2)) $((720 + 375 / 2)))

# ask_reset TITLE: presses the number button, waits for the box titled TITLE
# and closes it with Escape (No).
ask_reset() {
  click_twips "$E2E_WINDOW" "${command7[@]}"
  wait_for_window "$1" 10 >/dev/null
  xdotool key Escape
  wait_for_window_gone "$1"
}

LANG=en_US.UTF-8 start_program "$app"
ask_reset "Reset file names"
click_twips "$E2E_WINDOW" "${E2E_COMMAND1[@]}"
wait_for_file "$app/BMP/壁紙- 1.bmp" 10
wait_for_window Yorvane 10 >/dev/null
close_program 10

LANG=C.UTF-8 start_program "$app"
ask_reset "ファイル名初期化"
close_program 10
[[ -s $app/setutei ]] || e2e_fail "the settings file is missing"
echo "english: ok"
