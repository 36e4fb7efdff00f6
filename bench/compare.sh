#!/usr/bin/env bash
# Time per picture of Yorvane's capture path (X screen copy + BMP save, run by
# yorvane_bench) against ffmpeg's x11grab writing BMP frames, on a virtual display
# full of noise at 1920x1080 and at 3840x2160. CPU time counts the capturing
# process and the X server (utime + stime from /proc/<pid>/stat).
#
# Usage: bench/compare.sh [BUILD_DIR]
#   BUILD_DIR: a build configured with -DYORVANE_BUILD_BENCH=ON (default build/bench;
#   built here when missing).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build_dir=${1:-$root/build/bench}
if [[ ! -d $build_dir ]]; then
  cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DYORVANE_BUILD_TESTS=OFF -DYORVANE_BUILD_BENCH=ON >/dev/null
fi
cmake --build "$build_dir" --target yorvane_bench >/dev/null
bench=$build_dir/bench/yorvane_bench
source "$root/tests/e2e/lib.sh"

export LOG=$E2E_TMP/compare.log
readonly pictures=30  # BM_GrabAndSave takes exactly this many
tick_ms=$(awk -v t="$(getconf CLK_TCK)" 'BEGIN { print 1000 / t }')

# cpu_ticks PID: user + system time of a running process, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# timed COMMAND...: runs COMMAND and prints its wall time in microseconds and the
# CPU ticks of it and its children. A shell waits for COMMAND and then reads the
# children's times (cutime + cstime) from its own /proc entry.
timed() {
  local start=${EPOCHREALTIME/./} ticks
  ticks=$(sh -c '"$@" >>"$LOG" 2>&1 </dev/null && awk "{ print \$16 + \$17 }" /proc/$$/stat' \
    sh "$@") || {
    tail -n 20 "$LOG" >&2
    e2e_fail "$1 failed"
  }
  echo "$((${EPOCHREALTIME/./} - start)) $ticks"
}

# measure NAME COMMAND...: one row of the table for COMMAND writing $pictures BMP
# files into $out.
measure() {
  local name=$1
  shift
  local before after result wall ticks made
  before=$(cpu_ticks "$E2E_XVFB_PID")
  result=$(timed "$@")
  read -r wall ticks <<<"$result"
  after=$(cpu_ticks "$E2E_XVFB_PID")
  made=$(find "$out" -name '*.bmp' | wc -l)
  ((made == pictures)) || e2e_fail "$name wrote $made pictures, not $pictures"
  find "$out" -name '*.bmp' -delete
  awk -v n="$name" -v s="$size" -v w="$wall" -v c="$ticks" -v x="$((after - before))" \
    -v p="$pictures" -v t="$tick_ms" 'BEGIN {
      printf "| %s | %s | %.1f | %.1f | %.1f | %.1f |\n",
        s, n, w / 1000 / p, (c + x) * t / p, c * t / p, x * t / p }'
}

echo "| screen | capture | wall ms/picture | CPU ms/picture | of it the capturer | of it Xvfb |"
echo "|---|---|---:|---:|---:|---:|"
for size in 1920x1080 3840x2160; do
  start_xvfb "$size"
  paint_noise "$size" >/dev/null
  out=$E2E_TMP/out
  mkdir -p "$out"
  measure "Yorvane (yorvane_bench)" env YORVANE_BENCH_DIR="$out" "$bench" \
    --benchmark_filter=BM_GrabAndSave
  measure "ffmpeg x11grab -c:v bmp" ffmpeg -nostdin -v error -f x11grab -draw_mouse 0 \
    -framerate 1000 -video_size "$size" -i "$DISPLAY" -frames:v "$pictures" \
    -fps_mode passthrough -c:v bmp "$out/frame%03d.bmp"
  stop_xvfb
done
