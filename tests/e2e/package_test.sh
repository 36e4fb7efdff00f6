#!/usr/bin/env bash
# The Debian package: cpack makes it from the build tree, apt installs it with
# its dependencies, an ordinary user starts the installed `yorvane`, and the
# one-shot picture and the settings land in that user's ~/.local/share/Yorvane,
# not beside the program. apt removes the package again. Skips where apt or
# root is not at hand.
# e2e-timeout: 300
set -euo pipefail
source "$(dirname "$0")/lib.sh"

skip() {
  echo "SKIP: $*"
  exit 77
}
command -v apt-get >/dev/null || skip "no apt-get on this machine"
((EUID == 0)) || sudo -n true 2>/dev/null ||
  skip "installing a package needs root, or sudo without a password"
# as_root and apt_waiting_for_locks: apt goes on once another apt lets go of its lock.
source "$(dirname "$0")/../../scripts/common.sh"
[[ $(dpkg-query -W -f='${Status}' yorvane 2>/dev/null) != "install ok installed" ]] ||
  skip "yorvane is installed on this machine; the test would replace it"

cpack -G DEB --config "${YORVANE_BUILD_DIR:?the build tree}/CPackConfig.cmake" \
  -B "$E2E_TMP/package" >"$E2E_TMP/cpack.log" || e2e_fail "cpack: $(<"$E2E_TMP/cpack.log")"
deb=$(echo "$E2E_TMP"/package/yorvane_*.deb)
[[ -s $deb ]] || e2e_fail "cpack made no yorvane_*.deb"

apt=(apt_waiting_for_locks env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=120
  -y -qq)
remove_package() { "${apt[@]}" purge yorvane >/dev/null 2>&1 || true; }
trap 'remove_package; e2e_cleanup' EXIT
"${apt[@]}" install --no-install-recommends "$deb" >"$E2E_TMP/apt.log" 2>&1 ||
  e2e_fail "apt-get cannot install the package: $(tail -n 5 "$E2E_TMP/apt.log")"
grep -q '^MIT License' /usr/share/doc/yorvane/copyright || e2e_fail "the package carries no licence"

# The user's home; root plays the ordinary user as nobody.
home=$E2E_TMP/home
mkdir "$home"
as_user=()
if ((EUID == 0)); then
  chmod 711 "$E2E_TMP"
  chown nobody: "$home"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

# A first start opens the readme with xdg-open; a stand-in records the call.
stand_in_opener "$home/xdg-open.calls"

start_xvfb 640x480
noise=$(paint_noise 640x480)
start_command "${as_user[@]}" env -u XDG_DATA_HOME -u XDG_RUNTIME_DIR HOME="$home" \
  PATH="$E2E_TMP/bin:$PATH" /usr/bin/yorvane
wait_until 10 "the readme to be opened" test -s "$home/xdg-open.calls"
[[ $(<"$home/xdg-open.calls") == /usr/share/yorvane/Yorvane.txt ]] ||
  e2e_fail "the readme was opened as: $(<"$home/xdg-open.calls")"
click_control "$E2E_WINDOW" one_shot_button
data=$home/.local/share/Yorvane
wait_for_file "$data/BMP/壁紙- 1.bmp" 10
expect_same_picture "$noise" "$data/BMP/壁紙- 1.bmp"
wait_for_window Yorvane 10 >/dev/null
close_program 10
[[ -s $data/setutei ]] || e2e_fail "the settings are not in $data"
[[ ! -e /usr/bin/BMP && ! -e /usr/bin/setutei ]] || e2e_fail "the program wrote beside /usr/bin/yorvane"

remove_package
[[ ! -e /usr/bin/yorvane ]] || e2e_fail "apt-get purge left /usr/bin/yorvane"
echo "Debian package: ok"
