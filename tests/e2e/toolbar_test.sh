#!/usr/bin/env bash
# The compact toolbar and the pointer-edge trigger on a real X server: the strip
# takes the main window's place, a right drag on its capture button moves it
# without a picture, a left click takes one and brings the strip back, the swap
# back puts the main window where the strip is, and with Check3 ticked the
# pointer at the left edge takes pictures until the box is unticked.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

start_xvfb 800x600
noise=$(paint_noise 800x600 9)
app=$(make_app_folder "$E2E_TMP/app")
mkdir "$app/BMP"
start_program "$app"
main=$E2E_WINDOW
main_origin=$(window_origin "$main")

# Image2 in Frame6 (left 4560 in full-screen mode) swaps to the strip.
click_twips "$main" $((4560 + 120 + 195 / 2)) $((240 + 345 / 2))
strip=$(wait_for_window Form2 10)
wait_for_window_gone Yorvane
[[ $(window_origin "$strip") == "$main_origin" ]] ||
  e2e_fail "the strip is at $(window_origin "$strip"), the main window was at $main_origin"

# A right drag on the strip's Command1 (120, 0, 375 x 375 twips in Picture1)
# moves the strip by the pointer's movement.
x=$(((120 + 375 / 2) / 15)) y=$((375 / 2 / 15))
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
expect_same_picture "$noise" "$app/BMP/壁紙- 1.bmp"
strip=$(wait_for_window Form2 10)
window_gone Yorvane || e2e_fail "the main window came back instead of the strip"
expect_pictures 1

# The strip's Image2 (1560, 0, 195 x 345 twips) swaps back to the main window,
# which takes the strip's place.
click_twips "$strip" $((1560 + 195 / 2)) $((345 / 2))
main=$(wait_for_window Yorvane 10)
wait_for_window_gone Form2
[[ $(window_origin "$main") == "$moved" ]] ||
  e2e_fail "the main window is at $(window_origin "$main"), the strip was at $moved"

# Check3 (480, 240, 255 x 375 twips in Frame6) starts the edge watch.
check3=($((4560 + 480 + 255 / 2)) $((240 + 375 / 2)))
click_twips "$main" "${check3[@]}"
move_pointer 0 300
wait_until 20 "three pictures from the pointer at the edge" at_least_pictures 4
move_pointer 400 500
wait_for_steady_count 2
main=$(wait_for_window Yorvane 10)
# Unticked, the box stops the watch: the pointer at the edge takes no more.
click_twips "$main" "${check3[@]}"
before=$(picture_count)
move_pointer 0 300
wait_for_steady_count 2
expect_pictures "$before"
echo "compact toolbar and edge trigger: ok"
