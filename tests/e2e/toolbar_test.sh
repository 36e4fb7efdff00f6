#!/usr/bin/env bash
# The compact toolbar and the pointer-edge trigger on a real X server: the strip
# takes the main window's place, a right drag on its capture button moves it
# without a picture, a left click takes one and brings the strip back, the swap
# back puts the main window where the strip is, and with the edge trigger box
# ticked the pointer at the left edge takes pictures until the box is unticked.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

start_on_noise 800x600 9
app=$E2E_APP main=$E2E_WINDOW
main_origin=$(window_origin "$main")

click_control "$main" compact_view_button
strip=$(wait_for_window "Yorvane ツールバー" 10)
wait_for_window_gone Yorvane
[[ $(window_origin "$strip") == "$main_origin" ]] ||
  e2e_fail "the strip is at $(window_origin "$strip"), the main window was at $main_origin"

# A right drag on the strip's one-shot button moves the strip by the pointer's movement.
read -r x y <<<"$(control_point toolbar/one_shot_button)"
origin=$(window_origin "$strip")
pointer_x=$((${origin% *} + x)) pointer_y=$((${origin#* } + y))
move_pointer "$pointer_x" "$pointer_y"
xdotool mousedown 3
for step in 1 2 3 4; do move_pointer $((pointer_x + 15 * step)) $((pointer_y + 10 * step)); done
xdotool mouseup 3
moved="$((${origin% *} + 60)) $((${origin#* } + 40))"
strip_moved() { [[ $(window_origin "$strip") == "$moved" ]]; }
wait_until 10 "the strip to follow the pointer to $moved" strip_moved

# A left click on it takes a picture (the first: the drag took none), with the
# strip off the screen, and the strip comes back.
move_pointer_in "$strip" "$x" "$y"
xdotool click 1
wait_for_file "$app/BMP/壁紙- 1.bmp" 15
expect_same_picture "$E2E_NOISE" "$app/BMP/壁紙- 1.bmp"
strip=$(wait_for_window "Yorvane ツールバー" 10)
window_gone Yorvane || e2e_fail "the main window came back instead of the strip"
expect_pictures 1

# The strip's standard view button swaps back to the main window, which takes
# the strip's place.
click_control "$strip" toolbar/standard_view_button
main=$(wait_for_window Yorvane 10)
wait_for_window_gone "Yorvane ツールバー"
[[ $(window_origin "$main") == "$moved" ]] ||
  e2e_fail "the main window is at $(window_origin "$main"), the strip was at $moved"

# The edge trigger box starts the edge watch.
click_control "$main" edge_trigger_box
move_pointer 0 300
wait_until 20 "three pictures from the pointer at the edge" at_least_pictures 4
move_pointer 400 500
wait_for_steady_count 2
main=$(wait_for_window Yorvane 10)
# Unticked, the box stops the watch: the pointer at the edge takes no more.
click_control "$main" edge_trigger_box
before=$(picture_count)
move_pointer 0 300
wait_for_steady_count 2
expect_pictures "$before"
echo "compact toolbar and edge trigger: ok"
