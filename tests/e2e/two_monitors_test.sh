#!/usr/bin/env bash
# Two monitors side by side, the primary one on the right: the primary monitor
# is the screen. The main window is centred on it, a picture holds it alone,
# the region picker shows it and a region is cut from it,
# the pointer at its left edge or to the left of it takes a picture, the window
# comes back after a picture where the user moved it, and when
# the primary monitor changes while the program runs, the next picture is of
# the new one while the window stays where it is.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

start_xvfb 2048x768
# set_monitors LEFT|RIGHT: two monitors of 1024 x 768, the one named primary.
set_monitors() {
  local left=LEFT right=RIGHT
  if [[ $1 == LEFT ]]; then left="*LEFT"; else right="*RIGHT"; fi
  xrandr --delmonitor LEFT 2>/dev/null || true
  xrandr --delmonitor RIGHT 2>/dev/null || true
  xrandr --setmonitor "$right" 1024/270x768/203+1024+0 screen
  xrandr --setmonitor "$left" 1024/270x768/203+0+0 none
}
set_monitors RIGHT
screen=$(block_noise 2048x768 17)
show_on_root "$screen"
convert "$screen" -crop 1024x768+0+0 +repage "$E2E_TMP/left.png"
convert "$screen" -crop 1024x768+1024+0 +repage "$E2E_TMP/right.png"
convert "${screen%.png}-half.png" -crop 512x384+512+0 +repage "$E2E_TMP/right-half.png"

app=$(prepared_app_folder)
start_program "$app"
window=$E2E_WINDOW
# Centred as the program centres, in whole twips rounded to pixels.
centred="$((1024 + (1024 * 15 - E2E_MAIN_FULL_WIDTH + 15) / 30)) $(((768 * 15 - E2E_MAIN_HEIGHT + 15) / 30))"
window_at "$window" "$centred" ||
  e2e_fail "the main window is at $(window_origin "$window"), not centred on the primary at $centred"

click_control "$window" one_shot_button
wait_for_file "$app/BMP/壁紙- 1.bmp" 15
expect_same_picture "$E2E_TMP/right.png" "$app/BMP/壁紙- 1.bmp"
window=$(wait_for_window Yorvane 10)

# The picker shows the primary monitor, and a region is cut from it.
click_control "$window" mode_box
click_control "$window" picker_button partial
wait_until 15 "the picker to show the primary monitor" snapshot_is "$window" "$E2E_TMP/right-half.png"
read -r x _ <<<"$(window_origin "$window")"
((x >= 1024)) || e2e_fail "the picker opened at x = $x, off the primary monitor"
pick_region "$window" 30 20 130 90
click_control "$window" one_shot_button
wait_for_file "$app/BMP/壁紙- 2.bmp" 15
expect_region "$app/BMP/壁紙- 2.bmp" "$E2E_TMP/right.png" 30 20 130 90
window=$(wait_for_window Yorvane 10)
click_control "$window" mode_box partial
wait_for_window_size "$window" "$(main_window_size full)"

# The pointer at the primary's left edge, then to the left of it.
click_control "$window" edge_trigger_box
for x in 1024 600; do
  count=$(picture_count)
  move_pointer "$x" 300
  wait_until 15 "a picture from the pointer at x = $x" at_least_pictures $((count + 1))
  move_pointer 1800 700
  wait_for_steady_count 1
  expect_same_picture "$E2E_TMP/right.png" "$(newest_picture)"
done
window=$(wait_for_window Yorvane 10)
click_control "$window" edge_trigger_box

# The user moves the window on the primary monitor; a picture brings it back there.
xdotool windowmove "$window" 1500 300
wait_for_window_at "$window" "1500 300" "the user's move"
count=$(picture_count)
click_control "$window" one_shot_button
wait_until 15 "a picture after the move" at_least_pictures $((count + 1))
window=$(wait_for_window Yorvane 10)
wait_for_window_at "$window" "1500 300" "a picture after the user's move"

# The user makes the left monitor the primary one.
window=$(wait_for_window Yorvane 10)
place=$(window_origin "$window")
set_monitors LEFT
count=$(picture_count)
click_control "$window" one_shot_button
wait_until 15 "a picture after the primary monitor changed" at_least_pictures $((count + 1))
wait_for_file "$(newest_picture)"
expect_same_picture "$E2E_TMP/left.png" "$(newest_picture)"
# The window stays where it was on the desktop.
window=$(wait_for_window Yorvane 10)
window_at "$window" "$place" ||
  e2e_fail "the main window moved to $(window_origin "$window") from $place"
echo "two monitors: ok"
