#!/usr/bin/env bash
# The program under a real window manager, named by the first argument: the
# main window shows, is kept above other windows, follows a drag by its title
# bar exactly and comes back where it was after a capture; the picture holds
# the full-screen window beneath without the program's windows; and while the program idles,
# nothing keeps it, the manager or the X server busy.
# e2e-variants: mutter kwin xfwm4 openbox
# e2e-timeout: 300
set -euo pipefail
source "$(dirname "$0")/lib.sh"
manager=${1:?which window manager}

start_xvfb 1024x768
noise=$(paint_noise 1024x768 11)
set_root_picture "$noise"
start_window_manager "$manager"
# A full-screen picture stands for the video the user captures.
feh --fullscreen "$noise" &
E2E_PIDS+=($!)
E2E_LAST_SCREEN=
wait_until 20 "the full-screen picture to show" screen_settled
expect_same_picture "$noise" "$E2E_LAST_SCREEN"

app=$(prepared_app_folder)
start_program "$app"
window=$E2E_WINDOW
wait_for_window_size "$window" "$(main_window_size full)"
wait_until 10 "the window to be kept above others" window_has_state "$window" _NET_WM_STATE_ABOVE

# Nothing runs while the program waits for the user: no window is mapped again
# and again. 3 s hold 300 ticks of one core.
before=$(cpu_ticks "$E2E_PROGRAM_PID" "$E2E_WM_PID" "$E2E_XVFB_PID")
sleep 3
idle=$(($(cpu_ticks "$E2E_PROGRAM_PID" "$E2E_WM_PID" "$E2E_XVFB_PID") - before))
e2e_log "idle for 3 s: $idle ticks of program, $manager and Xvfb"
((idle <= 30)) || e2e_fail "program, $manager and Xvfb used $idle ticks in 3 s of idling"

# A drag by the title bar, half its height above the client area, while the
# window has long settled.
origin=$(window_origin "$window")
read -r x y <<<"$origin"
grab_x=$((x + 150)) grab_y=$((y - $(frame_top "$window") / 2))
move_pointer "$grab_x" "$grab_y"
xdotool mousedown 1
# Some managers begin a move on the first motion and follow from the next:
# wait for the window to follow before the rest, so that the release cannot
# overtake the move's start.
move_pointer $((grab_x + 10)) $((grab_y + 8))
move_pointer $((grab_x + 20)) $((grab_y + 16))
window_left() { ! window_at "$window" "$origin"; }
wait_until 10 "$manager to start moving the window" window_left
for step in 2 3 4 5; do move_pointer $((grab_x + 20 * step)) $((grab_y + 16 * step)); done
xdotool mouseup 1
moved="$((x + 100)) $((y + 80))"
wait_for_window_at "$window" "$moved" "a drag by (100, 80)"

# The picture holds what lies beneath, and the window comes back where the
# user put it, after its first hide and show.
click_control "$window" one_shot_button
wait_for_file "$app/BMP/壁紙- 1.bmp" 15
expect_same_picture "$noise" "$app/BMP/壁紙- 1.bmp"
window=$(wait_for_window Yorvane 10)
wait_for_window_at "$window" "$moved" "a capture"
echo "under $manager: ok"
