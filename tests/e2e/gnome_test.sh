#!/usr/bin/env bash
# The program on GNOME Shell's Wayland session (headless, in its overview, with
# XWayland) through GNOME's screenshot portal, the leave to copy the screen
# given beforehand as a user gives it by answering the portal once: the first
# one-shot must save the desktop as the portal shows it, without the program's
# window and not black, and every picture file the portal wrote for the program
# (GNOME writes a new Screenshot*.png into the home or Pictures folder each
# time) must be gone.
# As root the script runs as an ordinary test user (see wayland_lib.sh).
set -euo pipefail
# shellcheck disable=SC2034 # read by wayland_lib.sh
WAYLAND_DESKTOP=gnome
source "$(dirname "$0")/wayland_lib.sh"

start_gnome_shell 1280x720
# Without the stored answer the first picture waits for the user's.
gdbus call --session --dest org.freedesktop.impl.portal.PermissionStore \
  --object-path /org/freedesktop/impl/portal/PermissionStore \
  --method org.freedesktop.impl.portal.PermissionStore.SetPermission \
  screenshot true screenshot '' "['yes']" >/dev/null

# The top bar shows a clock, which may turn over between two pictures.
below_top_bar() { convert "$1" -crop 1280x688+0+32 +repage "$2"; }
E2E_LAST_SCREEN=
wait_until 20 "the desktop to settle" screen_settled
below_top_bar "$E2E_LAST_SCREEN" "$E2E_TMP/desktop.png"
(($(convert "$E2E_LAST_SCREEN" -format '%[fx:int(255*mean)]' info:) > 8)) ||
  e2e_fail "the portal's picture of the desktop is black"

app=$(make_app_folder "$E2E_TMP/app")
mkdir "$app/BMP"
start_program "$app"
# Else a picture with the window would pass too.
window_shown() {
  grab_screen "$E2E_TMP/shown.png"
  below_top_bar "$E2E_TMP/shown.png" "$E2E_TMP/shown.png"
  (($(pixels_differing "$E2E_TMP/desktop.png" "$E2E_TMP/shown.png") > 20000))
}
wait_until 10 "the portal's picture to show the window" window_shown

click_twips "$E2E_WINDOW" "${E2E_COMMAND1[@]}"
picture="$app/BMP/壁紙- 1.bmp"
wait_for_file "$picture" 20
below_top_bar "$picture" "$E2E_TMP/saved.png"
expect_same_picture "$E2E_TMP/desktop.png" "$E2E_TMP/saved.png"
left=$(find "$HOME" -name 'Screenshot*.png')
[[ -z $left ]] || e2e_fail "the portal's files were left behind: $left"
echo "one-shot on GNOME through the portal, the first with leave given: ok"
