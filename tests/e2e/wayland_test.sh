#!/usr/bin/env bash
# The program on a Wayland session: headless sway with XWayland and the
# screenshot portal of wlroots. Its windows live on XWayland, which cannot read
# the screen, so the picture comes through the portal: a one-shot must save
# exactly the picture the compositor shows, without the program's window, and
# leave no portal file behind; so must each picture of a series of five, whose
# offsets from their nominal times are printed; and the region picker's
# half-size snapshot and a region one-shot cut from the portal's picture.
# Without a portal on the bus no picture may be saved. sway ignores the
# always-on-top hint, which the program says in a notice at its first start.
# As root the script runs as an ordinary test user (see wayland_lib.sh).
# e2e-variants: portal no_portal
# e2e-timeout: 300
set -euo pipefail
variant=${1:?portal or no_portal}
source "$(dirname "$0")/wayland_lib.sh"

# Noise in blocks of 2 x 2, so the picker's half-size snapshot of it is exact.
noise=$(block_noise 1280x720 13)
start_sway 1280x720 "$noise"
wait_until 15 "the output to show the picture" output_shows "$noise"

if [[ $variant == no_portal ]]; then
  # A bus of its own with no service on it: no portal answers.
  start_private_bus session
  export DBUS_SESSION_BUS_ADDRESS=$E2E_BUS_ADDRESS
fi

app=$(make_app_folder "$E2E_TMP/app")
mkdir "$app/BMP"
# Delay 0.2, series interval 0.5 s, five pictures, no end sound.
printf '1,"0",1,0,0,0\r\n' >"$app/setutei"
# The portal of wlroots writes its pictures to one fixed file.
portal_file=/tmp/out.png
[[ ! -e $portal_file ]] || e2e_fail "$portal_file is there before the test"
start_program "$app"
window=$E2E_WINDOW
# sway does not keep windows above others: the program says so at its first
# start, in a notice that waits for no answer, so the first click reaches the
# window all the same.
wait_for_window "$WAYLAND_TOPMOST_NOTICE" 10 >/dev/null
click_twips "$window" "${E2E_COMMAND1[@]}"
if [[ $variant == portal ]]; then
  picture="$app/BMP/壁紙- 1.bmp"
  wait_for_file "$picture" 20
  expect_same_picture "$noise" "$picture"
  [[ ! -e $portal_file ]] || e2e_fail "the portal's file $portal_file was left behind"
  echo "one-shot on Wayland through the portal: ok"

  # Command3 in Frame4 starts the series: a lead-in of 2700 ms, then every 500 ms.
  window=$(wait_for_window Yorvane 10)
  pressed_us=${EPOCHREALTIME/./}
  click_twips "$window" "${E2E_COMMAND3[@]}"
  echo "picture  nominal ms  saved ms  offset ms"
  for n in 1 2 3 4 5; do
    picture="$app/BMP/壁紙- $((n + 1)).bmp"
    wait_for_file "$picture" 10
    expect_same_picture "$noise" "$picture"
    saved_us=$(stat -c %.6Y "$picture")
    saved_ms=$(((${saved_us/./} - pressed_us) / 1000))
    nominal_ms=$((2700 + n * 500))
    printf '%7d  %10d  %8d  %+9d\n' "$n" "$nominal_ms" "$saved_ms" $((saved_ms - nominal_ms))
  done
  wait_for_window Yorvane 10 >/dev/null
  expect_pictures 6
  [[ ! -e $portal_file ]] || e2e_fail "the portal's file $portal_file was left behind"
  echo "series of five on Wayland through the portal: ok"

  # sway tiles the main window when it is shown again after the series or the
  # picker, against its floating rule; a desktop such as GNOME keeps it floating.
  float_windows() { swaymsg '[class="Yorvane"] floating enable' >/dev/null; }
  float_windows
  # Partial mode (Check2), then the picker (Command5), which shows the
  # snapshot at its client origin; XWayland's root window is black, so the
  # screen is read with grim.
  click_twips "$window" "${E2E_CHECK2_FULL[@]}"
  wait_for_window_size "$window" 442x221
  click_twips "$window" "${E2E_COMMAND5_PARTIAL[@]}"
  picker_shows_snapshot() {
    grim "$E2E_TMP/picker.png"
    crop_window "$E2E_TMP/picker.png" "$window" "$E2E_TMP/pic2.png"
    convert "$E2E_TMP/pic2.png" -crop 640x360+0+0 +repage "$E2E_TMP/shown.png"
    (($(pixels_differing "${noise%.png}-half.png" "$E2E_TMP/shown.png") == 0))
  }
  wait_until 15 "the picker to show the half-size snapshot" picker_shows_snapshot
  a=30 b=20 c=130 d=90
  pick_region "$window" "$a" "$b" "$c" "$d"
  # Floating again, sway gives the window its last floating size: the controls
  # keep their place from its corner all the same.
  float_windows
  click_twips "$window" "${E2E_COMMAND1[@]}"
  picture="$app/BMP/壁紙- 7.bmp"
  wait_for_file "$picture" 15
  expect_region "$picture" "$noise" "$a" "$b" "$c" "$d"
  [[ ! -e $portal_file ]] || e2e_fail "the portal's file $portal_file was left behind"
  echo "region on Wayland through the portal: ok"
else
  # The one-shot says in a box of its own that it could not copy the screen,
  # and saves nothing.
  wait_for_window_gone Yorvane
  box_shown() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$E2E_PROGRAM_PID"); do
      [[ $(xdotool getwindowname "$id") != Yorvane ]] && return 0
    done
    return 1
  }
  wait_until 20 "the message that the screen cannot be copied" box_shown
  program_running || e2e_fail "the program ended"
  (($(picture_count) == 0)) || e2e_fail "a picture was saved although the screen could not be copied"
  echo "one-shot on Wayland without a portal: a message, no picture, ok"
fi
