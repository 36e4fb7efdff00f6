# shellcheck shell=bash
# A headless Wayland session for a test or a measurement: sway with XWayland,
# pipewire and the screenshot portal with its wlroots backend, all on the
# calling script's own session bus. Source it first thing from a script that
# runs with `set -euo pipefail`: it exits with 77 (skip) when a tool is missing
# and, as root (sway refuses root), runs the script again as the ordinary user
# yorvane-e2e inside `dbus-run-session`, from a copy of the test scripts and
# with YORVANE_BIN and YORVANE_WM_CLOSE as copies the user can read. Then it
# sources lib.sh.

readonly WAYLAND_SKIP=77 WAYLAND_TEST_USER=yorvane-e2e

for wayland_tool in sway swaymsg grim gdbus pipewire pw-cli dbus-run-session fusermount \
  /usr/libexec/xdg-desktop-portal /usr/libexec/xdg-desktop-portal-wlr; do
  if ! command -v "$wayland_tool" >/dev/null; then
    echo "SKIP: $wayland_tool is not installed" >&2
    exit "$WAYLAND_SKIP"
  fi
done

if ((EUID == 0)); then
  if ! id "$WAYLAND_TEST_USER" >/dev/null 2>&1 && ! useradd --create-home "$WAYLAND_TEST_USER"; then
    echo "SKIP: cannot create the test user $WAYLAND_TEST_USER" >&2
    exit "$WAYLAND_SKIP"
  fi
  wayland_shared=$(mktemp -d "${TMPDIR:-/tmp}/yorvane-wayland.XXXXXX")
  trap 'rm -rf "$wayland_shared"' EXIT
  wayland_env=(PATH="$PATH" HOME="/home/$WAYLAND_TEST_USER" LANG=C.UTF-8)
  [[ -z ${E2E_KEEP_TMP:-} ]] || wayland_env+=(E2E_KEEP_TMP=1)
  if [[ -n ${YORVANE_BIN:-} ]]; then
    # The built program and its documents, where the test user can read them.
    wayland_built=$(dirname "$YORVANE_BIN")
    cp "$YORVANE_BIN" "$wayland_built/Yorvane.txt" "$wayland_built/録画が、終りました.wav" "$wayland_shared/"
    wayland_env+=(YORVANE_BIN="$wayland_shared/$(basename "$YORVANE_BIN")")
  fi
  if [[ -n ${YORVANE_WM_CLOSE:-} ]]; then
    cp "$YORVANE_WM_CLOSE" "$wayland_shared/"
    wayland_env+=(YORVANE_WM_CLOSE="$wayland_shared/$(basename "$YORVANE_WM_CLOSE")")
  fi
  # The test scripts too: the checkout may lie in a home the user cannot enter.
  mkdir "$wayland_shared/e2e"
  cp "$(dirname "$0")"/*.sh "$wayland_shared/e2e/"
  chmod -R a+rX "$wayland_shared"
  cd "$wayland_shared" || exit
  wayland_status=0
  runuser -u "$WAYLAND_TEST_USER" -- env -i "${wayland_env[@]}" \
    dbus-run-session -- bash "$wayland_shared/e2e/$(basename "$0")" "$@" || wayland_status=$?
  exit "$wayland_status"
fi

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# The portal's document store mounts a file system in the runtime folder,
# which must be unmounted before the folder can be removed.
trap 'fusermount -u "$E2E_TMP/runtime/doc" 2>/dev/null || true; e2e_cleanup' EXIT

# start_sway WIDTHxHEIGHT PICTURE: a headless sway whose one output shows PICTURE,
# with XWayland and floating windows (as on GNOME); exports WAYLAND_DISPLAY,
# DISPLAY and SWAYSOCK, and waits until the screenshot portal answers. The
# portal's wlroots backend needs a running pipewire.
start_sway() {
  export XDG_RUNTIME_DIR=$E2E_TMP/runtime XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland
  export WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1
  # GTK's backend would otherwise start the accessibility bus, which at times
  # kept it from answering.
  export NO_AT_BRIDGE=1
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  # The backends of wlroots and GTK only (the portal offers no Screenshot
  # interface without GTK's Access): another installed one, such as KDE's,
  # would be started too and can keep the portal from answering for seconds.
  export XDG_DESKTOP_PORTAL_DIR=$E2E_TMP/portals
  mkdir "$XDG_DESKTOP_PORTAL_DIR"
  cp /usr/share/xdg-desktop-portal/portals/{wlr,gtk}.portal "$XDG_DESKTOP_PORTAL_DIR/"
  # The portal is started by D-Bus activation: the session's variables must
  # reach the bus before anything asks for it.
  cat >"$E2E_TMP/sway.config" <<CONFIG
output HEADLESS-1 resolution $1 bg $2 stretch
xwayland enable
for_window [shell="xwayland"] floating enable
exec dbus-update-activation-environment WAYLAND_DISPLAY DISPLAY XDG_CURRENT_DESKTOP XDG_RUNTIME_DIR XDG_SESSION_TYPE SWAYSOCK XDG_DESKTOP_PORTAL_DIR NO_AT_BRIDGE && echo "\$WAYLAND_DISPLAY \$DISPLAY \$SWAYSOCK" >$E2E_TMP/sway.env
CONFIG
  pipewire >"$E2E_TMP/pipewire.log" 2>&1 &
  E2E_PIDS+=($!)
  # Started at the same time, pipewire and the portal can wait on each other for
  # half a minute (pipewire asks the portal for real-time scheduling, the portal
  # connects to pipewire): pipewire first, until it serves clients.
  wait_until 10 "pipewire" pw-cli info 0
  sway --config "$E2E_TMP/sway.config" >"$E2E_TMP/sway.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_until 30 "sway to start XWayland" test -s "$E2E_TMP/sway.env"
  read -r WAYLAND_DISPLAY DISPLAY SWAYSOCK <"$E2E_TMP/sway.env"
  export WAYLAND_DISPLAY DISPLAY SWAYSOCK
  wait_until 15 "XWayland on $DISPLAY" xdpyinfo
  local started=${EPOCHREALTIME/./} version service
  # The backends first, each on its own: started by the portal while it sets
  # itself up, they at times left it waiting 25 s for an answer.
  for service in org.freedesktop.impl.portal.desktop.wlr org.freedesktop.impl.portal.desktop.gtk; do
    gdbus call --session --timeout 20 --dest "$service" --object-path /org/freedesktop/portal/desktop \
      --method org.freedesktop.DBus.Peer.Ping >/dev/null || e2e_fail "the portal backend $service does not start"
  done
  version=$(portal_version) || e2e_fail "the screenshot portal does not answer"
  e2e_log "sway $1 on $WAYLAND_DISPLAY, XWayland on $DISPLAY, screenshot portal version" \
    "$version ready after $(((${EPOCHREALTIME/./} - started) / 1000)) ms"
}

# portal_version: prints the version of the portal's screenshot interface,
# starting the portal if it is not running yet.
portal_version() {
  gdbus call --session --timeout 20 --dest org.freedesktop.portal.Desktop \
    --object-path /org/freedesktop/portal/desktop \
    --method org.freedesktop.DBus.Properties.Get org.freedesktop.portal.Screenshot version |
    sed -E 's/.*uint32 ([0-9]+).*/\1/'
}

# output_shows PICTURE: true when the compositor's output shows PICTURE exactly.
output_shows() {
  grim "$E2E_TMP/output.png" && (($(pixels_differing "$1" "$E2E_TMP/output.png") == 0))
}
