#!/usr/bin/env bash
# Time per picture of Yorvane's capture path (X screen copy + BMP save, run by
# yorvane_bench) against ffmpeg's x11grab, scrot, maim and ImageMagick's import,
# each writing BMP files of a virtual display full of noise at 1920x1080 and at
# 3840x2160. CPU time counts the capturing processes and the X server (utime +
# stime from /proc). Then, with the real program on the 4K display: start time,
# one-shot and series timing (from the files' birth times, and precisely from
# inside the program with yorvane_capture_timing), idle cost with the
# pointer-edge trigger on, and resident size.
#
# Usage: bench/compare.sh [BUILD_DIR]
#   BUILD_DIR: a build configured with -DYORVANE_BUILD_BENCH=ON (default build/bench;
#   built here when missing).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build_dir=${1:-$root/build/bench}

# The peers and tools this script runs, with the Debian packages that have them.
missing=()
for tool in ffmpeg:ffmpeg scrot:scrot maim:maim import:imagemagick xdotool:xdotool \
  Xvfb:xvfb xdpyinfo:x11-utils; do
  command -v "${tool%%:*}" >/dev/null || missing+=("${tool#*:}")
done
if ((${#missing[@]} > 0)); then
  echo "missing packages: ${missing[*]} (apt-get install ${missing[*]})" >&2
  exit 1
fi

if [[ ! -d $build_dir ]]; then
  cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DYORVANE_BUILD_TESTS=OFF -DYORVANE_BUILD_BENCH=ON >/dev/null
fi
cmake --build "$build_dir" -j2 --target yorvane_bench yorvane_capture_timing yorvane_start_time yorvane >/dev/null
bench=$build_dir/bench/yorvane_bench
export YORVANE_BIN=$build_dir/yorvane
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
# files into $out; keeps wall and CPU ms per picture in WALL[NAME], CPU[NAME].
declare -A WALL CPU
measure() {
  local name=$1
  shift
  local before after result wall ticks made row
  before=$(cpu_ticks "$E2E_XVFB_PID")
  result=$(timed "$@")
  read -r wall ticks <<<"$result"
  after=$(cpu_ticks "$E2E_XVFB_PID")
  made=$(find "$out" -name '*.bmp' | wc -l)
  ((made == pictures)) || e2e_fail "$name wrote $made pictures, not $pictures"
  find "$out" -name '*.bmp' -delete
  row=$(awk -v w="$wall" -v c="$ticks" -v x="$((after - before))" -v p="$pictures" \
    -v t="$tick_ms" 'BEGIN { printf "%.1f %.1f %.1f %.1f", w / 1000 / p, (c + x) * t / p,
      c * t / p, x * t / p }')
  read -r "WALL[$name]" "CPU[$name]" own server <<<"$row"
  local base=${CPU[Yorvane]:-${CPU[$name]}} base_wall=${WALL[Yorvane]:-${WALL[$name]}}
  awk -v s="$size" -v n="$name" -v w="${WALL[$name]}" -v c="${CPU[$name]}" -v o="$own" \
    -v x="$server" -v bw="$base_wall" -v bc="$base" 'BEGIN {
      printf "| %s | %s | %.1f | %.1f | %.1f | %.1f | %.2f | %.2f |\n", s, n, w, c, o, x,
        w / bw, c / bc }'
}

# A shell loop for the tools that take one picture per run: sh -c "$each" sh DIR
# COMMAND... runs COMMAND once per picture with the picture's path appended.
each='out=$1; shift; i=0; while [ $i -lt '"$pictures"' ]; do i=$((i + 1)); "$@" "$out/p$i.bmp" || exit 1; done'

echo "| screen | capture | wall ms/picture | CPU ms/picture | of it the capturer | of it Xvfb | wall × Yorvane | CPU × Yorvane |"
echo "|---|---|---:|---:|---:|---:|---:|---:|"
summary=()
for size in 1920x1080 3840x2160; do
  start_xvfb "$size"
  paint_noise "$size" >/dev/null
  out=$E2E_TMP/out
  mkdir -p "$out"
  WALL=() CPU=()
  measure Yorvane env YORVANE_BENCH_DIR="$out" "$bench" --benchmark_filter=BM_GrabAndSave
  measure "ffmpeg x11grab" ffmpeg -nostdin -v error -f x11grab -draw_mouse 0 \
    -framerate 1000 -video_size "$size" -i "$DISPLAY" -frames:v "$pictures" \
    -fps_mode passthrough -c:v bmp "$out/frame%03d.bmp"
  measure scrot sh -c "$each" sh "$out" scrot -o
  measure "maim -u" sh -c "$each" sh "$out" maim -u -f bmp
  measure "import -window root" sh -c "$each" sh "$out" import -window root
  summary+=("$(awk -v s="$size" -v w="${WALL[Yorvane]}" -v c="${CPU[Yorvane]}" \
    -v fw="${WALL[ffmpeg x11grab]}" -v fc="${CPU[ffmpeg x11grab]}" \
    'BEGIN { printf "%s: Yorvane / ffmpeg = %.2f of the wall time, %.2f of the CPU time", s, w / fw, c / fc }')")
  [[ $size == 3840x2160 ]] || stop_xvfb
done
echo
printf '%s\n' "${summary[@]}"


# The real program on the 4K display that is still running.
app=$(make_app_folder "$E2E_TMP/app")
mkdir "$app/BMP"
# Delay 0.2 s, interval 0.5 s, 60 pictures, no end sound, last number 0, free aspect.
printf '1,"0",12,0,0,0\r\n' >"$app/setutei"
readonly series=60 interval_ms=500 lead_in_ms=2700

now_us() { echo "${EPOCHREALTIME/./}"; }
rss_mb() { awk '/^VmRSS/ { printf "%.0f", $2 / 1024 }' "/proc/$E2E_PROGRAM_PID/status"; }
# The moment a picture's file was created: right after its screen copy.
born_us() {
  local t
  t=$(stat -c %.6W "$1")
  echo "${t/./}"
}
picture() { echo "$app/BMP/壁紙- $1.bmp"; }
# stats: median and worst (largest magnitude) of the numbers on stdin.
stats() {
  sort -n | awk '{ v[NR] = $1; w = ($1 < 0 ? -$1 : $1); if (w >= worst) { worst = w; ws = $1 } }
    END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "median %+.1f ms, worst %+.1f ms", m, ws }'
}

# Start: from the exec to the map of the main window, taken from the X server's
# MapNotify event (polling with xdotool would add its own start-up to each figure).
"$build_dir/bench/yorvane_start_time" "$app/yorvane" 9 >"$E2E_TMP/starts.log"

start_program "$app"
sleep 1  # let it settle before reading its idle size
rss_idle=$(rss_mb)

# One-shot: the copy is due 200 ms after the press.
for n in 1 2 3; do
  # The pointer goes there first, so the press time is the click's own.
  pointer_to_control "$E2E_WINDOW" one_shot_button
  pressed=$(now_us)
  xdotool click 1
  wait_for_file "$(picture "$n")" 10
  echo "$((($(born_us "$(picture "$n")") - pressed) / 1000 - 200))"
  wait_for_window Yorvane 5 >/dev/null
done >"$E2E_TMP/oneshot"

# Series: picture k is due lead-in + k intervals after the press. The resident
# size is sampled throughout.
first=4
pointer_to_control "$E2E_WINDOW" series_button
pressed=$(now_us)
xdotool click 1
rss_max=0
rss_early=
deadline=$((pressed + (lead_in_ms + series * interval_ms + 10000) * 1000))
until [[ -e $(picture $((first + series - 1))) ]]; do
  (($(now_us) < deadline)) || e2e_fail "the series did not finish"
  rss=$(rss_mb)
  ((rss > rss_max)) && rss_max=$rss
  [[ -z $rss_early && -e $(picture $((first + 1))) ]] && rss_early=$rss
  sleep 0.2
done
wait_for_file "$(picture $((first + series - 1)))" 10
rss_end=$(rss_mb)
for ((k = 1; k <= series; k++)); do
  awk -v b="$(born_us "$(picture $((first + k - 1)))")" -v p="$pressed" \
    -v due=$((lead_in_ms + k * interval_ms)) 'BEGIN { printf "%.1f\n", (b - p) / 1000 - due }'
done >"$E2E_TMP/series"
wait_for_window Yorvane 10 >/dev/null

# Idle: the main window shown and nothing happening but the pointer-edge trigger,
# ticked. The pointer is parked away from the left edge.
xdotool mousemove 600 600
click_control "$E2E_WINDOW" edge_trigger_box
idle_s=20
before=$(($(cpu_ticks "$E2E_PROGRAM_PID") + $(cpu_ticks "$E2E_XVFB_PID")))
own_before=$(cpu_ticks "$E2E_PROGRAM_PID")
sleep "$idle_s"  # the measuring window itself
own=$(($(cpu_ticks "$E2E_PROGRAM_PID") - own_before))
total=$(($(cpu_ticks "$E2E_PROGRAM_PID") + $(cpu_ticks "$E2E_XVFB_PID") - before))
stop_program

echo
echo "The program at 3840x2160:"
echo "- $(tail -n 1 "$E2E_TMP/starts.log")"
echo "- one-shot copy against its 200 ms tick ($(wc -l <"$E2E_TMP/oneshot") shots): $(stats <"$E2E_TMP/oneshot")"
echo "- series of $series at $interval_ms ms against the nominal times: $(stats <"$E2E_TMP/series"), last minus first $(awk 'NR == 1 { f = $1 } END { printf "%+.1f", $1 - f }' "$E2E_TMP/series") ms"
awk -v t="$total" -v o="$own" -v ms="$tick_ms" -v s="$idle_s" 'BEGIN {
  printf "- idle, pointer-edge trigger on (%d s): %.2f %% of a core (program %.2f %%, Xvfb %.2f %%)\n",
    s, t * ms / s / 10, o * ms / s / 10, (t - o) * ms / s / 10 }'
echo "- copy times inside the program (yorvane_capture_timing, the program's own timers and pump):"
"$build_dir/bench/yorvane_capture_timing" 2>/dev/null | sed 's/^/  /'
echo "- resident size: idle ${rss_idle} MB; series: after picture 2 ${rss_early:-?} MB, largest ${rss_max} MB, after picture $series ${rss_end} MB"
