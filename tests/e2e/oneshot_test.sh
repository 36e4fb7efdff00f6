#!/usr/bin/env bash
# One-shot capture on a real X server: the saved picture must be the screen
# exactly, without the program's own window on it.
#
#   oneshot_test.sh /path/to/yorvane
set -euo pipefail

binary=$(realpath "$1")
work=$(mktemp -d)
display=":$((90 + RANDOM % 400))"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# Waits up to $1 tenths of a second for the command that follows to succeed.
wait_for() {
  local tenths=$1
  shift
  for ((i = 0; i < tenths; i++)); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  echo "timed out waiting for: $*" >&2
  return 1
}

Xvfb "$display" -screen 0 640x480x24 -noreset >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=$display
wait_for 100 xdpyinfo >/dev/null 2>&1

convert -size 640x480 xc: +noise Random -depth 8 "$work/noise.png"
# display exits with 1 even when it has set the background; check the root instead.
display -window root "$work/noise.png" || true
import -window root "$work/root.png"
[[ $(compare -metric AE "$work/root.png" "$work/noise.png" null: 2>&1 || true) == 0 ]]

app="$work/app"
mkdir -p "$app/BMP"
cp "$binary" "$app/yorvane"
(cd "$app" && exec ./yorvane >"$work/yorvane.log" 2>&1) &
pids+=($!)

window=$(timeout 20 xdotool search --sync --name '^Yorvane$' | head -n1)
[[ -n $window ]]

# Command1 sits at (240, 360) twips inside Frame3, which sits at (0, 0) of
# Frame1 at (0, 0) of the window; it is 1095 x 375 twips.
click_command1() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + 240 / 15 + 1095 / 30)) $((Y + 360 / 15 + 375 / 30)) click 1
}

check_picture() {
  local picture="$app/BMP/$1"
  wait_for 100 test -s "$picture"
  local difference
  difference=$(compare -metric AE "$picture" "$work/noise.png" null: 2>&1 || true)
  if [[ $difference != 0 ]]; then
    echo "$1 differs from the screen in $difference pixels" >&2
    exit 1
  fi
}

click_command1
check_picture "壁紙- 1.bmp"
# The window comes back once the sequence has ended; then a second shot.
wait_for 100 bash -c "xdotool search --onlyvisible --name '^Yorvane$' >/dev/null"
click_command1
check_picture "壁紙- 2.bmp"
echo "one-shot capture: ok"
