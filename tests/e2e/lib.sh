# shellcheck shell=bash
# Helpers for the end-to-end tests: a private virtual display, the program in a
# throw-away application folder, bounded waits, clicks at control positions and
# picture comparison. Source it from a script that runs with `set -euo pipefail`.
# Every process started here is stopped, and the temporary folder removed, when
# the script exits.
#
# Input: YORVANE_BIN, the built program (CTest sets it; see CMakeLists.txt).

# Helpers called as $(...) stop at their first failing command too.
shopt -s inherit_errexit

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/yorvane-e2e.XXXXXX")
E2E_PIDS=()
E2E_PROGRAM_PID=
# Control positions are given in twips; the program lays out 15 twips a pixel (96 dpi).
E2E_TWIPS_PER_PIXEL=${E2E_TWIPS_PER_PIXEL:-15}
readonly E2E_CHIME_NAME="録画が、終りました.wav"

e2e_log() { echo "-- $*" >&2; }
e2e_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

e2e_cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  if [[ -n ${E2E_KEEP_TMP:-} ]]; then
    e2e_log "kept $E2E_TMP"
  else
    rm -rf "$E2E_TMP"
  fi
}
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM

# wait_until SECONDS WHAT COMMAND...: polls COMMAND every 0.1 s until it succeeds;
# fails the test naming WHAT when SECONDS pass first.
wait_until() {
  local seconds=$1 what=$2
  shift 2
  local now=${EPOCHREALTIME/./}
  local deadline=$((now + seconds * 1000000))
  until "$@" >/dev/null 2>&1; do
    now=${EPOCHREALTIME/./}
    ((now < deadline)) || e2e_fail "timed out after ${seconds}s waiting for $what"
    sleep 0.1
  done
}

# start_xvfb [WIDTHxHEIGHT]: starts Xvfb on a display nobody uses and exports
# DISPLAY. -noreset keeps the root window's picture when the last client leaves.
start_xvfb() {
  local size=${1:-1024x768} number
  number=$(mktemp "$E2E_TMP/display.XXXXXX")
  Xvfb -displayfd 3 -screen 0 "${size}x24" -noreset -nolisten tcp \
    3>"$number" 2>>"$E2E_TMP/xvfb.log" &
  E2E_XVFB_PID=$!
  E2E_PIDS+=("$E2E_XVFB_PID")
  wait_until 15 "Xvfb to pick a display" test -s "$number"
  DISPLAY=:$(head -n 1 "$number")
  export DISPLAY
  wait_until 15 "Xvfb on $DISPLAY" xdpyinfo
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

# wait_for_window NAME [SECONDS]: waits for a visible window titled exactly NAME
# and prints its id.
wait_for_window() {
  local pattern="^$1\$"
  wait_until "${2:-15}" "window \"$1\"" xdotool search --onlyvisible --name "$pattern"
  xdotool search --onlyvisible --name "$pattern" | head -n 1
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

# grab_screen OUTPUT: saves what the root window shows now.
grab_screen() {
  import -window root "$1"
}

# make_app_folder [DIR]: a fresh application folder holding a copy of the built
# program with the readme and the chime; prints its path.
make_app_folder() {
  local dir=${1:-$E2E_TMP/app}
  local built
  built=$(dirname "${YORVANE_BIN:?YORVANE_BIN names the built program}")
  mkdir -p "$dir"
  cp "$YORVANE_BIN" "$dir/yorvane"
  cp "$built/Yorvane.txt" "$built/$E2E_CHIME_NAME" "$dir/"
  echo "$dir"
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

# program_running: true while the program started last is alive (a zombie is not).
program_running() {
  [[ -n $E2E_PROGRAM_PID ]] || return 1
  local state
  state=$(awk '{ print $3 }' "/proc/$E2E_PROGRAM_PID/stat" 2>/dev/null) || return 1
  [[ $state != Z ]]
}
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
  kill "$E2E_PROGRAM_PID"
  local now=${EPOCHREALTIME/./}
  local deadline=$((now + 5000000))
  while program_running && ((${EPOCHREALTIME/./} < deadline)); do sleep 0.1; done
  if program_running; then kill -KILL "$E2E_PROGRAM_PID"; fi
  wait "$E2E_PROGRAM_PID" 2>/dev/null || true
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

# click_twips WINDOW X Y: left click at (X, Y) twips from the window's client
# origin, i.e. a control's position with its containers' positions added.
click_twips() {
  move_pointer_in "$1" "$(twips_to_pixels "$2")" "$(twips_to_pixels "$3")"
  xdotool click 1
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

# twips_to_pixels TWIPS: the pixel a layout position in twips falls on.
twips_to_pixels() { echo $(($1 / E2E_TWIPS_PER_PIXEL)); }

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
