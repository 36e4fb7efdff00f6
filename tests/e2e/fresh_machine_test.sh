#!/usr/bin/env bash
# A new user on a fresh Debian 12 (bookworm) or 13 (trixie), the first argument:
# in a debootstrap root with nothing but the base system and sudo, an ordinary
# user who may use sudo runs the README's first command, scripts/run.sh, on this
# source tree. It must install what is missing through sudo, build the program
# and, with no display, show the demonstration, whose picture must be a
# screen-sized BMP. Needs root (or sudo without a password) for debootstrap and
# chroot, and the Debian mirror the machine's apt uses; the base root is kept in
# the build tree for the next run.
# e2e-variants: bookworm trixie
# e2e-timeout: 1200
set -euo pipefail
suite=${1:?bookworm or trixie}
source "$(dirname "$0")/lib.sh"

skip() {
  echo "SKIP: $*"
  exit 77
}
if ((EUID == 0)); then
  as_root=()
elif sudo -n true 2>/dev/null; then
  as_root=(sudo -n)
else
  skip "a fresh root needs root, or sudo without a password"
fi
# An ordinary user's PATH lacks the system folders these live in.
PATH=$PATH:/usr/local/sbin:/usr/sbin:/sbin
for tool in debootstrap unshare chroot git; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
# The root runs in namespaces of its own, as clean_root_test.sh makes them;
# inside a container or a chroot the machine may not allow them.
refusal=$("${as_root[@]}" unshare --mount --ipc --pid --fork --propagation private chroot / true 2>&1) ||
  skip "this machine cannot make a mount namespace and a chroot here: $refusal"
source_tree=$(cd "$(dirname "$0")/../.." && pwd)
git -C "$source_tree" rev-parse --git-dir >/dev/null 2>&1 || skip "the source tree is not a git checkout"
# The tracked files as they are now, edits included.
commit=$(git -C "$source_tree" -c user.name=yorvane-e2e -c user.email=e2e@localhost stash create)
commit=${commit:-$(git -C "$source_tree" rev-parse HEAD)}

root=$E2E_TMP/root
trap '"${as_root[@]}" rm -rf "$root"; e2e_cleanup' EXIT
status=0
"${as_root[@]}" env YORVANE_CLEAN_ROOT="$root" \
  YORVANE_CLEAN_BASE="${YORVANE_BUILD_DIR:?the build tree}/fresh-$suite.tar" \
  YORVANE_APT_CACHE=/var/cache/apt/archives YORVANE_CLEAN_AS=user YORVANE_CLEAN_SCRIPTS=run.sh \
  "$source_tree/scripts/clean_root_test.sh" --suite "$suite" "$commit" >"$E2E_TMP/run.log" 2>&1 || status=$?
log=$root.user.log
((status == 0)) || e2e_fail "scripts/run.sh failed in the fresh root ($status): $(tail -n 20 "$E2E_TMP/run.log")"
grep -q '^== installing .* with sudo apt-get$' "$log" ||
  e2e_fail "the user's run did not say it installs through sudo: $(head -n 20 "$log")"
grep -q '^== the demonstration saved: /tmp/yorvane-demo/BMP/壁紙- 1.bmp$' "$log" ||
  e2e_fail "the demonstration saved no picture: $(tail -n 20 "$log")"
picture="$root/tmp/yorvane-demo/BMP/壁紙- 1.bmp"
[[ $(identify -format '%m %wx%h' "$picture" 2>/dev/null) == "BMP 1280x720" ]] ||
  e2e_fail "the demonstration's picture is not a 1280x720 BMP"
e2e_log "fresh $suite root, ordinary user: $(sed -n 's/^== user: scripts.run.sh ended with //p' "$log")"
