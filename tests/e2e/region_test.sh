#!/usr/bin/env bash
# Region capture on a real X server: in partial mode the picker shows a half-size
# snapshot, a rectangle dragged on it with the mouse and confirmed with the
# keyboard becomes the capture region, and a one-shot then saves exactly that
# rectangle of the screen, at twice the dragged size.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

start_xvfb 800x600
noise=$(paint_noise 800x600 5)
app=$(make_app_folder "$E2E_TMP/app")
mkdir "$app/BMP"
start_program "$app"
window=$E2E_WINDOW

# Check2 in Frame6 (left 4560 in full-screen mode) switches to partial mode.
click_twips "$window" $((4560 + 120 + 615 / 2)) $((1200 + 375 / 2))
wait_for_window_size "$window" 442x221

# snapshot_shown: true once Pic2, at the window's client origin, shows the noise
# (the picture box is blank before the snapshot is drawn into it).
snapshot_shown() {
  window_shown Yorvane || return 1
  grab_screen "$E2E_TMP/picker.png"
  crop_window "$E2E_TMP/picker.png" "$window" "$E2E_TMP/pic2.png"
  (($(convert "$E2E_TMP/pic2.png" -crop 200x150+0+0 -format %k info:) > 1000))
}

# Command5 in Frame6 (left 5640 in partial mode) opens the picker.
click_twips "$window" $((5640 + 120 + 615 / 2)) $((1560 + 375 / 2))
wait_until 15 "the picker to show the snapshot" snapshot_shown
# Half the screen wide and 400 twips more than half high, at a quarter and a
# sixth of the screen: 12000 x 9000 twips.
wait_for_window_size "$window" "$((6000 / 15))x$(((4500 + 400 + 7) / 15))"
[[ $(window_origin "$window") == "200 100" ]] ||
  e2e_fail "the picker window is at $(window_origin "$window"), not 200 100"

# Drag from (a, b) to (c, d) of Pic2 with the left button and confirm.
a=30 b=20 c=130 d=90
pick_region "$window" "$a" "$b" "$c" "$d"
wait_for_window_size "$window" 442x221

# Command1 sits at (240, 360) twips in Frame3 at the panel's corner.
click_twips "$window" $((240 + 1095 / 2)) $((360 + 375 / 2))
picture="$app/BMP/壁紙- 1.bmp"
wait_for_file "$picture" 15
expect_region "$picture" "$noise" "$a" "$b" "$c" "$d"
echo "region capture: ok"
