#!/usr/bin/env bash
# The program on a Wayland session, on headless sway (variants portal and
# no_portal), on KDE Plasma's KWin (kde and kde_portal) and on GNOME Shell
# (gnome), with XWayland, which cannot read the screen. On sway the picture
# comes through the wlroots screenshot portal; on KWin through KWin's own
# screenshot interface where a desktop file names the program (kde), else
# through KDE's portal (kde_portal); on GNOME through its portal, and a
# series from its screen cast, the leave to use both given beforehand. A
# one-shot must save exactly the picture the desktop takes of its monitor,
# without the program's window, and leave no portal file behind; so must each
# picture of a series of five, whose offsets from their nominal times are
# printed; and the region picker's half-size snapshot and a region one-shot.
# A variant NAME@SCALE runs on a monitor of 1280x720 logical pixels at that
# scale (2560x1440 at 2, 1920x1080 at 1.5), where XWayland's screen is
# smaller than the monitor: the pictures must still be the monitor's own
# pixels, and a region the monitor's pixels the picker showed. With two sway
# outputs side by side (two_outputs), 1280x720 at scale 1 and 2560x1440 at 2,
# a one-shot is of the output XWayland calls primary, whole.
# On KWin the pointer stands over the desktop: the compositor shows it, the
# one-shot through KWin's interface leaves it out. A KDE portal that fails at
# once (its pictures folder is gone) is asked once more and no refusal is
# claimed. Without a portal on the bus no picture may be saved. sway ignores
# the always-on-top hint, which the program says in a notice at its first start.
# On sway a key bound to `yorvane --one-shot` takes a picture. Through a
# portal the series is taken with screenshots, and the program says so once
# the series is done: neither sway's portal nor KDE's casts the screen
# without a GPU.
# As root the script runs as an ordinary test user (see wayland_lib.sh).
# e2e-variants: portal no_portal kde kde_portal portal@2 portal@1.5 kde@2 kde@1.5 kde_portal@2 gnome@2 gnome@1.5 two_outputs
# e2e-timeout: 300
set -euo pipefail
variant=${1:?portal, no_portal, kde, kde_portal, gnome or two_outputs, with @SCALE}
scale=1
[[ $variant != *@* ]] || scale=${variant#*@}
route=${variant%@*}
case $route in
  kde*) WAYLAND_DESKTOP=kde ;;
  gnome) WAYLAND_DESKTOP=gnome ;;
esac
source "$(dirname "$0")/wayland_lib.sh"

app=$(prepared_app_folder)
# Delay 0.2, five pictures, no end sound, a series interval of 0.5 s; 2.0 s for
# KDE's portal, which takes about half a second a picture on an idle machine.
interval=(0 500)
[[ $route != kde_portal ]] || interval=(3 2000)
printf '1,"%d",1,0,0,0\r\n' "${interval[0]}" >"$app/setutei"
# in_pixels LOGICAL: logical pixels in the monitor's own.
in_pixels() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s + 0.5 }'; }
monitor=$(in_pixels 1280)x$(in_pixels 720)
# Noise in blocks of 2 x 2, so the picker's half-size snapshot of it is exact;
# larger where the monitor is scaled, so that it stays alike scaled.
noise=$(block_noise 1280x720 13 "$([[ $variant == "$route" ]] && echo 2 || echo 8)")
case $route in
  kde*)
    [[ $route != kde ]] ||
      kwin_allow "$app/yorvane" X-KDE-DBUS-Restricted-Interfaces=org.kde.KWin.ScreenShot2
    kwin_allow "${YORVANE_KWIN_POINTER:?}" X-KDE-Wayland-Interfaces=org_kde_kwin_fake_input
    start_kwin 1280x720 "$scale"
    ;;
  gnome)
    start_gnome_shell "$monitor" "$scale"
    gnome_screenshot_answer yes
    gnome_cast_leave_given
    # The desktop the pictures are of, as its background.
    for key in picture-uri picture-uri-dark; do
      gsettings set org.gnome.desktop.background "$key" "file://$noise"
    done
    gsettings set org.gnome.desktop.background picture-options stretched
    ;;
  two_outputs) start_sway 1280x720@1,2560x1440@2 "$noise" ;;
  *) start_sway "$monitor@$scale" "$noise" ;;
esac
if [[ $WAYLAND_DESKTOP == kde ]]; then
  # The desktop the pictures are of.
  feh --fullscreen "$noise" &
  E2E_PIDS+=($!)
fi
# comparable PICTURE OUTPUT: what a picture of the monitor must show alike: on
# GNOME all but its top bar, whose clock may turn over, and which shows that
# the screen is cast.
comparable() {
  if [[ $WAYLAND_DESKTOP == gnome ]]; then
    convert "$1" -crop "$(in_pixels 1280)x$(in_pixels 688)+0+$(in_pixels 32)" +repage "$2"
  else
    cp "$1" "$2"
  fi
}
# expect_monitor PICTURE: PICTURE must be the desktop's own picture of its monitor.
expect_monitor() {
  comparable "$1" "$E2E_TMP/comparable.png"
  expect_same_picture "$desktop" "$E2E_TMP/comparable.png"
}
if [[ $scale == 1 && $route != gnome* && $route != two_outputs ]]; then
  wait_until 20 "the output to show the picture" output_shows "$noise"
  reference=$noise
else
  # The desktop's own picture of its monitor, the noise scaled onto it.
  E2E_LAST_SCREEN=
  wait_until 30 "the desktop to settle" screen_settled
  reference=$E2E_LAST_SCREEN
fi
desktop=$E2E_TMP/desktop.png
comparable "$reference" "$desktop"
# The output at scale 2 of two, as the desktop pictures it, without the program's windows.
[[ $route != two_outputs ]] || grim -o HEADLESS-2 "$E2E_TMP/scale2.png"

if [[ $variant == no_portal ]]; then
  # A bus of its own with no service on it: no portal answers.
  start_private_bus session
  export DBUS_SESSION_BUS_ADDRESS=$E2E_BUS_ADDRESS
fi

expect_no_portal_files
start_program "$app"
window=$E2E_WINDOW
if [[ $WAYLAND_DESKTOP == sway ]]; then
  # sway does not keep windows above others: the program says so at its first
  # start, in a notice that waits for no answer, so the first click reaches the
  # window all the same.
  wait_for_window "$WAYLAND_TOPMOST_NOTICE" 10 >/dev/null
fi
# X pixels in the monitor's own: XWayland's screen is logical on most scaled
# monitors, physical on GNOME at a whole scale.
x_screen=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
x_half=$((${x_screen%x*} / 2))x$((${x_screen#*x} / 2))
x_scale=$(awk -v p="$(identify -format %w "$reference")" -v x="${x_screen%x*}" 'BEGIN { print p / x }')
if [[ $WAYLAND_DESKTOP == gnome ]]; then
  # The shell, in its overview, shows the window a while after it maps it.
  shows_window() {
    grab_screen "$E2E_TMP/shown.png" && comparable "$E2E_TMP/shown.png" "$E2E_TMP/shown.png" &&
      (($(pixels_differing "$desktop" "$E2E_TMP/shown.png") > 20000))
  }
  wait_until 30 "the desktop's picture to show the window" shows_window
fi
if [[ $route == kde ]]; then
  # KWin's own pointer clicks and then stands over the desktop, where the
  # compositor shows it.
  origin=$(window_origin "$window")
  read -r x y <<<"$(control_point one_shot_button)"
  "$YORVANE_KWIN_POINTER" 100 600 $((${origin% *} + x)) $((${origin#* } + y)) \
    >"$E2E_TMP/pointer.log" 2>&1 &
  pointer=$!
  E2E_PIDS+=("$pointer")
  wait_until 10 "KWin's pointer" grep -q ready "$E2E_TMP/pointer.log"
  pointer_shown() {
    grab_screen "$E2E_TMP/pointer.png" &&
      (($(pixels_differing "$reference" "$E2E_TMP/pointer.png") > 0))
  }
  wait_until 20 "KWin to show its pointer" pointer_shown
else
  click_control "$window" one_shot_button
fi
if [[ $route == two_outputs ]]; then
  # sway has no primary output: XWayland names one, the program's. The output
  # at scale 2, right of the other, is pictured whole at its own resolution.
  # The one at scale 1 the portal draws at twice its resolution beside the
  # other, smoothed: its own pixels are not in the picture, which is kept as
  # drawn, and said so. Each is tried as the primary one, in the order
  # XWayland gives.
  # primary_monitor: XWayland's line for the primary output; where none is
  # primary, for the first one, which the program then takes, as Qt does.
  primary_monitor() {
    xrandr --listmonitors | awk 'NR > 1 && !first { first = $0 } /\*/ { primary = $0 }
      END { print primary ? primary : first }'
  }
  expect_primary_pictured() {
    local picture="$app/BMP/壁紙- $1.bmp"
    wait_for_file "$picture" 20
    if [[ $(primary_monitor) == *+1280+0* ]]; then
      cp "$E2E_TMP/scale2.png" "$E2E_TMP/primary.png"
    else
      convert "$reference" -crop 2560x1440+0+0 +repage "$E2E_TMP/primary.png"
      grep -q 'not at its own resolution' "$E2E_TMP/program.log" ||
        e2e_fail "the program did not say the picture is not at the monitor's resolution"
    fi
    expect_same_picture "$E2E_TMP/primary.png" "$picture"
  }
  expect_primary_pictured 1
  xrandr --output "$(xrandr --listmonitors | awk -v p="$(primary_monitor)" 'NR > 1 && $0 != p { print $NF }')" --primary
  window=$(wait_for_window Yorvane 10)
  click_control "$window" one_shot_button
  expect_primary_pictured 2
  echo "one-shot of the primary one of two outputs at scales 1 and 2, each in turn: ok"
  exit 0
fi
if [[ $route != no_portal ]]; then
  picture="$app/BMP/壁紙- 1.bmp"
  wait_for_file "$picture" 20
  expect_monitor "$picture"
  expect_no_portal_files
  [[ $route != kde ]] || end_processes "$pointer"
  echo "one-shot on $WAYLAND_DESKTOP ($variant): ok"

  # The series button starts the series: a lead-in of 2700 ms, then one an interval.
  window=$(wait_for_window Yorvane 10)
  pressed_us=${EPOCHREALTIME/./}
  click_control "$window" series_button
  # The series ends when the window comes back. On a busy machine a copy may
  # take longer than the interval: a tick that finds it still out saves
  # nothing, and the program says so at the end.
  wait_for_file "$app/BMP/壁紙- 2.bmp" 15
  wait_for_window Yorvane 30 >/dev/null
  saved=$(($(picture_count) - 1))
  echo "picture  nominal ms  saved ms  offset ms"
  for ((n = 1; n <= saved; n++)); do
    picture="$app/BMP/壁紙- $((n + 1)).bmp"
    expect_monitor "$picture"
    saved_us=$(stat -c %.6Y "$picture")
    saved_ms=$(((${saved_us/./} - pressed_us) / 1000))
    nominal_ms=$((2700 + n * interval[1]))
    printf '%7d  %10d  %8d  %+9d\n' "$n" "$nominal_ms" "$saved_ms" $((saved_ms - nominal_ms))
    stretch=$((saved_ms - nominal_ms - ${stretch_from:=$((saved_ms - nominal_ms))}))
  done
  if [[ $route == *portal ]]; then
    # No screen cast here: said once, when the series is done.
    answer_box "$WAYLAND_NO_CAST_BOX"
  elif [[ $route == gnome ]]; then
    grep -q "from the desktop's screen cast" "$E2E_TMP/program.log" &&
      ! grep -qE 'screenshot instead|through screenshots' "$E2E_TMP/program.log" ||
      e2e_fail "not every picture came from the screen cast: $(cat "$E2E_TMP/program.log")"
  fi
  # A portal slower than the interval stretches the series or leaves ticks
  # without a picture: the program says so.
  if poll_until 3 window_shown 間隔を保てません; then
    answer_box 間隔を保てません
  elif ((saved < 5 || stretch > 400)); then
    e2e_fail "the series saved $saved of 5, stretched by $stretch ms, and the program did not say so"
  fi
  expect_no_portal_files
  echo "series of five on $WAYLAND_DESKTOP ($variant): $saved saved, ok"

  # sway tiles the main window when it is shown again after the series or the
  # picker, against its floating rule; GNOME and KDE keep it floating.
  float_windows() {
    [[ $WAYLAND_DESKTOP != sway ]] || swaymsg '[class="Yorvane"] floating enable' >/dev/null
  }
  float_windows
  # Partial mode, then the picker, which shows the snapshot at its client origin.
  click_control "$window" mode_box
  partial=$(main_window_size partial)
  # GNOME 48 places an X window in its logical pixels: at scale 2 its sides are even.
  even=$(((${partial%x*} + 1) / 2 * 2))x$(((${partial#*x} + 1) / 2 * 2))
  partial_size() {
    local size
    size=$(window_size "$window")
    [[ $size == "$partial" || ($route == gnome && $scale == 2 && $size == "$even") ]]
  }
  wait_until 10 "the window at its partial-mode size $partial" partial_size
  click_control "$window" picker_button partial
  # picker_shows_snapshot: the picker shows the monitor at half the size the
  # user sees it: exactly where X pixels are the monitor's, else alike (drawn
  # smaller for display). Read from the window itself, which XWayland keeps;
  # import holds the X server meanwhile, which a compositor that is also the
  # X window manager may wait on: it gets a few seconds.
  picker_shows_snapshot() {
    local similarity
    timeout 5 import -window "$window" "$E2E_TMP/picker.png" || return 1
    convert "$E2E_TMP/picker.png" -crop "$x_half+0+0" +repage "$E2E_TMP/shown.png"
    if [[ $variant == "$route" && $route != gnome ]]; then
      (($(pixels_differing "${noise%.png}-half.png" "$E2E_TMP/shown.png") == 0))
    else
      convert "$reference" -scale "$x_half!" "$E2E_TMP/half.png"
      similarity=$(compare -metric NCC "$E2E_TMP/half.png" "$E2E_TMP/shown.png" null: 2>&1) ||
        [[ $similarity =~ ^[0-9.]+$ ]] || return 1
      awk -v c="$similarity" 'BEGIN { exit !(c > 0.5) }'
    fi
  }
  wait_until 30 "the picker to show the half-size snapshot" picker_shows_snapshot
  a=30 b=20 c=130 d=90
  pick_region "$window" "$a" "$b" "$c" "$d"
  # Floating again, sway gives the window its last floating size: the controls
  # keep their place from its corner all the same.
  float_windows
  click_control "$window" one_shot_button
  picture="$app/BMP/壁紙- $((saved + 2)).bmp"
  wait_for_file "$picture" 15
  expect_region "$picture" "$reference" "$a" "$b" "$c" "$d" "$x_scale"
  expect_no_portal_files
  echo "region on $WAYLAND_DESKTOP ($variant): ok"
  if [[ $variant == kde_portal ]]; then
    # Without its pictures folder KDE's portal answers "cancelled" at once: the
    # program asks once more, then says it could not copy, not that it was refused.
    mv "$HOME/画像" "$HOME/画像.away"
    click_control "$window" one_shot_button
    wait_for_window 画面をコピーできません 30 >/dev/null
    grep -q 'portal failed at once twice' "$E2E_TMP/program.log" ||
      e2e_fail "no second request after a failure: $(cat "$E2E_TMP/program.log")"
    expect_pictures $((saved + 2))
    echo "a failing KDE portal is asked again, and no refusal is claimed: ok"
  elif [[ $variant == portal ]]; then
    # A key bound in sway to the command, pressed on the compositor's keyboard:
    # the running program takes the picture, here of the region.
    swaymsg "bindsym Ctrl+Alt+y exec $app/yorvane --one-shot" >/dev/null
    wtype -M ctrl -M alt y -m alt -m ctrl
    wait_for_file "$app/BMP/壁紙- $((saved + 3)).bmp" 15
    expect_region "$app/BMP/壁紙- $((saved + 3)).bmp" "$noise" "$a" "$b" "$c" "$d"
    echo "a key bound in sway takes the picture: ok"
  fi
else
  # The one-shot says in a box of its own that it could not copy the screen,
  # and saves nothing.
  wait_for_window_gone Yorvane
  box_shown() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$E2E_PROGRAM_PID"); do
      [[ $(xdotool getwindowname "$id") != Yorvane ]] && return 0
    done
    return 1
  }
  wait_until 20 "the message that the screen cannot be copied" box_shown
  program_running || e2e_fail "the program ended"
  (($(picture_count) == 0)) || e2e_fail "a picture was saved although the screen could not be copied"
  echo "one-shot on Wayland without a portal: a message, no picture, ok"
fi
