#!/usr/bin/env bash
# The program on a Wayland session: headless sway with XWayland and the
# screenshot portal of wlroots. Its windows live on XWayland, which cannot read
# the screen, so the picture comes through the portal: a one-shot must save
# exactly the picture the compositor shows, without the program's window, and
# leave no portal file behind. Without a portal on the bus no picture may be saved.
# sway refuses to run as root: as root the script runs itself again as an
# ordinary test user, inside a session bus of its own.
# e2e-variants: portal no_portal
set -euo pipefail
variant=${1:?portal or no_portal}
readonly SKIP=77 TEST_USER=yorvane-e2e

for tool in sway grim pipewire dbus-run-session /usr/libexec/xdg-desktop-portal-wlr; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" >&2; exit "$SKIP"; }
done

if ((EUID == 0)); then
  id "$TEST_USER" >/dev/null 2>&1 || useradd --create-home "$TEST_USER" ||
    { echo "SKIP: cannot create the test user $TEST_USER" >&2; exit "$SKIP"; }
  # The built program and its documents, where the test user can read them.
  shared=$(mktemp -d "${TMPDIR:-/tmp}/yorvane-wayland.XXXXXX")
  trap 'rm -rf "$shared"' EXIT
  built=$(dirname "${YORVANE_BIN:?YORVANE_BIN names the built program}")
  cp "$YORVANE_BIN" "$built/Yorvane.txt" "$built/録画が、終りました.wav" "$YORVANE_WM_CLOSE" "$shared/"
  chmod -R a+rX "$shared"
  status=0
  runuser -u "$TEST_USER" -- env -i PATH="$PATH" HOME="/home/$TEST_USER" LANG=C.UTF-8 \
    ${E2E_KEEP_TMP:+E2E_KEEP_TMP=1} \
    YORVANE_BIN="$shared/$(basename "$YORVANE_BIN")" \
    YORVANE_WM_CLOSE="$shared/$(basename "$YORVANE_WM_CLOSE")" \
    dbus-run-session -- bash "$0" "$@" || status=$?
  exit "$status"
fi

source "$(dirname "$0")/lib.sh"
# The portal's document store mounts a file system in the runtime folder,
# which must be unmounted before the folder can be removed.
trap 'fusermount -u "$E2E_TMP/runtime/doc" 2>/dev/null || true; e2e_cleanup' EXIT

# start_sway WIDTHxHEIGHT PICTURE: a headless sway whose one output shows PICTURE,
# with XWayland, on this script's session bus; exports WAYLAND_DISPLAY, DISPLAY
# and SWAYSOCK. The portal backend of wlroots needs a running pipewire.
start_sway() {
  export XDG_RUNTIME_DIR=$E2E_TMP/runtime XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland
  export WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  # The backends of wlroots and GTK only (the portal offers no Screenshot
  # interface without GTK's Access): another installed one, such as KDE's,
  # would be started too and can keep the portal from answering for seconds.
  export XDG_DESKTOP_PORTAL_DIR=$E2E_TMP/portals
  mkdir "$XDG_DESKTOP_PORTAL_DIR"
  cp /usr/share/xdg-desktop-portal/portals/{wlr,gtk}.portal "$XDG_DESKTOP_PORTAL_DIR/"
  cat >"$E2E_TMP/sway.config" <<CONFIG
output HEADLESS-1 resolution $1 bg $2 stretch
xwayland enable
for_window [class=".*"] floating enable
exec dbus-update-activation-environment WAYLAND_DISPLAY DISPLAY XDG_CURRENT_DESKTOP XDG_RUNTIME_DIR XDG_SESSION_TYPE SWAYSOCK XDG_DESKTOP_PORTAL_DIR && echo "\$WAYLAND_DISPLAY \$DISPLAY \$SWAYSOCK" >$E2E_TMP/sway.env
CONFIG
  pipewire >"$E2E_TMP/pipewire.log" 2>&1 &
  E2E_PIDS+=($!)
  sway --config "$E2E_TMP/sway.config" >"$E2E_TMP/sway.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_until 30 "sway to start XWayland" test -s "$E2E_TMP/sway.env"
  read -r WAYLAND_DISPLAY DISPLAY SWAYSOCK <"$E2E_TMP/sway.env"
  export WAYLAND_DISPLAY DISPLAY SWAYSOCK
  wait_until 15 "XWayland on $DISPLAY" xdpyinfo
  e2e_log "sway $1 on $WAYLAND_DISPLAY, XWayland on $DISPLAY"
}

# portal_version: prints the version of the portal's screenshot interface,
# starting the portal if it is not running yet.
portal_version() {
  gdbus call --session --timeout 20 --dest org.freedesktop.portal.Desktop \
    --object-path /org/freedesktop/portal/desktop \
    --method org.freedesktop.DBus.Properties.Get org.freedesktop.portal.Screenshot version |
    tr -dc 0-9
}

# output_shows PICTURE: true when the compositor's output shows PICTURE exactly.
output_shows() {
  grim "$E2E_TMP/output.png" && (($(pixels_differing "$1" "$E2E_TMP/output.png") == 0))
}

noise=$E2E_TMP/noise.png
convert -size 1280x720 xc: -seed 13 +noise Random -depth 8 "$noise"
start_sway 1280x720 "$noise"
wait_until 15 "the output to show the picture" output_shows "$noise"

if [[ $variant == portal ]]; then
  started=${EPOCHREALTIME/./}
  version=$(portal_version) || e2e_fail "the screenshot portal does not answer"
  e2e_log "screenshot portal version $version, ready after $(((${EPOCHREALTIME/./} - started) / 1000)) ms"
else
  # A bus of its own with no service on it: no portal answers.
  cat >"$E2E_TMP/empty-bus.conf" <<'CONFIG'
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/>
  </policy>
</busconfig>
CONFIG
  dbus-daemon --config-file="$E2E_TMP/empty-bus.conf" --print-address=3 --print-pid=4 --fork \
    3>"$E2E_TMP/bus.address" 4>"$E2E_TMP/bus.pid"
  E2E_PIDS+=("$(cat "$E2E_TMP/bus.pid")")
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$E2E_TMP/bus.address")
  export DBUS_SESSION_BUS_ADDRESS
fi

app=$(make_app_folder "$E2E_TMP/app")
mkdir "$app/BMP"
# The portal of wlroots writes its pictures to one fixed file.
portal_file=/tmp/out.png
[[ ! -e $portal_file ]] || e2e_fail "$portal_file is there before the test"
start_program "$app"
window=$E2E_WINDOW

click_twips "$window" "${E2E_COMMAND1[@]}"
if [[ $variant == portal ]]; then
  picture="$app/BMP/壁紙- 1.bmp"
  wait_for_file "$picture" 20
  expect_same_picture "$noise" "$picture"
  [[ ! -e $portal_file ]] || e2e_fail "the portal's file $portal_file was left behind"
  echo "one-shot on Wayland through the portal: ok"
else
  # The window comes back once the one-shot has ended, with nothing saved.
  wait_until 10 "the window to hide" bash -c "! xdotool search --onlyvisible --name '^Yorvane\$'"
  wait_for_window Yorvane 20 >/dev/null
  program_running || e2e_fail "the program ended"
  if (($(picture_count) > 0)); then
    # Until the capture steps look at copyScreen's result (issue 13), this is known.
    echo "SKIP: a picture was saved although the screen could not be copied" >&2
    exit "$SKIP"
  fi
  echo "one-shot on Wayland without a portal: no picture, ok"
fi
