#!/usr/bin/env bash
# However the program ends, a later run goes on after the last picture taken:
# ended by SIGTERM, by the loss of its X server, or killed (SIGKILL) the moment
# a picture's file appears; and a killed write never leaves a broken picture
# under a picture's name.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

# Delay 0.2 s, last number 0.
app=$(prepared_app_folder '1,"2",3,1,0,0')

# take_pictures FROM TO: one-shots numbered FROM to TO, each waited for.
take_pictures() {
  local number
  for ((number = $1; number <= $2; number++)); do
    click_control "$E2E_WINDOW" one_shot_button
    wait_for_file "$app/BMP/壁紙- $number.bmp" 10
    E2E_WINDOW=$(wait_for_window Yorvane 10)
  done
}

e2e_log "SIGTERM after two pictures"
start_xvfb 640x480
start_program "$app"
take_pictures 1 2
kill -TERM "$E2E_PROGRAM_PID"
wait_until 10 "the program to end on SIGTERM" program_ended
status=0
wait "$E2E_PROGRAM_PID" || status=$?
[[ $status == 0 ]] || e2e_fail "SIGTERM: the program ended with status $status"
start_program "$app"
take_pictures 3 3

e2e_log "the X server killed after two more pictures"
take_pictures 4 5
kill -KILL "$E2E_XVFB_PID"
wait_until 10 "the program to end with its display" program_ended
wait "$E2E_PROGRAM_PID" || true
start_xvfb 640x480
start_program "$app"
take_pictures 6 6
stop_program
stop_xvfb
expect_pictures 6

e2e_log "SIGKILL as a picture of 3840x2160 appears, ten times"
start_xvfb 3840x2160
readonly WHOLE_SIZE=$((4096 + 3840 * 2160 * 4))
# wait_for_new_picture NUMBER: polls without a pause until the picture's
# temporary file or the picture itself is there, for at most 10 s.
wait_for_new_picture() {
  local deadline=$((${EPOCHREALTIME/./} + 10000000))
  until compgen -G "$app/BMP/.*.part-*" >/dev/null || [[ -e "$app/BMP/壁紙- $1.bmp" ]]; do
    ((${EPOCHREALTIME/./} < deadline)) || e2e_fail "no file of picture $1 appeared"
  done
}
for ((number = 7; number <= 16; number++)); do
  start_program "$app"
  [[ -z $(compgen -G "$app/BMP/.*.part-*") ]] || e2e_fail "a cut-off write was left at the start"
  click_control "$E2E_WINDOW" one_shot_button
  wait_for_new_picture "$number"
  kill -KILL "$E2E_PROGRAM_PID"
  wait "$E2E_PROGRAM_PID" 2>/dev/null || true
  for picture in "$app"/BMP/壁紙-*.bmp; do
    case $picture in *"- "[1-6].bmp) continue ;; esac
    size=$(stat -c %s "$picture")
    [[ $size == "$WHOLE_SIZE" ]] || e2e_fail "$picture has $size bytes, not $WHOLE_SIZE"
  done
done
record=$(tr -d '\r' <"$app/setutei")
stored=$(cut -d , -f 5 <<<"$record")
((stored >= 16)) || e2e_fail "the stored number $stored is below the last picture's 16"
echo "endings: ok"
