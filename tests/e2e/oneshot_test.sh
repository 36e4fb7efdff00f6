#!/usr/bin/env bash
# One-shot capture on a real X server: the saved picture must be the screen
# exactly, without the program's own window on it. The window comes back for a
# second shot, and closing it ends the program and writes the settings.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

start_xvfb 640x480
noise=$(paint_noise 640x480)
grab_screen "$E2E_TMP/root.png"
expect_same_picture "$noise" "$E2E_TMP/root.png"

app=$(make_app_folder "$E2E_TMP/app")
mkdir "$app/BMP"
start_program "$app"
window=$E2E_WINDOW

# Command1 sits at (240, 360) twips inside Frame3, which sits at (0, 0) of
# Frame1 at (0, 0) of the window; it is 1095 x 375 twips. Aim at its middle.
command1=($((240 + 1095 / 2)) $((360 + 375 / 2)))
for number in 1 2; do
  click_twips "$window" "${command1[@]}"
  picture="$app/BMP/壁紙- $number.bmp"
  wait_for_file "$picture" 10
  expect_same_picture "$noise" "$picture"
  # The window comes back once the sequence has ended.
  window=$(wait_for_window Yorvane 10)
done

close_program 10
[[ $E2E_PROGRAM_STATUS == 0 ]] || e2e_fail "the program ended with status $E2E_PROGRAM_STATUS"
[[ -s $app/setutei ]] || e2e_fail "closing the window did not write the settings"
echo "one-shot capture: ok"
