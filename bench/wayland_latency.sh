#!/usr/bin/env bash
# Latency from a series tick to what its picture shows, on a headless Wayland
# session (sway 1280x720, see tests/e2e/wayland_lib.sh): yorvane_screen_clock
# shows the wall clock in the screen's top-left corner, the program takes a
# series of COUNT pictures (5 to 60, a multiple of 5) at 0.5 s through the
# portal, and each picture's clock is read back against its nominal tick
# (2700 + 500 n ms after the click; the click itself is known to a few ms).
# Also printed: when each file was complete, and the ticks that saved nothing.
#
#   bench/wayland_latency.sh BUILD_DIR [COUNT]
set -euo pipefail
build=$(cd "${1:?the build tree with the program and the benchmarks}" && pwd)
count=${2:-20}
((count >= 5 && count <= 60 && count % 5 == 0)) || {
  echo "COUNT is 5 to 60, a multiple of 5" >&2
  exit 2
}
YORVANE_BIN=$(<"$build/yorvane-path.txt")
export YORVANE_BIN
# As root the script runs again as the test user, from another folder.
set -- "$build" "$count"
source "$(dirname "$0")/../tests/e2e/wayland_lib.sh"

start_sway 1280x720 "$(block_noise 1280x720 13)"
"$build/bench/yorvane_screen_clock" &
E2E_PIDS+=($!)
app=$(make_app_folder "$E2E_TMP/app")
mkdir "$app/BMP"
# Delay 0.2, interval 0.5 s, COUNT pictures, no end sound.
printf '1,"0",%d,0,0,0\r\n' $((count / 5)) >"$app/setutei"
# The notice at start on sway that the window cannot stay above others waits
# for no answer, and goes when the series hides the window.
start_program "$app"

# clock_of PICTURE: the milliseconds (modulo 2^24) the screen clock shows in it.
clock_of() {
  local level value=0
  for level in $(convert "$1" -crop 384x16+0+0 +repage -scale 24x1! -colorspace gray \
    -depth 8 gray:- | od -An -tu1 -v); do
    value=$((value * 2 + (level > 127)))
  done
  echo "$value"
}

pressed_ms=$((${EPOCHREALTIME/./} / 1000))
click_control "$E2E_WINDOW" series_button
# Where sway's portal casts no screen, said once before the window hides.
if poll_until 2 window_shown "$WAYLAND_NO_CAST_BOX"; then
  answer_box "$WAYLAND_NO_CAST_BOX"
  pressed_ms=$((${EPOCHREALTIME/./} / 1000))
fi
wait_for_window_gone Yorvane 5
wait_until $((count / 2 + 15)) "the series to end" window_shown Yorvane
wait_for_steady_count 1

echo "picture  tick ms  content ms after tick  file ms after tick"
latencies=()
for n in $(seq 1 "$count"); do
  picture="$app/BMP/壁紙- $n.bmp"
  if [[ ! -e $picture ]]; then
    printf '%7d  %7d  skipped\n' "$n" $((2700 + 500 * n))
    continue
  fi
  tick_ms=$((pressed_ms + 2700 + 500 * n))
  content=$((($(clock_of "$picture") - tick_ms % (1 << 24) + (1 << 24)) % (1 << 24)))
  saved=$(stat -c %.6Y "$picture")
  printf '%7d  %7d  %21d  %18d\n' "$n" $((2700 + 500 * n)) "$content" $((${saved/./} / 1000 - tick_ms))
  latencies+=("$content")
done
printf '%s\n' "${latencies[@]}" | sort -n | awk '{ v[NR] = $1 } END {
  printf "content after tick: min %d, median %d, max %d ms over %d pictures\n", v[1], v[int((NR + 1) / 2)], v[NR], NR }'
