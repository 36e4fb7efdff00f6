#!/usr/bin/env bash
# The main window on a real X server: its size in both capture modes, the
# picture folder and the readme on a first start only, and closing it as a
# window manager does writes the settings and ends the program.
# The picture of the window is left in the build tree as main-window.png, the
# one docs/main-window.png shows in the README.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

# The readme is opened with xdg-open; a stand-in records each call instead.
calls=$E2E_TMP/xdg-open.calls
stand_in_opener "$calls"

start_xvfb 800x600
app=$(make_app_folder "$E2E_TMP/app")
[[ ! -e $app/BMP ]] || e2e_fail "the application folder already holds BMP"
start_program "$app"
window=$E2E_WINDOW

[[ -d $app/BMP ]] || e2e_fail "a first start did not create the BMP folder"
wait_until 10 "the readme to be opened" test -s "$calls"
[[ $(<"$calls") == "$app/Yorvane.txt" ]] || e2e_fail "xdg-open was called as: $(<"$calls")"

wait_for_window_size "$window" "$(main_window_size full)"

grab_screen "$E2E_TMP/root.png"
crop_window "$E2E_TMP/root.png" "$window" "$E2E_TMP/main_window.png"
colours=$(convert "$E2E_TMP/main_window.png" -format %k info:)
((colours > 16)) || e2e_fail "the window shows only $colours colours; is it painted?"
cp "$E2E_TMP/main_window.png" "${YORVANE_BUILD_DIR:?the build tree}/main-window.png"

click_control "$window" mode_box
wait_for_window_size "$window" "$(main_window_size partial)"
grab_screen "$E2E_TMP/root.png"
crop_window "$E2E_TMP/root.png" "$window" "$E2E_TMP/main_window_partial.png"

close_program 10
[[ $E2E_PROGRAM_STATUS == 0 ]] || e2e_fail "the program ended with status $E2E_PROGRAM_STATUS"
expected=$(printf '2,"2",3,1,0,0\r\n' | od -An -c)
actual=$(od -An -c "$app/setutei")
[[ $actual == "$expected" ]] || e2e_fail "setutei holds:$actual"

# A second start finds the folder and leaves the readme alone.
rm "$app/setutei"
start_program "$app"
window=$E2E_WINDOW
wait_for_window_size "$window" "$(main_window_size full)"
close_program 10
[[ -s $app/setutei ]] || e2e_fail "the second close did not write the settings"
[[ $(wc -l <"$calls") == 1 ]] || e2e_fail "the readme was opened again: $(<"$calls")"
echo "main window: ok"
