#!/usr/bin/env bash
# A scaled screen, named by the first argument: dpi192 (Xft.dpi 192, as desktops
# set it for a screen of twice the usual density) or qt150 (QT_SCALE_FACTOR
# 1.5). The main window keeps its layout, larger, and sits centred on the
# screen; pictures keep the screen's device pixels: a one-shot is the screen
# exactly, the picker shows the snapshot at exactly half the screen's pixels,
# a rectangle dragged on it is exactly the rectangle saved, and the pointer at
# the left edge takes a picture.
# e2e-variants: dpi192 qt150
set -euo pipefail
source "$(dirname "$0")/lib.sh"

start_xvfb 1280x720
# shellcheck disable=SC2034 # E2E_SCALE is read by lib.sh
case ${1:?which scaling} in
  dpi192)
    E2E_SCALE=2/1
    echo 'Xft.dpi: 192' | xrdb -merge
    ;;
  qt150)
    E2E_SCALE=3/2
    export QT_SCALE_FACTOR=1.5
    ;;
  *) e2e_fail "no scaling called $1" ;;
esac
screen=$(block_noise 1280x720 13)
half=${screen%.png}-half.png
show_on_root "$screen"

app=$(prepared_app_folder)
start_program "$app"
window=$E2E_WINDOW
wait_for_window_size "$window" "$(main_window_size full)"
read -r width height <<<"$(main_window_size full | tr x ' ')"
read -r x y <<<"$(window_origin "$window")"
((x >= 0 && y >= 0 && x + width <= 1280 && y + height <= 720)) ||
  e2e_fail "the main window at $x,$y (${width}x$height) is not wholly on the screen"
for offset in $((2 * x + width - 1280)) $((2 * y + height - 720)); do
  ((offset >= -4 && offset <= 4)) || e2e_fail "the main window at $x,$y is not centred"
done

click_control "$window" one_shot_button
wait_for_file "$app/BMP/壁紙- 1.bmp" 15
expect_same_picture "$screen" "$app/BMP/壁紙- 1.bmp"
window=$(wait_for_window Yorvane 10)

click_control "$window" mode_box
wait_for_window_size "$window" "$(main_window_size partial)"
click_control "$window" picker_button partial
wait_until 15 "the picker to show the snapshot at half size" snapshot_is "$window" "$half"
read -r x y <<<"$(window_origin "$window")"
read -r width height <<<"$(window_size "$window" | tr x ' ')"
((x + width <= 1280 && y + height <= 720)) ||
  e2e_fail "the picker at $x,$y (${width}x$height) reaches past the screen"
# The pointer moves in logical pixels: points that are whole logical pixels at
# either scale (multiples of 6 device pixels).
a=42 b=24 c=378 d=252
pick_region "$window" "$a" "$b" "$c" "$d"
click_control "$window" one_shot_button
wait_for_file "$app/BMP/壁紙- 2.bmp" 15
expect_region "$app/BMP/壁紙- 2.bmp" "$screen" "$a" "$b" "$c" "$d"

# Back in full-screen mode, the pointer at the left edge.
window=$(wait_for_window Yorvane 10)
click_control "$window" mode_box partial
wait_for_window_size "$window" "$(main_window_size full)"
click_control "$window" edge_trigger_box
move_pointer 0 400
wait_for_file "$app/BMP/壁紙- 3.bmp" 15
expect_same_picture "$screen" "$app/BMP/壁紙- 3.bmp"
echo "scaled screen $1: ok"
