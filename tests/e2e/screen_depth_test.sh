#!/usr/bin/env bash
# Screens of other depths than 24 bits, named by the first argument: a 16-bit
# screen (5-6-5, common on remote desktops) and a 30-bit one (10-10-10). The
# picture is what picture tools read from the screen, 8 bits a channel. An
# 8-bit screen has a palette the copy cannot read: the program says so, saves
# nothing and uses no number.
# e2e-variants: 8 16 30
set -euo pipefail
source "$(dirname "$0")/lib.sh"

start_xvfb 640x480 "${1:?which depth}"
show_on_root "$(paint_noise 640x480 19)"
app=$(prepared_app_folder)

if [[ $1 == 8 ]]; then
  start_program "$app"
  click_control "$E2E_WINDOW" one_shot_button
  wait_for_window "画面をコピーできません" 15 >/dev/null
  xdotool key Return
  wait_for_window Yorvane 10 >/dev/null
  [[ -z $(ls -A "$app/BMP") ]] || e2e_fail "saved on a palette screen: $(ls -A "$app/BMP")"
  close_program 10
  number=$(tr -d '\r' <"$app/setutei" | cut -d , -f 5)
  [[ $number == 0 ]] || e2e_fail "the refused copy used number $number"
  echo "8-bit screen refused: ok"
  exit 0
fi

import -window root -depth 8 "$E2E_TMP/screen.png"
start_program "$app"
click_control "$E2E_WINDOW" one_shot_button
wait_for_file "$app/BMP/壁紙- 1.bmp" 15
expect_same_picture "$E2E_TMP/screen.png" "$app/BMP/壁紙- 1.bmp"
echo "$1-bit screen: ok"
