#!/usr/bin/env bash
# The command a keyboard shortcut runs, with a session bus of its own. With no
# program running, `yorvane --one-shot` starts one, which saves picture 1 once
# its window is shown. With the program running, `--one-shot` makes it take
# the picture (the screen exactly, its windows not in it) and ends within a
# second with status 0; `--series` starts its series of five; `--one-shot`
# while the series runs ends with status 1 and the reason, the series
# unharmed; `--one-shot --wait` ends once the picture is saved, printing its
# path, and where none runs starts one in the background first; a plain second
# start ends at once, without the "folder in use" box.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

start_xvfb 640x480
noise=$(paint_noise 640x480)
# Delay 0.2, series interval 0.5 s, five pictures, no end sound.
app=$(prepared_app_folder '1,"0",1,0,0,0')

"$app/yorvane" --one-shot >"$E2E_TMP/program.log" 2>&1 &
E2E_PROGRAM_PID=$!
E2E_PIDS+=("$E2E_PROGRAM_PID")
wait_for_file "$app/BMP/壁紙- 1.bmp" 15
expect_same_picture "$noise" "$app/BMP/壁紙- 1.bmp"
wait_for_window Yorvane 10 >/dev/null
echo "--one-shot with no program running: ok"

# order OPTION...: runs the command; sets ORDER_STATUS, ORDER_MS and ORDER_SAID.
order() {
  local started=${EPOCHREALTIME/./}
  ORDER_STATUS=0
  ORDER_SAID=$("$app/yorvane" "$@" 2>&1) || ORDER_STATUS=$?
  ORDER_MS=$(((${EPOCHREALTIME/./} - started) / 1000))
}
order --one-shot
((ORDER_STATUS == 0)) || e2e_fail "--one-shot ended with $ORDER_STATUS: $ORDER_SAID"
((ORDER_MS < 1000)) || e2e_fail "--one-shot took $ORDER_MS ms to end"
wait_for_file "$app/BMP/壁紙- 2.bmp" 10
expect_same_picture "$noise" "$app/BMP/壁紙- 2.bmp"
wait_for_window Yorvane 10 >/dev/null
echo "--one-shot to the running program: ended after $ORDER_MS ms, ok"

order --series
((ORDER_STATUS == 0)) || e2e_fail "--series ended with $ORDER_STATUS: $ORDER_SAID"
wait_for_window_gone Yorvane 5
order --one-shot
((ORDER_STATUS == 1)) || e2e_fail "--one-shot during a series ended with $ORDER_STATUS"
grep -qx 'yorvane: 連続撮影の途中です。' <<<"$ORDER_SAID" || e2e_fail "the refusal said: $ORDER_SAID"
wait_for_file "$app/BMP/壁紙- 7.bmp" 15
wait_for_window Yorvane 10 >/dev/null
expect_pictures 7
echo "--series, and --one-shot refused while it runs: ok"

# With --wait the command ends once the picture is saved and prints its path.
wait_for_window Yorvane 10 >/dev/null
order --one-shot --wait
[[ $ORDER_STATUS == 0 && $ORDER_SAID == "$app/BMP/壁紙- 8.bmp" ]] ||
  e2e_fail "--one-shot --wait ended with $ORDER_STATUS: $ORDER_SAID"
expect_same_picture "$noise" "$ORDER_SAID"
echo "--one-shot --wait prints the saved picture: ok"

order
((ORDER_STATUS == 0 && ORDER_MS < 1000)) || e2e_fail "a second start ended with $ORDER_STATUS"
! window_shown フォルダが使用中です || e2e_fail "a second start said the folder is in use"
program_running || e2e_fail "the running program ended"
echo "a second start hands over to the running program: ok"

# Where none runs, --wait starts one in the background, which goes on running.
stop_program
other=$(make_app_folder "$E2E_TMP/other")
status=0
said=$("$other/yorvane" --series 2>&1) || status=$?
[[ $status == 1 && $said == 'yorvane: Yorvane は動いていません。先に Yorvane を起動してください。' ]] ||
  e2e_fail "--series with none running ended with $status: $said"
said=$("$other/yorvane" --one-shot --wait 2>&1) || e2e_fail "--one-shot --wait with none running: $said"
[[ $said == "$other/BMP/壁紙- 1.bmp" ]] || e2e_fail "--one-shot --wait started one and said: $said"
pgrep -f "$other/yorvane" >/dev/null || e2e_fail "the program started in the background ended"
echo "--one-shot --wait with none running starts one and prints its picture: ok"
