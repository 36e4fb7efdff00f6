#!/usr/bin/env bash
# The language follows the locale: under LANG=en_US.UTF-8 a message box is in
# English, under any other locale in Japanese, and the picture files keep their
# Japanese names. The other locale is C.UTF-8, which every system has: under a
# locale the C library lacks (ja_JP.UTF-8 where it is not generated) Qt gives
# the window non-ASCII names that xdotool cannot match.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

start_xvfb 640x480
app=$(prepared_app_folder)

# ask_reset TITLE: presses the number button, waits for the box titled TITLE
# and closes it with Escape (No).
ask_reset() {
  click_control "$E2E_WINDOW" number_button
  wait_for_window "$1" 10 >/dev/null
  xdotool key Escape
  wait_for_window_gone "$1"
}

LANG=en_US.UTF-8 start_program "$app"
ask_reset "Reset file names"
click_control "$E2E_WINDOW" one_shot_button
wait_for_file "$app/BMP/壁紙- 1.bmp" 10
wait_for_window Yorvane 10 >/dev/null
close_program 10

LANG=C.UTF-8 start_program "$app"
ask_reset "ファイル名初期化"
close_program 10
[[ -s $app/setutei ]] || e2e_fail "the settings file is missing"
echo "english: ok"
