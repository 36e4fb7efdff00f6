#!/usr/bin/env bash
# The program on GNOME Shell's Wayland session (headless, in its overview, with
# XWayland) through GNOME's screenshot portal, the leave to copy the screen
# given beforehand as a user gives it by answering the portal once: the first
# one-shot must save the desktop as the portal shows it, without the program's
# window and not black, and every picture file the portal wrote for the program
# (GNOME writes a new Screenshot*.png into the home or Pictures folder each
# time) must be gone. Without that leave (first_start) the program must ask for
# it on behalf of its main window, while the window is shown, before any
# capture hides it: GNOME asks the user only for the focused application. With
# the leave refused (refused) a one-shot must say so and save nothing.
# With the leave to cast the screen given as well, as the user's earlier
# "Remember this selection" leaves it (series_cast), a series of ten at 0.5 s
# must take its pictures from the screen cast without asking: each the
# portal's picture of the same still screen, 0.5 s apart to within a quarter
# of a second.
# As root the script runs as an ordinary test user (see wayland_lib.sh).
# e2e-variants: leave_given first_start refused series_cast
# e2e-timeout: 300
set -euo pipefail
variant=${1:?leave_given, first_start or refused}
# shellcheck disable=SC2034 # read by wayland_lib.sh
WAYLAND_DESKTOP=gnome
source "$(dirname "$0")/wayland_lib.sh"

start_gnome_shell 1280x720
app=$(prepared_app_folder)

if [[ $variant == first_start ]]; then
  dbus-monitor --session "type='method_call',interface='org.freedesktop.portal.Screenshot'" \
    >"$E2E_TMP/requests.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_until 10 "dbus-monitor" grep -q NameAcquired "$E2E_TMP/requests.log"
  start_program "$app"
  # The shell, in its overview, gives a new window no focus; the user would
  # click it. XTEST input reaches XWayland past the shell: set the focus directly.
  xdotool windowfocus "$E2E_WINDOW"
  wait_until 15 "the program to ask the portal" grep -q 'member=Screenshot' "$E2E_TMP/requests.log"
  window_shown Yorvane ||
    e2e_fail "the program asked while its window was hidden"
  # The question belongs to the main window: GNOME places it over that window.
  parent=$(grep -A1 'member=Screenshot' "$E2E_TMP/requests.log" | sed -nE 's/.*string "(.*)"/\1/p')
  [[ $parent == "$(printf 'x11:%x' "$E2E_WINDOW")" ]] ||
    e2e_fail "asked for window '$parent', not the main window $(printf '%x' "$E2E_WINDOW")"
  (($(picture_count) == 0)) || e2e_fail "a picture was saved before any capture"
  echo "first start on GNOME: the program asks with its main window shown: ok"
  exit 0
fi

if [[ $variant == refused ]]; then
  gnome_screenshot_answer no
  start_program "$app"
  click_control "$E2E_WINDOW" one_shot_button
  wait_for_window 画面をコピーできません 20 >/dev/null
  program_running || e2e_fail "the program ended"
  (($(picture_count) == 0)) || e2e_fail "a picture was saved although copying was refused"
  expect_no_portal_files
  echo "one-shot on GNOME with the leave refused: a message, no picture, ok"
  exit 0
fi

# Without the stored answer the first picture waits for the user's.
gnome_screenshot_answer yes

# The top bar shows a clock, which may turn over between two pictures.
below_top_bar() { convert "$1" -crop 1280x688+0+32 +repage "$2"; }
E2E_LAST_SCREEN=
wait_until 20 "the desktop to settle" screen_settled
below_top_bar "$E2E_LAST_SCREEN" "$E2E_TMP/desktop.png"
(($(convert "$E2E_LAST_SCREEN" -format '%[fx:int(255*mean)]' info:) > 8)) ||
  e2e_fail "the portal's picture of the desktop is black"

if [[ $variant == series_cast ]]; then
  gnome_cast_leave_given
  # Interval 0.5 s, ten pictures, no end sound.
  printf '1,"0",2,0,0,0\r\n' >"$app/setutei"
fi
start_program "$app"
# Else a picture with the window would pass too.
window_shown() {
  grab_screen "$E2E_TMP/shown.png"
  below_top_bar "$E2E_TMP/shown.png" "$E2E_TMP/shown.png"
  (($(pixels_differing "$E2E_TMP/desktop.png" "$E2E_TMP/shown.png") > 20000))
}
wait_until 10 "the portal's picture to show the window" window_shown

if [[ $variant == series_cast ]]; then
  click_control "$E2E_WINDOW" series_button
  wait_for_file "$app/BMP/壁紙- 10.bmp" 30
  grep -q "from the desktop's screen cast" "$E2E_TMP/program.log" &&
    ! grep -qE 'screenshot instead|through screenshots' "$E2E_TMP/program.log" ||
    e2e_fail "not every picture came from the screen cast: $(cat "$E2E_TMP/program.log")"
  paced=()
  for n in {1..10}; do
    below_top_bar "$app/BMP/壁紙- $n.bmp" "$E2E_TMP/saved.png"
    expect_same_picture "$E2E_TMP/desktop.png" "$E2E_TMP/saved.png"
    saved=$(stat -c %.3Y "$app/BMP/壁紙- $n.bmp")
    paced+=($((${saved/./} - 500 * (n - 1))))
  done
  # Each picture's offset from the pace the series kept (the median). On a
  # loaded machine single pictures come up to 150 ms late, the first one
  # often 40-80 ms: within half an interval each is in its place.
  pace=$(printf '%s\n' "${paced[@]}" | sort -n | sed -n 5p)
  echo "picture  off the pace ms"
  for n in {1..10}; do printf '%7d  %+15d\n' "$n" $((paced[n - 1] - pace)); done
  for offset in "${paced[@]}"; do
    ((offset - pace < 250 && pace - offset < 250)) || e2e_fail "a picture is off the pace"
  done
  echo "series of ten on GNOME from the screen cast: ok"
  exit 0
fi
click_control "$E2E_WINDOW" one_shot_button
picture="$app/BMP/壁紙- 1.bmp"
wait_for_file "$picture" 20
below_top_bar "$picture" "$E2E_TMP/saved.png"
expect_same_picture "$E2E_TMP/desktop.png" "$E2E_TMP/saved.png"
expect_no_portal_files
echo "one-shot on GNOME through the portal, the first with leave given: ok"
