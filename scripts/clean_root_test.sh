#!/usr/bin/env bash
# Runs the README's two commands on a fresh Debian 12 or 13: a debootstrap root
# (with sudo, as a desktop user has it) is unpacked from a pristine tarball, a
# clone of the given commit is put in, and scripts/run.sh (the demonstration on
# a virtual display) and scripts/test.sh run there as root and, in a second
# fresh root, as an ordinary user who may use sudo. Needs root on the host; the
# mounts live in a private mount namespace and end with the run.
#
# usage: scripts/clean_root_test.sh [--suite bookworm|trixie] [COMMIT]
#   (default: bookworm, HEAD)
# Environment: YORVANE_CLEAN_ROOT (default /work/chroot-SUITE), its base
# tarball YORVANE_CLEAN_BASE (default $YORVANE_CLEAN_ROOT.tar, made by
# debootstrap when missing), YORVANE_MIRROR (default: the Debian archive of this
# machine's own apt sources), YORVANE_CLEAN_AS (default "root user"),
# YORVANE_CLEAN_SCRIPTS (default "run.sh test.sh"), YORVANE_APT_CACHE (a host
# folder of downloaded .deb files that debootstrap and apt in the root share, so
# nothing is downloaded twice; the root's installed packages stay those of a
# fresh machine).
set -euo pipefail
source "$(dirname "$0")/common.sh"

suite=bookworm
if [[ ${1:-} == --suite ]]; then
  suite=${2:?--suite names a Debian release: bookworm or trixie}
  shift 2
fi
repo=$YORVANE_ROOT
commit=$(git -C "$repo" rev-parse --verify "${1:-HEAD}^{commit}")
root=${YORVANE_CLEAN_ROOT:-/work/chroot-$suite}
base=${YORVANE_CLEAN_BASE:-$root.tar}
mirror=${YORVANE_MIRROR:-$(apt_mirror)}
apt_cache=${YORVANE_APT_CACHE:-}
((EUID == 0)) || {
  echo "clean_root_test.sh needs root (debootstrap, chroot, mounts)" >&2
  exit 1
}

if [[ ! -s $base ]]; then
  [[ -n $mirror ]] || {
    echo "no Debian archive in this machine's apt sources: name one in YORVANE_MIRROR" >&2
    exit 1
  }
  echo "== making the base root $base of Debian $suite from $mirror"
  command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap
  rm -rf "$root"
  debootstrap --include=sudo ${apt_cache:+--cache-dir="$apt_cache"} "$suite" "$root" "$mirror"
  tar -C "$root" -cf "$base.part" . && mv "$base.part" "$base"
fi

# fresh_root: the base root unpacked again, name resolution from the host (sudo
# looks up the host name).
fresh_root() {
  rm -rf "$root"
  mkdir -p "$root"
  tar -C "$root" -xpf "$base"
  cp /etc/resolv.conf /etc/hosts "$root/etc/"
}

# in_root COMMAND: runs a bash command line in the root, with the kernel file
# systems a booted machine has, in mount, IPC and PID namespaces of its own.
in_root() {
  # shellcheck disable=SC2016 # the inner script expands its own arguments
  unshare --mount --ipc --pid --fork --propagation private bash -euc '
    root=$1 cache=$3
    mount -t proc proc "$root/proc"
    mount --bind /sys "$root/sys"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
    [[ -z $cache ]] || mount --bind "$cache" "$root/var/cache/apt/archives"
    exec chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
      TERM=dumb bash -euc "$2"' in_root "$root" "$1" "$apt_cache"
}

# run_as WHO: a fresh root, the commit cloned into WHO's home, the tests run by WHO.
run_as() {
  local who=$1 home=/root
  fresh_root
  if [[ $who != root ]]; then
    home=/home/$who
    in_root "useradd -m -s /bin/bash $who
      echo '$who ALL=(ALL) NOPASSWD: ALL' >/etc/sudoers.d/$who"
  fi
  git clone -q --no-checkout "$repo" "$root$home/yorvane"
  git -C "$root$home/yorvane" checkout -q --detach "$commit"
  in_root "chown -R $who: $home/yorvane"
  local script status=0
  for script in ${YORVANE_CLEAN_SCRIPTS:-run.sh test.sh}; do
    echo "== $who: scripts/$script at ${commit:0:12} in a fresh $root"
    local start=$SECONDS
    in_root "cd $home/yorvane && runuser -u $who -- env HOME=$home USER=$who scripts/$script" ||
      status=$?
    echo "== $who: scripts/$script ended with status $status after $((SECONDS - start)) s"
    ((status == 0)) || return "$status"
  done
}

failed=0
for who in ${YORVANE_CLEAN_AS:-root user}; do
  run_as "$who" 2>&1 | tee "$root.$who.log" || failed=1
done
exit "$failed"
