#!/usr/bin/env bash
# Region capture on a real X server: in partial mode the picker shows a half-size
# snapshot, a rectangle dragged on it with the mouse and confirmed with the
# keyboard becomes the capture region, and a one-shot then saves exactly that
# rectangle of the screen, at twice the dragged size.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

# Noise in blocks of 2x2 pixels, whose half-size copy is exact: a window the
# busy program has not painted yet shows the noise under it, never that copy.
start_xvfb 800x600
screen=$(block_noise 800x600 5)
show_on_root "$screen"
start_program "$(prepared_app_folder)"
window=$E2E_WINDOW

# The mode box switches to partial mode.
click_control "$window" mode_box
wait_for_window_size "$window" "$(main_window_size partial)"

# The picker button, further right in partial mode, opens the picker.
click_control "$window" picker_button partial
wait_until 15 "the picker to show the snapshot" snapshot_is "$window" "${screen%.png}-half.png"
# Half the screen wide and 400 twips more than half high, at a quarter and a
# sixth of the screen: 12000 x 9000 twips.
wait_for_window_size "$window" "$((6000 / 15))x$(((4500 + 400 + 7) / 15))"
[[ $(window_origin "$window") == "200 100" ]] ||
  e2e_fail "the picker window is at $(window_origin "$window"), not 200 100"

# Drag from (a, b) to (c, d) of the snapshot with the left button and confirm.
a=30 b=20 c=130 d=90
pick_region "$window" "$a" "$b" "$c" "$d"
wait_for_window_size "$window" "$(main_window_size partial)"

click_control "$window" one_shot_button
picture="$E2E_PICTURES/壁紙- 1.bmp"
wait_for_file "$picture" 15
expect_region "$picture" "$screen" "$a" "$b" "$c" "$d"
echo "region capture: ok"
