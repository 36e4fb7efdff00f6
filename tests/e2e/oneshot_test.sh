#!/usr/bin/env bash
# One-shot capture on a real X server: the saved picture must be the screen
# exactly, without the program's own window on it. The window comes back for a
# second shot, and closing it ends the program and writes the settings.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

start_on_noise 640x480
for number in 1 2; do
  click_control "$E2E_WINDOW" one_shot_button
  picture="$E2E_APP/BMP/壁紙- $number.bmp"
  wait_for_file "$picture" 10
  expect_same_picture "$E2E_NOISE" "$picture"
  # The window comes back once the sequence has ended.
  E2E_WINDOW=$(wait_for_window Yorvane 10)
done

close_program 10
[[ $E2E_PROGRAM_STATUS == 0 ]] || e2e_fail "the program ended with status $E2E_PROGRAM_STATUS"
[[ -s $E2E_APP/setutei ]] || e2e_fail "closing the window did not write the settings"
echo "one-shot capture: ok"
