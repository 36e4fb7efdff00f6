#!/usr/bin/env bash
# Screen copies on a headless Wayland session at WIDTHxHEIGHT (1280x720 unless
# given; see tests/e2e/wayland_lib.sh), COPIES of each one after another: wall
# time per picture and CPU time per picture of the copying process and of the
# desktop.
#   sway: the program's portal copy against grim; the desktop's CPU is sway's
#     and the portal's (front end and wlroots backend, with the grim it runs).
#   kde: the program's copy through KWin's screenshot interface against its
#     copy through KDE's portal and against `spectacle -b -n -f` (where
#     installed, with qtwayland5); the desktop's CPU is KWin's and the portal's.
#     Then the program's own one-shots and a series of 60 at 0.5 s, with the
#     copies that failed or were skipped.
#   gnome: a series' copies from GNOME's screen cast (its leave given
#     beforehand; the copies after the cast's start and 2.7 s for its first
#     frame, as in a series' lead-in) against the program's copy through
#     GNOME's portal; the desktop's CPU is gnome-shell's, the cast's start
#     and wait included.
#
#   bench/wayland_compare.sh BENCH_BUILD_DIR [COPIES] [sway|kde|gnome] [WIDTHxHEIGHT]
set -euo pipefail
bench_dir=$(cd "${1:?the build tree with the benchmarks}" && pwd)
copies=${2:-30}
WAYLAND_DESKTOP=${3:-sway}
size=${4:-1280x720}
source "$(dirname "$0")/../tests/e2e/wayland_lib.sh"

noise=$E2E_TMP/noise.png
convert -size "$size" xc: -seed 5 +noise Random -depth 8 "$noise"
# The programs that may use KWin's screenshot interface, as copies named by
# desktop files.
mkdir "$E2E_TMP/allowed"
for program in yorvane_screen_copy_timing yorvane_capture_timing; do
  cp "$bench_dir/bench/$program" "$E2E_TMP/allowed/"
  cp "$bench_dir/Yorvane.txt" "$bench_dir/録画が、終りました.wav" "$E2E_TMP/allowed/"
  [[ $WAYLAND_DESKTOP != kde ]] ||
    kwin_allow "$E2E_TMP/allowed/$program" X-KDE-DBUS-Restricted-Interfaces=org.kde.KWin.ScreenShot2
done

# pid_of SERVICE: the process that owns a name on the session bus.
pid_of() {
  gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.GetConnectionUnixProcessID "$1" | sed -E 's/.*uint32 ([0-9]+).*/\1/'
}
if [[ $WAYLAND_DESKTOP == kde ]]; then
  start_kwin "$size"
  feh --fullscreen "$noise" &
  E2E_PIDS+=($!)
  helpers=("$WAYLAND_SHELL_PID" "$(pid_of org.freedesktop.portal.Desktop)"
    "$(pid_of org.freedesktop.impl.portal.desktop.kde)")
elif [[ $WAYLAND_DESKTOP == gnome ]]; then
  start_gnome_shell "$size"
  gnome_screenshot_answer yes
  gnome_cast_leave_given
  helpers=("$WAYLAND_SHELL_PID")
else
  start_sway "$size" "$noise"
  # The socket is named sway-ipc.UID.PID.sock.
  IFS=. read -r _ _ sway_pid _ <<<"${SWAYSOCK##*/}"
  helpers=("$sway_pid" "$(pid_of org.freedesktop.portal.Desktop)"
    "$(pid_of org.freedesktop.impl.portal.desktop.wlr)")
fi
# GNOME's shell shows its overview, a still screen as well.
[[ $WAYLAND_DESKTOP == gnome ]] ||
  wait_until 20 "the output to show the picture" output_shows "$noise"
e2e_log "compositor, portal and its backend: ${helpers[*]}"
tick_ms=$((1000 / $(getconf CLK_TCK)))
# children_ticks [PID]: CPU ticks of the finished children of PID (this shell).
children_ticks() {
  local fields
  read -r -a fields <<<"$(sed 's/.*) //' "/proc/${1:-$$}/stat")"
  echo $((fields[13] + fields[14]))
}
# helper_ticks: CPU ticks of the compositor and the portal, with the programs
# they ran and waited for (the wlroots backend runs grim for each picture).
helper_ticks() {
  local total pid
  total=$(cpu_ticks "${helpers[@]}")
  for pid in "${helpers[@]}"; do total=$((total + $(children_ticks "$pid"))); done
  echo "$total"
}

# measure WHAT COMMAND...: runs COMMAND COPIES times and prints its wall time,
# its CPU time and the desktop's per picture.
measure() {
  local what=$1 helpers_before children_before started i
  shift
  helpers_before=$(helper_ticks)
  children_before=$(children_ticks)
  started=${EPOCHREALTIME/./}
  for ((i = 0; i < copies; i++)); do "$@" >/dev/null 2>&1; done
  printf '%s: wall %d ms/picture, CPU %d + desktop %d ms/picture\n' "$what" \
    $(((${EPOCHREALTIME/./} - started) / 1000 / copies)) \
    $((($(children_ticks) - children_before) * tick_ms / copies)) \
    $((($(helper_ticks) - helpers_before) * tick_ms / copies))
}

# timed WHAT COMMAND...: runs COMMAND once and prints the desktop's CPU time per picture.
timed() {
  local what=$1 helpers_before
  shift
  helpers_before=$(helper_ticks)
  "$@" || true
  printf '%s: CPU of the desktop %d ms/picture\n' "$what" \
    $((($(helper_ticks) - helpers_before) * tick_ms / copies))
}

if [[ $WAYLAND_DESKTOP == kde ]]; then
  timed "KWin's interface" "$E2E_TMP/allowed/yorvane_screen_copy_timing" "$copies"
  timed "KDE's portal" "$E2E_TMP/allowed/yorvane_screen_copy_timing" "$copies" portal
  if command -v spectacle >/dev/null; then
    measure "spectacle -b -n -f" spectacle -b -n -f -o "$E2E_TMP/spectacle.png"
  fi
  "$E2E_TMP/allowed/yorvane_capture_timing"
elif [[ $WAYLAND_DESKTOP == gnome ]]; then
  timed "GNOME's screen cast" "$bench_dir/bench/yorvane_screen_copy_timing" "$copies" cast
  timed "GNOME's portal" "$bench_dir/bench/yorvane_screen_copy_timing" "$copies" portal
else
  measure "grim (PNG)" grim "$E2E_TMP/grim.png"
  timed "portal copy" "$bench_dir/bench/yorvane_screen_copy_timing" "$copies" portal
fi
