# shellcheck shell=bash
# A headless Wayland session for a test or a measurement: sway, or GNOME Shell
# or KDE Plasma's KWin when the script sets WAYLAND_DESKTOP=gnome or kde before
# sourcing this, with
# XWayland, pipewire and the desktop's screenshot portal, all on the test's own
# session bus (see own_session in lib.sh). Source it first thing from a script
# that runs with `set -euo pipefail`: it exits with 77 (skip) when a tool is
# missing and, as root (sway refuses root), runs the script again as the
# ordinary user yorvane-e2e, from a copy of the test scripts and with
# YORVANE_BIN and YORVANE_WM_CLOSE as copies the user can read. Then it sources
# lib.sh.

readonly WAYLAND_SKIP=77 WAYLAND_TEST_USER=yorvane-e2e
WAYLAND_DESKTOP=${WAYLAND_DESKTOP:-sway}

# kde_portal_backend: KDE's portal backend, which lives under the multiarch
# library folder.
kde_portal_backend() {
  echo "/usr/lib/$(gcc -dumpmachine 2>/dev/null || echo x86_64-linux-gnu)/libexec/xdg-desktop-portal-kde"
}

wayland_tools=(gdbus pipewire pw-cli dbus-daemon
  /usr/libexec/xdg-desktop-portal /usr/libexec/xdg-desktop-portal-gtk)
case $WAYLAND_DESKTOP in
  sway) wayland_tools+=(sway swaymsg grim wtype /usr/libexec/xdg-desktop-portal-wlr) ;;
  gnome) wayland_tools+=(gnome-shell /usr/bin/python3 /usr/libexec/xdg-desktop-portal-gnome wireplumber) ;;
  kde) wayland_tools+=(kwin_wayland /usr/bin/python3 "$(kde_portal_backend)") ;;
esac
for wayland_tool in "${wayland_tools[@]}"; do
  if ! command -v "$wayland_tool" >/dev/null; then
    echo "SKIP: $wayland_tool is not installed" >&2
    exit "$WAYLAND_SKIP"
  fi
done
# The system's Python, for which python3-gi is built.
if [[ $WAYLAND_DESKTOP != sway ]] && ! /usr/bin/python3 -c 'import gi' 2>/dev/null; then
  echo "SKIP: python3-gi is not installed" >&2
  exit "$WAYLAND_SKIP"
fi

if ((EUID == 0)); then
  if ! id "$WAYLAND_TEST_USER" >/dev/null 2>&1 && ! useradd --create-home "$WAYLAND_TEST_USER"; then
    echo "SKIP: cannot create the test user $WAYLAND_TEST_USER" >&2
    exit "$WAYLAND_SKIP"
  fi
  wayland_shared=$(mktemp -d "${TMPDIR:-/tmp}/yorvane-wayland.XXXXXX")
  trap 'rm -rf "$wayland_shared"' EXIT
  wayland_env=(PATH="$PATH" HOME="/home/$WAYLAND_TEST_USER" LANG=C.UTF-8)
  [[ -z ${E2E_KEEP_TMP:-} ]] || wayland_env+=(E2E_KEEP_TMP=1)
  [[ -z ${E2E_TIMEOUT:-} ]] || wayland_env+=(E2E_TIMEOUT="$E2E_TIMEOUT")
  if [[ -n ${YORVANE_BIN:-} ]]; then
    # The built program, its documents and its layout, where the test user can read them.
    wayland_built=$(dirname "$YORVANE_BIN")
    cp "$YORVANE_BIN" "$wayland_built/yorvane-program.so" "$wayland_built/Yorvane.txt" "$wayland_built/録画が、終りました.wav" \
      "$wayland_built/layout.sh" "$wayland_shared/"
    wayland_env+=(YORVANE_BIN="$wayland_shared/$(basename "$YORVANE_BIN")")
  fi
  for wayland_tool in YORVANE_WM_CLOSE YORVANE_KWIN_POINTER; do
    [[ -n ${!wayland_tool:-} ]] || continue
    cp "${!wayland_tool}" "$wayland_shared/"
    wayland_env+=("$wayland_tool=$wayland_shared/$(basename "${!wayland_tool}")")
  done
  # The test and measurement scripts too, laid out as in the checkout, which
  # may lie in a home the user cannot enter.
  wayland_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  wayland_script=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
  for wayland_dir in tests/e2e bench; do
    mkdir -p "$wayland_shared/$wayland_dir"
    cp "$wayland_root/$wayland_dir"/*.sh "$wayland_shared/$wayland_dir/"
  done
  chmod -R a+rX "$wayland_shared"
  cd "$wayland_shared" || exit
  wayland_status=0
  runuser -u "$WAYLAND_TEST_USER" -- env -i "${wayland_env[@]}" \
    bash "$wayland_shared/${wayland_script#"$wayland_root"/}" "$@" || wayland_status=$?
  exit "$wayland_status"
fi

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
trap 'e2e_cleanup; remove_x_leftovers' EXIT

# GNOME Shell (mutter 43) often crashes as it ends, leaving the lock files and
# sockets of its X displays in /tmp: those whose lock names its process go.
WAYLAND_SHELL_PID=
remove_x_leftovers() {
  local lock number
  [[ -n $WAYLAND_SHELL_PID ]] || return 0
  for lock in /tmp/.X*-lock; do
    [[ -O $lock && $(tr -d ' ' <"$lock") == "$WAYLAND_SHELL_PID" ]] || continue
    number=${lock#/tmp/.X}
    rm -f "$lock" "/tmp/.X11-unix/X${number%-lock}"
  done
}

# wayland_session DESKTOP BACKEND...: the runtime folder, the portal's backends
# (those in /usr/share/xdg-desktop-portal/portals named BACKEND.portal) and a
# running pipewire, for a compositor started next.
wayland_session() {
  export XDG_CURRENT_DESKTOP=$1 XDG_SESSION_TYPE=wayland
  shift
  # GTK's backend would otherwise start the accessibility bus, which at times
  # kept it from answering.
  export NO_AT_BRIDGE=1
  # The named backends only (the portal offers no Screenshot interface without
  # GTK's Access): another installed one, such as KDE's, would be started too
  # and can keep the portal from answering for seconds.
  export XDG_DESKTOP_PORTAL_DIR=$E2E_TMP/portals
  mkdir "$XDG_DESKTOP_PORTAL_DIR"
  local backend
  for backend in "$@"; do
    cp "/usr/share/xdg-desktop-portal/portals/$backend.portal" "$XDG_DESKTOP_PORTAL_DIR/"
  done
  pipewire >"$E2E_TMP/pipewire.log" 2>&1 &
  E2E_PIDS+=($!)
  # Started at the same time, pipewire and the portal can wait on each other for
  # half a minute (pipewire asks the portal for real-time scheduling, the portal
  # connects to pipewire): pipewire first, until it serves clients.
  wait_until 10 "pipewire" pw-cli info 0
}

# wait_for_portal BACKEND...: waits until the screenshot portal answers, with
# the portal's backends started first, each on its own: started by the portal
# while it sets itself up, they at times left it waiting 25 s for an answer.
wait_for_portal() {
  local started=${EPOCHREALTIME/./} version backend service
  for backend in "$@"; do
    service=org.freedesktop.impl.portal.desktop.$backend
    gdbus call --session --timeout 20 --dest "$service" --object-path /org/freedesktop/portal/desktop \
      --method org.freedesktop.DBus.Peer.Ping >/dev/null || e2e_fail "the portal backend $service does not start"
  done
  version=$(portal_version) || e2e_fail "the screenshot portal does not answer"
  e2e_log "$XDG_CURRENT_DESKTOP on $WAYLAND_DISPLAY, XWayland on $DISPLAY, screenshot portal version" \
    "$version ready after $(((${EPOCHREALTIME/./} - started) / 1000)) ms"
}

# start_sway OUTPUTS PICTURE: a headless sway whose outputs show PICTURE, with
# XWayland and floating windows (as on GNOME); OUTPUTS is a comma-separated
# list of resolutions, each with its scale after an @ (1280x720@1,2560x1440@2),
# placed left to right as HEADLESS-1, HEADLESS-2, ... Exports WAYLAND_DISPLAY,
# DISPLAY and SWAYSOCK, and waits until the screenshot portal answers. The
# portal's wlroots backend needs a running pipewire.
start_sway() {
  local output outputs=() x=0 n=0 size scale
  IFS=, read -r -a outputs <<<"$1"
  export WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_HEADLESS_OUTPUTS=${#outputs[@]}
  wayland_session sway wlr gtk
  for output in "${outputs[@]}"; do
    size=${output%@*} scale=1
    [[ $output != *@* ]] || scale=${output#*@}
    n=$((n + 1))
    echo "output HEADLESS-$n resolution $size scale $scale position $x 0 bg $2 stretch"
    x=$((x + $(awk -v w="${size%x*}" -v s="$scale" 'BEGIN { printf "%d", w / s + 0.5 }')))
  done >"$E2E_TMP/sway.config"
  # The portal is started by D-Bus activation: the session's variables must
  # reach the bus before anything asks for it.
  cat >>"$E2E_TMP/sway.config" <<CONFIG
xwayland enable
for_window [shell="xwayland"] floating enable
exec dbus-update-activation-environment WAYLAND_DISPLAY DISPLAY XDG_CURRENT_DESKTOP XDG_RUNTIME_DIR XDG_SESSION_TYPE SWAYSOCK XDG_DESKTOP_PORTAL_DIR NO_AT_BRIDGE && echo "\$WAYLAND_DISPLAY \$DISPLAY \$SWAYSOCK" >$E2E_TMP/sway.env
CONFIG
  sway --config "$E2E_TMP/sway.config" >"$E2E_TMP/sway.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_until 30 "sway to start XWayland" test -s "$E2E_TMP/sway.env"
  read -r WAYLAND_DISPLAY DISPLAY SWAYSOCK <"$E2E_TMP/sway.env"
  export WAYLAND_DISPLAY DISPLAY SWAYSOCK
  wait_until 15 "XWayland on $DISPLAY" x_ready
  wait_for_portal wlr gtk
}

# start_gnome_shell WIDTHxHEIGHT [SCALE]: a headless GNOME Shell with one
# monitor of that resolution at that scale (fractional scales with mutter's
# experimental scaled framebuffers, which make XWayland's screen logical),
# XWayland and WirePlumber, in a home of its own (GNOME's portal writes its
# pictures in it); exports HOME, WAYLAND_DISPLAY, DISPLAY and XAUTHORITY, and
# waits until the screenshot portal answers. The shell starts in its overview.
start_gnome_shell() {
  local scale=${2:-1}
  export HOME=$E2E_TMP/home
  # The notice that the screen cannot be locked, shown once per home, would stay
  # on the screen.
  mkdir -p "$HOME/.local/share/gnome-shell" "$HOME/.config" "$HOME/画像"
  touch "$HOME/.local/share/gnome-shell/lock-warning-shown"
  # The pictures folder as a Japanese desktop names it, where the portal writes.
  echo "XDG_PICTURES_DIR=\"$HOME/画像\"" >"$HOME/.config/user-dirs.dirs"
  # The shell ends at once without a system bus; one of its own leaves the
  # machine's alone.
  start_private_bus system
  export DBUS_SYSTEM_BUS_ADDRESS=$E2E_BUS_ADDRESS
  wayland_session GNOME gnome gtk
  # The shell starts the permission store at once: the services it starts
  # through the bus must see this home and this system bus from the first.
  dbus-update-activation-environment HOME DBUS_SYSTEM_BUS_ADDRESS XDG_CURRENT_DESKTOP \
    XDG_RUNTIME_DIR XDG_SESSION_TYPE XDG_DESKTOP_PORTAL_DIR NO_AT_BRIDGE
  # Read by the shell as it starts, and only then.
  [[ $scale == *.* ]] &&
    gsettings set org.gnome.mutter experimental-features "['scale-monitor-framebuffer']"
  local log=$E2E_TMP/gnome-shell.log attempt
  E2E_FAIL_LOG=$log
  # GNOME Shell 43 at times hangs as it starts on a loaded machine: a child it
  # forks blocks before it runs anything, and the shell waits for it for ever,
  # with XWayland accepting connections it never serves. A shell that does not
  # come up in time is started again.
  for attempt in 1 2 3; do
    gnome-shell --headless --wayland --virtual-monitor "$1" >"$log" 2>&1 &
    WAYLAND_SHELL_PID=$!
    E2E_PIDS+=("$WAYLAND_SHELL_PID")
    if gnome_shell_serves_x "$log"; then break; fi
    ((attempt < 3)) || e2e_fail "GNOME Shell did not start XWayland in three tries"
    e2e_log "GNOME Shell hung as it started (try $attempt): starting it again"
    pkill -KILL -P "$WAYLAND_SHELL_PID" || true
    end_processes "$WAYLAND_SHELL_PID"
    remove_x_leftovers
  done
  dbus-update-activation-environment WAYLAND_DISPLAY DISPLAY XAUTHORITY
  [[ $scale == 1 ]] || gnome_monitor_scale "$scale"
  wait_for_portal gnome gtk
  E2E_FAIL_LOG=
  # The session manager, as on every GNOME desktop: it links a screen cast's
  # stream to the shell's node, which else never sends a frame.
  wireplumber >"$E2E_TMP/wireplumber.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_until 10 "wireplumber" bash -c 'pw-cli ls Client | grep -qi wireplumber'
}

# gnome_shell_serves_x LOG: waits until the shell started by start_gnome_shell
# names its XWayland display in LOG and that display answers; exports DISPLAY,
# WAYLAND_DISPLAY and XAUTHORITY. False when it does not in time.
gnome_shell_serves_x() {
  poll_until 60 grep -q 'Using public X11 display' "$1" || return 1
  DISPLAY=$(sed -nE 's/.*Using public X11 display (:[0-9]+),.*/\1/p' "$1")
  WAYLAND_DISPLAY=$(sed -nE "s/.*Using Wayland display name '([^']+)'.*/\1/p" "$1")
  XAUTHORITY=$(ls -t "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* | head -n 1)
  export DISPLAY WAYLAND_DISPLAY XAUTHORITY
  poll_until 20 x_ready
}

# gnome_monitor_scale SCALE: the shell's one monitor at the scale it offers
# nearest to SCALE, for the rest of the session, as the display settings set
# it; waits until XWayland's screen has taken it.
gnome_monitor_scale() {
  local before
  before=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
  /usr/bin/python3 - "$1" <<'PYTHON' || e2e_fail "GNOME Shell took no scale $1"
import sys
from gi.repository import Gio, GLib
bus = Gio.bus_get_sync(Gio.BusType.SESSION)
def call(method, arguments, reply):
    return bus.call_sync("org.gnome.Mutter.DisplayConfig", "/org/gnome/Mutter/DisplayConfig",
                         "org.gnome.Mutter.DisplayConfig", method, arguments,
                         GLib.VariantType(reply), 0, 20000, None).unpack()
serial, monitors, _, _ = call("GetCurrentState", None, "(ua((ssss)a(siiddada{sv})a{sv})a(iiduba(ssss)a{sv})a{sv})")
connector = monitors[0][0][0]
mode = next(m for m in monitors[0][1] if m[6].get("is-current"))
scale = min(mode[5], key=lambda s: abs(s - float(sys.argv[1])))
call("ApplyMonitorsConfig", GLib.Variant("(uua(iiduba(ssa{sv}))a{sv})",
     (serial, 1, [(0, 0, scale, 0, True, [(connector, mode[0], {})])], {})), "()")
PYTHON
  # Scaled framebuffers shrink XWayland's screen to the logical size.
  [[ $1 != *.* ]] || wait_until 20 "XWayland's screen to be scaled" \
    bash -c "[[ \$(xdpyinfo | awk '/dimensions:/ { print \$2 }') != $before ]]"
}

# gnome_screenshot_answer yes|no: the user's answer to the screenshot portal's
# question, as GNOME stores it.
gnome_screenshot_answer() {
  gdbus call --session --dest org.freedesktop.impl.portal.PermissionStore \
    --object-path /org/freedesktop/impl/portal/PermissionStore \
    --method org.freedesktop.impl.portal.PermissionStore.SetPermission \
    screenshot true screenshot '' "['$1']" >/dev/null
}

# gnome_cast_leave_given: the leave to cast the shell's one monitor, as the
# user's "Remember this selection" leaves it in the permission store, and the
# program's copy of its restore token in the program's state folder.
gnome_cast_leave_given() {
  local token=6f1c2a52-3c39-4b7e-9d53-2f0b4c1e8a07 now_us=${EPOCHREALTIME/./}
  gdbus call --session --dest org.freedesktop.impl.portal.PermissionStore \
    --object-path /org/freedesktop/impl/portal/PermissionStore \
    --method org.freedesktop.impl.portal.PermissionStore.Set screencast true "$token" "{'': ['yes']}" \
    "<('GNOME', uint32 1, <(int64 $now_us, int64 $now_us, [(uint32 0, uint32 1, <'MetaVendor:MetaVirtualMonitor:0x00'>)])>)>" >/dev/null
  mkdir -p "$XDG_STATE_HOME/yorvane"
  echo "$token" >"$XDG_STATE_HOME/yorvane/screencast-restore-token"
}

# kwin_allow PROGRAM KEY=VALUE...: a desktop file in the home start_kwin uses,
# naming PROGRAM by its full path, with the given keys: KWin lets a program use
# its restricted interfaces, e.g.
# X-KDE-DBUS-Restricted-Interfaces=org.kde.KWin.ScreenShot2, when a desktop
# file names its executable so. Write it before start_kwin.
kwin_allow() {
  local program=$1 folder=$E2E_TMP/home/.local/share/applications
  shift
  mkdir -p "$folder"
  {
    printf '[Desktop Entry]\nType=Application\nName=%s\nNoDisplay=true\nExec=%s\n' \
      "$(basename "$program")" "$(realpath "$program")"
    printf '%s\n' "$@"
  } >"$folder/e2e-$(basename "$program").desktop"
}

# start_kwin WIDTHxHEIGHT [SCALE]: a headless KWin (KDE Plasma's compositor)
# with one virtual output of that logical size at that scale, drawn with
# OpenGL in software, and XWayland, in a home of its
# own (KDE's portal writes its pictures into its pictures folder, which must
# exist); exports HOME, WAYLAND_DISPLAY and DISPLAY, and waits until the
# screenshot portal answers.
start_kwin() {
  export HOME=$E2E_TMP/home
  mkdir -p "$HOME/.config" "$HOME/画像"
  echo "XDG_PICTURES_DIR=\"$HOME/画像\"" >"$HOME/.config/user-dirs.dirs"
  # KDE's backend serves Access as well: it needs no other.
  wayland_session KDE kde
  dbus-update-activation-environment HOME XDG_CURRENT_DESKTOP XDG_RUNTIME_DIR \
    XDG_SESSION_TYPE XDG_DESKTOP_PORTAL_DIR NO_AT_BRIDGE
  # kwin_wayland carries a file capability a container may not grant, so
  # starting it fails: a copy has none. Its own Qt platform plugin loads into a
  # program of that name only.
  mkdir "$E2E_TMP/kwin"
  cp "$(command -v kwin_wayland)" "$E2E_TMP/kwin/kwin_wayland"
  # KWin picks a free X display itself and starts this once XWayland is up.
  cat >"$E2E_TMP/kwin/started" <<SCRIPT
#!/bin/sh
echo "\$WAYLAND_DISPLAY \$DISPLAY" >"$E2E_TMP/kwin.env.part" && mv "$E2E_TMP/kwin.env.part" "$E2E_TMP/kwin.env"
SCRIPT
  chmod 755 "$E2E_TMP/kwin/started"
  # No lock screen, global shortcuts or activities: services the tests do not need.
  E2E_FAIL_LOG=$E2E_TMP/kwin.log
  "$E2E_TMP/kwin/kwin_wayland" --virtual --width "${1%x*}" --height "${1#*x}" --scale "${2:-1}" \
    --xwayland --no-lockscreen --no-global-shortcuts --no-kactivities --socket "wayland-yorvane-$$" \
    "$E2E_TMP/kwin/started" >"$E2E_FAIL_LOG" 2>&1 &
  WAYLAND_SHELL_PID=$!
  E2E_PIDS+=("$WAYLAND_SHELL_PID")
  wait_until 60 "KWin to start XWayland" test -s "$E2E_TMP/kwin.env"
  read -r WAYLAND_DISPLAY DISPLAY <"$E2E_TMP/kwin.env"
  export WAYLAND_DISPLAY DISPLAY
  wait_until 15 "XWayland on $DISPLAY" x_ready
  dbus-update-activation-environment WAYLAND_DISPLAY DISPLAY
  wait_for_portal kde
  E2E_FAIL_LOG=
  # KWin's screenshots, through its interface or its portal, need it to
  # composite with OpenGL; KWin 6 does so only on a render node (/dev/dri),
  # KWin 5 in software as well.
  if ! gdbus introspect --session --dest org.kde.KWin --object-path /org/kde/KWin/ScreenShot2 |
    grep -q org.kde.KWin.ScreenShot2; then
    echo "SKIP: KWin takes no screenshots here: it composites without OpenGL" \
      "(KWin 6 needs a render node, /dev/dri)" >&2
    exit "$WAYLAND_SKIP"
  fi
}

# portal_version: prints the version of the portal's screenshot interface,
# starting the portal if it is not running yet.
portal_version() {
  gdbus call --session --timeout 20 --dest org.freedesktop.portal.Desktop \
    --object-path /org/freedesktop/portal/desktop \
    --method org.freedesktop.DBus.Properties.Get org.freedesktop.portal.Screenshot version |
    sed -E 's/.*uint32 ([0-9]+).*/\1/'
}

# The title of the program's notice, at its first start on sway, that its
# window cannot stay above others.
WAYLAND_TOPMOST_NOTICE=常に手前には表示できません
# The title of the program's message, at its first series where the desktop
# gives it no screen cast (sway's portal without a GPU), that the series is
# taken with screenshots.
WAYLAND_NO_CAST_BOX=スクリーンキャストを使えません

# output_shows PICTURE: true when the compositor's output shows PICTURE exactly.
output_shows() {
  grab_screen "$E2E_TMP/output.png" && (($(pixels_differing "$1" "$E2E_TMP/output.png") == 0))
}

# expect_no_portal_files: fails naming the picture files the portal left behind:
# the one file of the wlroots backend, or the new Screenshot*.png that GNOME's
# and KDE's write into the pictures folder for each request.
expect_no_portal_files() {
  local left
  if [[ $WAYLAND_DESKTOP == sway ]]; then
    left=$(find /tmp -maxdepth 1 -name out.png -user "$(id -u)")
  else
    left=$(find "$HOME" -name 'Screenshot*.png')
  fi
  [[ -z $left ]] || e2e_fail "the portal's files were left behind: $left"
}

# portal_picture OUTPUT: a picture of the screen through the portal, asked for
# as the program asks (not interactive); the file the portal wrote is moved to
# OUTPUT. False when none came (KDE's portal loses one now and then), so that
# a polled check asks again.
portal_picture() {
  local written
  written=$(/usr/bin/python3 - <<'PYTHON'
import sys
from gi.repository import Gio, GLib
bus = Gio.bus_get_sync(Gio.BusType.SESSION)
token = "e2e%d" % GLib.random_int()
request = "/org/freedesktop/portal/desktop/request/%s/%s" % (
    bus.get_unique_name()[1:].replace(".", "_"), token)
loop = GLib.MainLoop()
answer = []
def respond(_bus, _sender, _path, _interface, _signal, parameters):
    answer.extend(parameters.unpack())
    loop.quit()
bus.signal_subscribe(None, "org.freedesktop.portal.Request", "Response", request, None, 0, respond)
bus.call_sync("org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
              "org.freedesktop.portal.Screenshot", "Screenshot",
              GLib.Variant("(sa{sv})", ("", {"handle_token": GLib.Variant("s", token),
                                             "interactive": GLib.Variant("b", False)})),
              None, 0, 20000, None)
GLib.timeout_add_seconds(20, loop.quit)
loop.run()
if not answer or answer[0] != 0:
    sys.exit("no picture from the portal: %s" % (answer or "no answer"))
print(Gio.File.new_for_uri(answer[1]["uri"]).get_path())
PYTHON
  ) || return 1
  mv "$written" "$1"
}

# XWayland's root window is black: the tests read the screen through the
# compositor, with grim on sway and through the portal on GNOME and KDE.
if [[ $WAYLAND_DESKTOP == sway ]]; then
  grab_screen() { grim "$1"; }
else
  grab_screen() { portal_picture "$1"; }
fi
