#!/usr/bin/env bash
# Screen copies on a headless Wayland session (sway 1280x720, see
# tests/e2e/wayland_lib.sh): the program's portal copy against grim, COPIES of
# each one after another, wall time per picture and CPU time per picture of
# the copying process, the portal (front end and wlroots backend, with the
# grim it runs for each picture) and sway.
#
#   bench/wayland_compare.sh BENCH_BUILD_DIR [COPIES]
set -euo pipefail
bench_dir=$(cd "${1:?the build tree with the benchmarks}" && pwd)
copies=${2:-30}
source "$(dirname "$0")/../tests/e2e/wayland_lib.sh"

noise=$E2E_TMP/noise.png
convert -size 1280x720 xc: -seed 5 +noise Random -depth 8 "$noise"
start_sway 1280x720 "$noise"

# pid_of SERVICE: the process that owns a name on the session bus.
pid_of() {
  gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.GetConnectionUnixProcessID "$1" | sed -E 's/.*uint32 ([0-9]+).*/\1/'
}
# The socket is named sway-ipc.UID.PID.sock.
IFS=. read -r _ _ sway_pid _ <<<"${SWAYSOCK##*/}"
helpers=("$sway_pid" "$(pid_of org.freedesktop.portal.Desktop)"
  "$(pid_of org.freedesktop.impl.portal.desktop.wlr)")
e2e_log "sway, portal and its wlroots backend: ${helpers[*]}"
tick_ms=$((1000 / $(getconf CLK_TCK)))
# children_ticks [PID]: CPU ticks of the finished children of PID (this shell).
children_ticks() {
  local fields
  read -r -a fields <<<"$(sed 's/.*) //' "/proc/${1:-$$}/stat")"
  echo $((fields[13] + fields[14]))
}
# helper_ticks: CPU ticks of sway and the portal, with the programs they ran
# and waited for (the wlroots backend runs grim for each picture).
helper_ticks() {
  local total pid
  total=$(cpu_ticks "${helpers[@]}")
  for pid in "${helpers[@]}"; do total=$((total + $(children_ticks "$pid"))); done
  echo "$total"
}

helpers_before=$(helper_ticks)
children_before=$(children_ticks)
started=${EPOCHREALTIME/./}
for ((i = 0; i < copies; i++)); do grim "$E2E_TMP/grim.png"; done
wall_us=$((${EPOCHREALTIME/./} - started))
grim_ms=$((($(children_ticks) - children_before) * tick_ms))
helpers_ms=$((($(helper_ticks) - helpers_before) * tick_ms))
printf 'grim (PNG): wall %d ms/picture, CPU grim %d + sway and portal %d ms/picture\n' \
  $((wall_us / 1000 / copies)) $((grim_ms / copies)) $((helpers_ms / copies))

helpers_before=$(helper_ticks)
"$bench_dir/bench/yorvane_screen_copy_timing" "$copies" portal
helpers_ms=$((($(helper_ticks) - helpers_before) * tick_ms))
printf 'portal copy: CPU of sway and the portal %d ms/picture\n' $((helpers_ms / copies))
