# shellcheck shell=bash
# Helpers for the end-to-end tests: a private virtual display, the program in a
# throw-away application folder, bounded waits, clicks on controls by name and
# picture comparison. Source it from a script that runs with `set -euo pipefail`.
# Every process started here is stopped, and the temporary folder removed, when
# the script exits.
#
# Input: YORVANE_BIN, the built program (CTest sets it; see CMakeLists.txt).
# Beside it the build writes layout.sh: where the windows' controls are.

# Helpers called as $(...) stop at their first failing command too.
shopt -s inherit_errexit

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/yorvane-e2e.XXXXXX")
E2E_PIDS=()
E2E_PROGRAM_PID=
# The layout is given in twips; the program lays out 15 twips a pixel (96 dpi).
E2E_TWIPS_PER_PIXEL=${E2E_TWIPS_PER_PIXEL:-15}
# shellcheck source=/dev/null
[[ -z ${YORVANE_BIN:-} ]] || source "$(dirname "$YORVANE_BIN")/layout.sh"
# Device pixels per logical pixel on a scaled screen, as NUMERATOR/DENOMINATOR.
E2E_SCALE=${E2E_SCALE:-1/1}
readonly E2E_CHIME_NAME="録画が、終りました.wav"
# No sound server unless a test starts its own: the program then falls back to
# the X bell and the opener, whatever runs on the machine.
export PULSE_SERVER=unix:$E2E_TMP/no-sound-server

e2e_log() { echo "-- $*" >&2; }
# E2E_FAIL_LOG: a log whose end a failure shows, e.g. of a desktop that is starting.
E2E_FAIL_LOG=
e2e_fail() {
  echo "FAIL: $*" >&2
  [[ -z $E2E_FAIL_LOG ]] || tail -n 20 "$E2E_FAIL_LOG" >&2
  exit 1
}

# process_alive PID: true while the process runs (a zombie has ended).
process_alive() {
  local state
  state=$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null) || return 1
  [[ $state != Z ]]
}

# end_processes PID...: asks the processes to end and waits for them; those
# still running after 5 s (a compositor stuck on a loaded machine) are killed.
end_processes() {
  local pid deadline=$((${EPOCHREALTIME/./} + 5000000))
  for pid in "$@"; do kill "$pid" 2>/dev/null || true; done
  for pid in "$@"; do
    while process_alive "$pid" && ((${EPOCHREALTIME/./} < deadline)); do sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}

e2e_cleanup() {
  [[ -z $E2E_WATCHDOG ]] || kill -- -"$E2E_WATCHDOG" 2>/dev/null || true
  end_processes "${E2E_PIDS[@]}"
  end_leftovers
  # A desktop's document portal mounts a file system in the runtime folder,
  # which must go before the folder can.
  local mount
  for mount in $(awk -v tmp="$E2E_TMP/" 'index($2, tmp) == 1 { print $2 }' /proc/self/mounts); do
    fusermount -u -z "$mount" 2>/dev/null || umount -l "$mount" 2>/dev/null || true
  done
  if [[ -n ${E2E_KEEP_TMP:-} ]]; then
    e2e_log "kept $E2E_TMP"
  else
    rm -rf "$E2E_TMP"
  fi
}
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM

# A test that runs out of its time (E2E_TIMEOUT, CTest's limit) fails and
# cleans up a few seconds before CTest would kill it and leave its desktop's
# processes behind: a command it waits on is ended too, as the shell runs no
# trap before that command returns.
E2E_WATCHDOG=
if [[ -n ${E2E_TIMEOUT:-} ]]; then
  setsid bash -c 'sleep "$1"; echo "FAIL: the test ran out of its time" >&2
    kill -TERM "$2"; pkill -TERM -P "$2"' watchdog $((E2E_TIMEOUT - 10)) $$ &
  E2E_WATCHDOG=$!
fi

# own_session: the test's own session, whatever the caller runs in (a desktop's
# terminal, a container, a login shell with no locale): none of the caller's
# displays, buses, runtime folder or desktop reaches the program or the
# desktops the test starts; a runtime folder and a session bus of the test's
# own instead (services it starts on demand, such as the portals, end with
# it), and a UTF-8 locale for the tools that read the program's Japanese
# window titles and file names.
E2E_BUS_PID=
own_session() {
  unset DISPLAY WAYLAND_DISPLAY XAUTHORITY SWAYSOCK I3SOCK XDG_SESSION_TYPE XDG_CURRENT_DESKTOP \
    XDG_SESSION_DESKTOP DESKTOP_SESSION DBUS_SESSION_BUS_ADDRESS DBUS_SYSTEM_BUS_ADDRESS \
    LANGUAGE "${!LC_@}"
  export LANG=C.UTF-8 XDG_RUNTIME_DIR=$E2E_TMP/runtime XDG_STATE_HOME=$E2E_TMP/state
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  dbus-daemon --session --address="unix:path=$XDG_RUNTIME_DIR/bus" --fork \
    --print-address=3 --print-pid=4 3>"$E2E_TMP/session-bus.address" 4>"$E2E_TMP/session-bus.pid"
  E2E_BUS_PID=$(<"$E2E_TMP/session-bus.pid")
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus
}

# end_leftovers: ends the session bus and whatever it started, which runs in
# the bus's own process session (the daemon starts one as it forks), and
# anything else still running from the test's folder (an accessibility bus
# started in its runtime folder, in a session of its own).
end_leftovers() {
  [[ -z $E2E_BUS_PID ]] || pkill -TERM -s "$E2E_BUS_PID" 2>/dev/null || true
  pkill -TERM -f -- "$E2E_TMP/" 2>/dev/null || true
  if ! poll_until 5 no_leftovers; then
    [[ -z $E2E_BUS_PID ]] || pkill -KILL -s "$E2E_BUS_PID" 2>/dev/null || true
    pkill -KILL -f -- "$E2E_TMP/" 2>/dev/null || true
  fi
}
no_leftovers() {
  ! { [[ -n $E2E_BUS_PID ]] && pgrep -s "$E2E_BUS_PID"; } && ! pgrep -f -- "$E2E_TMP/"
}

# poll_until SECONDS COMMAND...: polls COMMAND every 0.1 s until it succeeds;
# false when SECONDS pass first. COMMAND must not block for long itself.
poll_until() {
  local seconds=$1
  shift
  local deadline=$((${EPOCHREALTIME/./} + seconds * 1000000))
  until "$@" >/dev/null 2>&1; do
    ((${EPOCHREALTIME/./} < deadline)) || return 1
    sleep 0.1
  done
}

# wait_until SECONDS WHAT COMMAND...: as poll_until, and fails the test naming
# WHAT when SECONDS pass first.
wait_until() {
  local seconds=$1 what=$2
  shift 2
  poll_until "$seconds" "$@" || e2e_fail "timed out after ${seconds}s waiting for $what"
}

own_session

# x_ready: true once the X server on $DISPLAY answers; a server that accepts
# the connection but never answers does not hold the caller up.
x_ready() { timeout 5 xdpyinfo >/dev/null 2>&1; }

# start_xvfb [WIDTHxHEIGHT [DEPTH]]: starts Xvfb on a display nobody uses and
# exports DISPLAY. -noreset keeps the root window's picture when the last client
# leaves.
start_xvfb() {
  local size=${1:-1024x768} depth=${2:-24} number
  number=$(mktemp "$E2E_TMP/display.XXXXXX")
  Xvfb -displayfd 3 -screen 0 "${size}x$depth" -noreset -nolisten tcp \
    3>"$number" 2>>"$E2E_TMP/xvfb.log" &
  E2E_XVFB_PID=$!
  E2E_PIDS+=("$E2E_XVFB_PID")
  wait_until 15 "Xvfb to pick a display" test -s "$number"
  DISPLAY=:$(head -n 1 "$number")
  export DISPLAY
  wait_until 15 "Xvfb on $DISPLAY" x_ready
  e2e_log "Xvfb $size on $DISPLAY (pid $E2E_XVFB_PID)"
}

# stop_xvfb: ends the Xvfb started last.
stop_xvfb() {
  kill "$E2E_XVFB_PID" 2>/dev/null || true
  wait "$E2E_XVFB_PID" 2>/dev/null || true
}

# e2e_size_settled PATH: true once PATH is non-empty and its size held still since
# the previous call, so a reader never sees a file that is still being written.
E2E_LAST_SIZE=
e2e_size_settled() {
  local size
  size=$(stat -c %s "$1" 2>/dev/null) || return 1
  local previous=$E2E_LAST_SIZE
  E2E_LAST_SIZE=$size
  [[ $size -gt 0 && $size == "$previous" ]]
}

# wait_for_file PATH [SECONDS]: waits until PATH exists and is completely written.
wait_for_file() {
  E2E_LAST_SIZE=
  wait_until "${2:-10}" "file $1" e2e_size_settled "$1"
}

# program_windows NAME: the ids of the program's visible windows titled exactly
# NAME. Its class tells them from a window manager's frames, which may carry the
# title too (mutter 48 draws them in a client of its own).
program_windows() {
  local id found=1
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    [[ $(xprop -id "$id" WM_CLASS 2>/dev/null) == *'"Yorvane"' ]] || continue
    echo "$id"
    found=0
  done
  return "$found"
}
window_shown() { program_windows "$1" >/dev/null 2>&1; }
window_gone() { ! window_shown "$1"; }

# wait_for_window NAME [SECONDS]: waits for a visible window of the program
# titled exactly NAME and prints its id.
wait_for_window() {
  wait_until "${2:-15}" "window \"$1\"" window_shown "$1"
  program_windows "$1" | head -n 1
}

# wait_for_window_gone NAME [SECONDS]: waits until no window of the program
# titled NAME is shown.
wait_for_window_gone() {
  wait_until "${2:-10}" "window \"$1\" to go" window_gone "$1"
}

# show_on_root PICTURE: makes PICTURE the root window's background. ImageMagick 6
# `display -window root` exits with 1 even when the picture is shown, so its
# status says nothing; the tests compare what the screen shows instead.
show_on_root() {
  display -window root "$1" || true
}

# paint_noise WIDTHxHEIGHT [SEED]: fills the root window with random pixels and
# prints the path of the picture, for comparing captures against it.
paint_noise() {
  local picture="$E2E_TMP/noise-$1.png"
  convert -size "$1" xc: -seed "${2:-1}" +noise Random -depth 8 "$picture"
  show_on_root "$picture"
  echo "$picture"
}

# set_root_picture PICTURE: tiles the root window with PICTURE the way desktops
# set their background, which compositing window managers repaint from.
set_root_picture() {
  feh --no-fehbg --bg-tile "$1"
}

# block_noise WIDTHxHEIGHT [SEED [BLOCK]]: random pixels in blocks of BLOCK x
# BLOCK (default 2, an even number), so that a half-size copy of it is exact;
# prints the path of the full-size picture and leaves the half-size one beside
# it as ...-half.png.
block_noise() {
  local width=${1%x*} height=${1#*x} block=${3:-2}
  local half="$E2E_TMP/blocks-$1-half.png" picture="$E2E_TMP/blocks-$1.png"
  convert -size "$((width / block))x$((height / block))" xc: -seed "${2:-1}" +noise Random \
    -depth 8 "$E2E_TMP/blocks.png"
  convert "$E2E_TMP/blocks.png" -sample "$((block * 50))%" "$half"
  convert "$E2E_TMP/blocks.png" -sample "$((block * 100))%" "$picture"
  echo "$picture"
}

# grab_screen OUTPUT: saves what the root window shows now.
grab_screen() {
  import -window root "$1"
}

# make_app_folder [DIR]: a fresh application folder holding a copy of the built
# program (its file and its library) with the readme and the chime; prints its path.
make_app_folder() {
  local dir=${1:-$E2E_TMP/app}
  local built
  built=$(dirname "${YORVANE_BIN:?YORVANE_BIN names the built program}")
  mkdir -p "$dir"
  cp "$YORVANE_BIN" "$dir/yorvane"
  cp "$built/yorvane-program.so" "$built/Yorvane.txt" "$built/$E2E_CHIME_NAME" "$dir/"
  echo "$dir"
}

# prepared_app_folder [SETTINGS]: as make_app_folder by default, with the
# picture folder there already, so a start opens no readme, and SETTINGS, when
# given, as the settings record; prints its path.
prepared_app_folder() {
  make_app_folder
  mkdir "$E2E_TMP/app/BMP"
  [[ -z ${1:-} ]] || printf '%s\r\n' "$1" >"$E2E_TMP/app/setutei"
}

# start_on_noise WIDTHxHEIGHT [SEED [SETTINGS]]: a virtual screen of that size
# showing noise, whose picture is $E2E_NOISE, and the program started from a
# prepared application folder, $E2E_APP. Call it directly, as start_program.
# shellcheck disable=SC2034 # E2E_NOISE and E2E_APP are read by the tests
start_on_noise() {
  start_xvfb "$1"
  E2E_NOISE=$(paint_noise "$1" "${2:-1}")
  E2E_APP=$(prepared_app_folder "${3:-}")
  start_program "$E2E_APP"
}

# The picture folder of the application folder that make_app_folder makes by default.
E2E_PICTURES=$E2E_TMP/app/BMP
picture_count() { find "$E2E_PICTURES" -name '*.bmp' | wc -l; }
at_least_pictures() { (($(picture_count) >= $1)); }
expect_pictures() {
  [[ $(picture_count) == "$1" ]] || e2e_fail "$(picture_count) pictures, expected $1"
}
# newest_picture: the path of the picture with the highest number.
newest_picture() {
  find "$E2E_PICTURES" -name '*.bmp' | sort -t ' ' -k 2 -n | tail -n 1
}

# wait_for_steady_count SECONDS: waits until the number of pictures has not
# changed for SECONDS, several one-shot cycles.
E2E_STEADY_SINCE=0 E2E_STEADY_COUNT=-1
count_steady() {
  local count now=${EPOCHREALTIME/./}
  count=$(picture_count)
  if [[ $count != "$E2E_STEADY_COUNT" ]]; then
    E2E_STEADY_COUNT=$count E2E_STEADY_SINCE=$now
    return 1
  fi
  ((now - E2E_STEADY_SINCE >= $1 * 1000000))
}
wait_for_steady_count() {
  E2E_STEADY_COUNT=-1
  wait_until 20 "the number of pictures to hold still for $1 s" count_steady "$1"
}

# stand_in_opener LOG: puts a stand-in for the desktop's opener (xdg-open) first
# on PATH; it notes each call's arguments as a line of LOG and opens nothing.
stand_in_opener() {
  mkdir -p "$E2E_TMP/bin"
  cat >"$E2E_TMP/bin/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$*" >>"$1"
SCRIPT
  chmod 755 "$E2E_TMP/bin/xdg-open"
  export PATH=$E2E_TMP/bin:$PATH
}

# start_program DIR: starts DIR/yorvane, waits for its main window and sets
# E2E_WINDOW to the window's id. Output goes to $E2E_TMP/program.log. Call it
# directly, not as $(...): a subshell would keep the program's pid to itself,
# so it could neither be stopped nor its exit status read.
E2E_WINDOW=
start_program() { start_command "$1/yorvane"; }

# start_command COMMAND...: as start_program, for a command line that ends by
# executing the program (env, setpriv), so the pid is the program's.
# shellcheck disable=SC2034 # E2E_WINDOW is read by the tests
start_command() {
  "$@" >"$E2E_TMP/program.log" 2>&1 &
  E2E_PROGRAM_PID=$!
  E2E_PIDS+=("$E2E_PROGRAM_PID")
  E2E_WINDOW=$(wait_for_window Yorvane 20)
}

# program_running: true while the program started last is alive.
program_running() { [[ -n $E2E_PROGRAM_PID ]] && process_alive "$E2E_PROGRAM_PID"; }
program_ended() { ! program_running; }

# close_program [SECONDS]: closes the main window as a window manager does, so the
# program runs its shutdown, and waits for it to end. Sets E2E_PROGRAM_STATUS.
# shellcheck disable=SC2034 # E2E_PROGRAM_STATUS is read by the tests
close_program() {
  "${YORVANE_WM_CLOSE:?YORVANE_WM_CLOSE names the wm_close tool}" Yorvane
  wait_until "${1:-10}" "the program to end" program_ended
  E2E_PROGRAM_STATUS=0
  wait "$E2E_PROGRAM_PID" || E2E_PROGRAM_STATUS=$?
}

# stop_program: ends the program started last, with SIGKILL if SIGTERM is ignored.
stop_program() {
  program_running || return 0
  end_processes "$E2E_PROGRAM_PID"
}

# pointer_at X Y: true when the pointer is at screen pixel (X, Y).
pointer_at() {
  [[ $(xdotool getmouselocation --shell | head -n 2 | tr '\n' ' ') == "X=$1 Y=$2 " ]]
}

# move_pointer X Y: moves the pointer to screen pixel (X, Y) and waits until the
# server has it there. Not `mousemove --sync`: that waits 15 s for a movement
# that never comes when the pointer is already in place.
move_pointer() {
  xdotool mousemove "$1" "$2"
  wait_until 5 "the pointer at $1,$2" pointer_at "$1" "$2"
}

# move_pointer_in WINDOW X Y: moves the pointer to pixel (X, Y) of the window's
# client area.
move_pointer_in() {
  local origin
  origin=$(window_origin "$1")
  move_pointer $((${origin% *} + $2)) $((${origin#* } + $3))
}

# control_point NAME [partial]: prints "X Y", the pixel of its window's client area
# where click_control clicks the control NAME, as layout.sh lists them.
control_point() {
  local twips=${E2E_CONTROL_POINTS[$1${2:+/$2}]:-}
  [[ -n $twips ]] || e2e_fail "no control $1 ${2:-} in layout.sh"
  echo "$(twips_to_pixels "${twips% *}") $(twips_to_pixels "${twips#* }")"
}

# pointer_to_control WINDOW NAME [partial]: moves the pointer onto the window's control NAME.
pointer_to_control() {
  local point
  point=$(control_point "$2" "${3:-}")
  move_pointer_in "$1" "${point% *}" "${point#* }"
}

# click_control WINDOW NAME [partial]: left click on the window's control NAME:
# one_shot_button, mode_box partial, toolbar/standard_view_button, ...
click_control() {
  pointer_to_control "$@"
  xdotool click 1
}

# main_window_size full|partial: the main window's client size as
# WIDTHxHEIGHT pixels in that capture mode.
main_window_size() {
  local width=E2E_MAIN_${1^^}_WIDTH
  echo "$(twips_to_pixels "${!width}")x$(twips_to_pixels "$E2E_MAIN_HEIGHT")"
}

# window_origin WINDOW: prints "X Y", the screen pixel of the window's client
# origin. Without a window manager the client window is the top-level window.
window_origin() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    END { print x, y }'
}

# window_size WINDOW: prints the client size as WIDTHxHEIGHT pixels.
window_size() {
  xwininfo -id "$1" | awk '/^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print w "x" h }'
}

# wait_for_window_size WINDOW WIDTHxHEIGHT [SECONDS]: waits until the window's
# client area has that size; on timeout the message names the size it has.
wait_for_window_size() {
  local deadline=$((${EPOCHREALTIME/./} + ${3:-10} * 1000000))
  until [[ $(window_size "$1") == "$2" ]]; do
    ((${EPOCHREALTIME/./} < deadline)) ||
      e2e_fail "window $1 is $(window_size "$1"), not $2"
    sleep 0.1
  done
}

# twips_to_pixels TWIPS: the device pixel a layout position in twips falls on.
# Unscaled, a position rounds down to its pixel; scaled, the program rounds
# twips to logical pixels and Qt rounds those to device pixels.
twips_to_pixels() {
  if [[ $E2E_SCALE == 1/1 ]]; then
    echo $(($1 / E2E_TWIPS_PER_PIXEL))
  else
    logical_to_device $((($1 * 2 + E2E_TWIPS_PER_PIXEL) / (2 * E2E_TWIPS_PER_PIXEL)))
  fi
}

# logical_to_device PIXELS: logical pixels in device pixels, rounded as Qt does.
logical_to_device() {
  local numerator=${E2E_SCALE%/*} denominator=${E2E_SCALE#*/}
  echo $(((2 * $1 * numerator + denominator) / (2 * denominator)))
}

# crop_window SCREENSHOT WINDOW OUTPUT: cuts the window's client area out of a
# picture of the root window.
crop_window() {
  local origin size
  origin=$(window_origin "$2")
  size=$(window_size "$2")
  convert "$1" -crop "${size}+${origin% *}+${origin#* }" +repage "$3"
}

# pixels_differing A B: prints how many pixels differ between two pictures
# (alpha ignored); fails the test when either cannot be read.
pixels_differing() {
  local out status=0
  out=$(compare -metric AE "$1" -alpha off "$2" -alpha off null: 2>&1) || status=$?
  if ((status > 1)) || [[ ! $out =~ ^[0-9]+$ ]]; then e2e_fail "cannot compare $1 and $2: $out"; fi
  echo "$out"
}

# expect_same_picture A B: fails the test unless A and B have identical pixels.
expect_same_picture() {
  local differing
  differing=$(pixels_differing "$1" "$2")
  [[ $differing == 0 ]] || e2e_fail "$differing pixels differ between $1 and $2"
}

# window_has_state WINDOW ATOM: true when the window's _NET_WM_STATE holds ATOM.
window_has_state() {
  xprop -id "$1" _NET_WM_STATE | grep -qw "$2"
}

# window_at WINDOW "X Y": true when the window's client origin is at X, Y.
window_at() {
  [[ $(window_origin "$1") == "$2" ]]
}

# wait_for_window_at WINDOW "X Y" WHY: waits until the window's client origin is
# at X, Y; on timeout the message names where it is.
wait_for_window_at() {
  if ! (wait_until 10 "$3" window_at "$1" "$2") 2>/dev/null; then
    e2e_fail "the window is at $(window_origin "$1"), not at $2, after $3"
  fi
}

# frame_top WINDOW: the height of the frame the window manager puts above the
# client area (its title bar), from _NET_FRAME_EXTENTS.
frame_top() {
  xprop -id "$1" _NET_FRAME_EXTENTS | awk -F '[=,]' '/=/ { print $4 + 0 }'
}

# screen_settled: true once the screen shows the same picture as at the
# previous call, for a window manager that draws its desktop a while.
E2E_LAST_SCREEN=
screen_settled() {
  local now="$E2E_TMP/settle-$RANDOM.png" previous=$E2E_LAST_SCREEN
  grab_screen "$now"
  E2E_LAST_SCREEN=$now
  [[ -n $previous ]] && (($(pixels_differing "$previous" "$now") == 0))
}

# start_private_bus TYPE: a D-Bus daemon of its own of TYPE (session or system)
# that lets anyone own any name; sets E2E_BUS_ADDRESS.
start_private_bus() {
  cat >"$E2E_TMP/$1-bus.conf" <<CONFIG
<busconfig>
  <type>$1</type>
  <listen>unix:dir=$E2E_TMP</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/>
  </policy>
</busconfig>
CONFIG
  dbus-daemon --config-file="$E2E_TMP/$1-bus.conf" --print-address=3 --print-pid=4 --fork \
    3>"$E2E_TMP/$1-bus.address" 4>"$E2E_TMP/$1-bus.pid"
  E2E_PIDS+=("$(cat "$E2E_TMP/$1-bus.pid")")
  E2E_BUS_ADDRESS=$(head -n 1 "$E2E_TMP/$1-bus.address")
}

# start_window_manager NAME: starts mutter, kwin, xfwm4 (compositing) or
# openbox on the display, on the test's session bus, and waits until it
# manages the screen and has drawn its desktop.
E2E_WM_PID=
start_window_manager() {
  local command
  case $1 in
    mutter) command=(mutter --x11 --replace) ;;
    kwin) command=(kwin_x11 --replace) ;;
    xfwm4) command=(xfwm4 --compositor=on --sm-client-disable) ;;
    openbox) command=(openbox --sm-disable) ;;
    *) e2e_fail "no window manager called $1" ;;
  esac
  "${command[@]}" >"$E2E_TMP/$1.log" 2>&1 &
  E2E_WM_PID=$!
  E2E_PIDS+=("$E2E_WM_PID")
  wait_until 60 "$1 to manage the screen" bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
  E2E_LAST_SCREEN=
  wait_until 30 "$1 to draw its desktop" screen_settled
  e2e_log "$1 manages $DISPLAY (pid $E2E_WM_PID)"
}

# cpu_ticks PID...: clock ticks of user and system time the processes and all
# their descendants have used so far.
cpu_ticks() {
  local pids=("$@") i=0 child
  while ((i < ${#pids[@]})); do
    for child in $(pgrep -P "${pids[i]}" || true); do pids+=("$child"); done
    i=$((i + 1))
  done
  local total=0 pid stat
  for pid in "${pids[@]}"; do
    stat=$(cat "/proc/$pid/stat" 2>/dev/null) || continue
    # Fields after the command name, which may hold blanks: utime is the 12th.
    read -r -a fields <<<"${stat##*) }"
    total=$((total + fields[11] + fields[12]))
  done
  echo "$total"
}

# snapshot_is WINDOW HALF: true when the picker at the window's client origin
# shows the picture HALF pixel for pixel.
snapshot_is() {
  window_shown Yorvane || return 1
  grab_screen "$E2E_TMP/picker.png"
  local origin size
  origin=$(window_origin "$1")
  size=$(convert "$2" -format %wx%h info:)
  convert "$E2E_TMP/picker.png" -crop "${size}+${origin% *}+${origin#* }" +repage "$E2E_TMP/shown.png"
  (($(pixels_differing "$2" "$E2E_TMP/shown.png") == 0))
}

# pick_region WINDOW A B C D: drags from pixel (A, B) to (C, D) of the picker's
# snapshot with the left button and answers Yes in the confirmation box.
pick_region() {
  local window=$1 a=$2 b=$3 c=$4 d=$5 step
  move_pointer_in "$window" "$a" "$b"
  xdotool mousedown 1
  for step in 1 2 3 4 5; do
    move_pointer_in "$window" $((a + (c - a) * step / 5)) $((b + (d - b) * step / 5))
  done
  xdotool mouseup 1
  # The box's default is Cancel; its Yes button answers to the key Y.
  answer_box 選択範囲確認 y
}

# answer_box TITLE [KEY]: waits for the program's box TITLE and presses KEY
# (default Return) while it is there, for at most 10 s, as a person who sees
# nothing happen presses again: a box takes keys once the desktop gives it the
# focus, which on a busy machine comes a moment after it shows. Where a few
# presses went nowhere, the box is activated first, as by a click on it
# (GNOME 48 on a busy machine has been seen to leave the focus elsewhere).
answer_box() {
  local box presses=0
  box=$(wait_for_window "$1" 10)
  wait_until 10 "the box $1 to close" box_answered "$1" "${2:-Return}"
}
box_answered() {
  window_shown "$1" || return 0
  ((++presses % 5)) || xdotool windowactivate "$box" 2>/dev/null || true
  xdotool key "$2"
  return 1
}

# expect_region PICTURE SCREEN A B C D [SCALE]: PICTURE must be the rectangle of
# SCREEN that a drag from (A, B) to (C, D) on the half-size snapshot picked;
# SCREEN has SCALE pixels to one of the picker's logical ones (default 1).
expect_region() {
  local rect
  rect=$(awk -v s="${7:-1}" -v a="$3" -v b="$4" -v c="$5" -v d="$6" 'BEGIN {
    f = 2 * s; x = int(a * f + 0.5); y = int(b * f + 0.5)
    printf "%dx%d+%d+%d", int(c * f + 0.5) - x, int(d * f + 0.5) - y, x, y }')
  convert "$2" -crop "$rect" +repage "$E2E_TMP/expected-region.png"
  expect_same_picture "$E2E_TMP/expected-region.png" "$1"
}
