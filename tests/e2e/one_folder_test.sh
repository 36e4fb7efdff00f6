#!/usr/bin/env bash
# One program per application folder: a second copy started on a folder in use
# brings the first one's window to the front and ends with 0 where it reaches
# the first over the session bus, and says so and ends with 1 where no bus
# reaches it; every picture of the first is kept. The first's lock goes with it
# however it ends, and what its cut-off writes left is removed at the next start.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

start_xvfb 640x480
# Delay 0.2 s, last number 0.
app=$(prepared_app_folder '1,"2",3,1,0,0')

take_picture() {
  click_control "$E2E_WINDOW" one_shot_button
  wait_for_file "$app/BMP/壁紙- $1.bmp" 10
  E2E_WINDOW=$(wait_for_window Yorvane 10)
}

start_program "$app"
first=$E2E_PROGRAM_PID
take_picture 1

# on_top WINDOW: true when the window is the topmost on the screen.
on_top() { xwininfo -root -children | awk '/^ +0x/ { print; exit }' | grep -q "$1"; }
xmessage -name cover -geometry 640x480+0+0 cover 2>/dev/null &
E2E_PIDS+=($!)
wait_until 10 "a window over the program's" on_top '"cover"'
status=0
"$app/yorvane" >"$E2E_TMP/second.log" 2>&1 || status=$?
[[ $status == 0 ]] || e2e_fail "the second copy ended with status $status, not 0: $(<"$E2E_TMP/second.log")"
wait_until 10 "the first copy's window to come to the front" on_top "$(printf '0x%x' "$E2E_WINDOW")"

DBUS_SESSION_BUS_ADDRESS=unix:path=$E2E_TMP/no-bus "$app/yorvane" >"$E2E_TMP/second.log" 2>&1 &
second=$!
E2E_PIDS+=("$second")
wait_for_window "フォルダが使用中です" 15 >/dev/null
xdotool key Return
wait_until 10 "the second copy to end" bash -c "! kill -0 $second 2>/dev/null"
status=0
wait "$second" || status=$?
[[ $status == 1 ]] || e2e_fail "the second copy with no bus ended with status $status, not 1"

take_picture 2
expect_pictures 2

e2e_log "killed: the lock goes with it, and so do cut-off writes"
kill -KILL "$first"
wait "$first" 2>/dev/null || true
touch "$app/BMP/.壁紙- 3.bmp.part-AbC123" "$app/.setutei.part-xYz789"
start_program "$app"
take_picture 3
expect_pictures 3
leftovers=$(find "$app" -name '.*.part-*')
[[ -z $leftovers ]] || e2e_fail "left over: $leftovers"
close_program 10
echo "one program per folder: ok"
