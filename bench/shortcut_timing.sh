#!/usr/bin/env bash
# From an order to the saved picture on Xvfb (640x480), one-shot at 0.2 s:
# RUNS clicks on the one-shot button against RUNS `yorvane --one-shot` run as
# a keyboard shortcut would (a session bus of its own), each from its start to
# the picture file's last write; prints the median and the worst of each.
#
#   bench/shortcut_timing.sh BUILD_DIR [RUNS]
set -euo pipefail
YORVANE_BIN=$(cd "${1:?the build tree}" && pwd)/yorvane
export YORVANE_BIN
runs=${2:-20}
source "$(dirname "$0")/../tests/e2e/lib.sh"

start_xvfb 640x480
paint_noise 640x480 >/dev/null
app=$(make_app_folder "$E2E_TMP/app")
mkdir "$app/BMP"
printf '1,"0",1,0,0,0\r\n' >"$app/setutei"
start_program "$app"

# time_to_picture NUMBER COMMAND...: milliseconds from COMMAND to picture NUMBER.
time_to_picture() {
  local picture="$app/BMP/壁紙- $1.bmp" started
  shift
  started=${EPOCHREALTIME/./}
  "$@" >/dev/null 2>&1
  wait_for_file "$picture" 10
  wait_for_window Yorvane 10 >/dev/null
  echo $((($(stat -c %.6Y "$picture" | tr -d .) - started) / 1000))
}
# summary WHAT MS...: the median and the worst.
summary() {
  local what=$1
  shift
  sort -n <<<"$(printf '%s\n' "$@")" | awk -v what="$what" '{ v[NR] = $1 }
    END { printf "%s: median %d ms, worst %d ms (%d runs)\n", what, v[int((NR + 1) / 2)], v[NR], NR }'
}
clicks=() orders=()
for ((i = 1; i <= runs; i++)); do
  window=$(wait_for_window Yorvane 10)
  pointer_to_control "$window" one_shot_button
  clicks+=("$(time_to_picture $((2 * i - 1)) xdotool click 1)")
  orders+=("$(time_to_picture $((2 * i)) "$app/yorvane" --one-shot)")
done
summary "click on the one-shot button to picture" "${clicks[@]}"
summary "yorvane --one-shot to picture" "${orders[@]}"
