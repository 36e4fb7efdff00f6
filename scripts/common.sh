# shellcheck shell=bash
# Shared by run.sh and test.sh: the Debian packages the project needs, installed
# only when missing, and the CMake configure-and-build step.

YORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
YORVANE_JOBS=${YORVANE_JOBS:-$(nproc)}

# debian_codename: the release this machine runs (bookworm, trixie, ...).
debian_codename() {
  (
    # shellcheck disable=SC1091 # the machine's own file
    source /etc/os-release
    echo "${VERSION_CODENAME:-}"
  )
}

# imagemagick_extra_coders: ImageMagick's extra coders (its SVG reader), a package
# named after the library's version, ImageMagick 6 on Debian 12 and 7 on 13.
imagemagick_extra_coders() {
  case $(debian_codename) in
    bookworm) echo libmagickcore-6.q16-6-extra ;;
    *) echo libmagickcore-7.q16-10-extra ;;
  esac
}

# apt_mirror: the Debian archive this machine's apt takes its packages from: the
# address of the first source that serves the machine's own release, from
# /etc/apt/sources.list or the deb822 files in /etc/apt/sources.list.d.
apt_mirror() {
  local codename file
  codename=$(debian_codename)
  {
    [[ ! -f /etc/apt/sources.list ]] ||
      sed -nE "s|^deb +(\\[[^]]*\\] +)?(https?://[^ ]+) +$codename +.*|\\2|p" /etc/apt/sources.list
    for file in /etc/apt/sources.list.d/*.sources; do
      [[ ! -f $file ]] || awk -v suite="$codename" '/^URIs:/ { uri = $2 } /^$/ { uri = "" }
        /^Suites:/ && uri { for (i = 2; i <= NF; i++) if ($i == suite) print uri }' "$file"
    done
  } | head -n 1
}

# Build and run the program, and drive it on a virtual display; rsvg-convert
# renders the PNG icons from the SVG. libcanberra plays the sounds through the
# desktop's sound server (its PulseAudio driver), from the freedesktop sound
# theme. Qt's Linguist tools compile the English translation. On Wayland a
# series reads the desktop's screen cast through PipeWire, and the program
# asks the compositor for its monitors' resolutions (xdg-output). The demonstration
# runs on a session bus of its own.
YORVANE_RUN_PACKAGES=(cmake ninja-build pkg-config g++ qt6-base-dev qt6-svg-dev qt6-tools-dev
  qt6-l10n-tools libxcb1-dev libxcb-shm0-dev libxcb-randr0-dev libcanberra-dev libcanberra-pulse
  sound-theme-freedesktop librsvg2-bin xvfb xdotool imagemagick fonts-noto-cjk x11-utils
  libpipewire-0.3-dev libwayland-dev wayland-protocols dbus-daemon)
# Tests, benchmarks and the picture-reader checks on top of that: clang builds
# the sanitized unit tests with the libFuzzer target and clang-format checks the
# formatting; ImageMagick reads SVG through its extra coders; the desktop entry
# and the AppStream file have their validators; dpkg-dev works out the Debian
# package's library dependencies, on the programs CPack picks out with file.
# The window managers, monitor and scaling tools and the desktop picture setter
# serve the tests on real desktops; a PulseAudio server with a null sink, its
# recorder and sox hear the sounds; sway, its portal, pipewire, grim and wtype
# (keys pressed on the compositor's keyboard) the test on a Wayland session; GNOME Shell and its portal the test on GNOME, where
# Python's GObject bindings ask the portal for the reference picture and
# WirePlumber links the screen cast's stream; KWin,
# KDE's portal (whose dialogs need Plasma's workspace, and whose Qt 6 needs
# libxcb-cursor0 on XWayland) and the Wayland headers
# of KWin's fake input, for the pointer, the test on KDE Plasma; debootstrap
# makes the fresh Debian the first run is tried on, with the working tree as
# git records it.
# shellcheck disable=SC2034 # used by test.sh
YORVANE_TEST_PACKAGES=("${YORVANE_RUN_PACKAGES[@]}" libgtest-dev libbenchmark-dev ffmpeg
  libgdk-pixbuf2.0-bin clang libclang-rt-dev clang-format "$(imagemagick_extra_coders)"
  desktop-file-utils appstream dpkg-dev file
  mutter kwin-x11 kwin-style-breeze xfwm4 openbox feh x11-xserver-utils
  pulseaudio pulseaudio-utils sox
  sway xwayland grim wtype xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk pipewire
  dbus-user-session fuse3 libglib2.0-bin python3 gnome-shell xdg-desktop-portal-gnome python3-gi wireplumber
  kwin-wayland xdg-desktop-portal-kde plasma-workspace libxcb-cursor0 plasma-wayland-protocols
  debootstrap git)

# use_utf8_locale: a UTF-8 locale for this script's tools and what they start,
# whatever the caller's: a fresh Debian's login shell sets none, and in the
# POSIX locale tools mangle the project's Japanese file names and titles.
use_utf8_locale() {
  unset LANGUAGE "${!LC_@}"
  export LANG=C.UTF-8
}

# ensure_packages PACKAGE...: apt-get installs the packages that are not installed yet.
ensure_packages() {
  local package missing=()
  for package in "$@"; do
    if [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null) != "install ok installed" ]]; then
      missing+=("$package")
    fi
  done
  ((${#missing[@]} == 0)) && return 0
  if ((EUID == 0)); then
    echo "== installing ${missing[*]}"
  else
    echo "== installing ${missing[*]} with sudo apt-get"
  fi
  local apt=(env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
  apt_waiting_for_locks "${apt[@]}" update -qq
  apt_waiting_for_locks "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
}

# apt_waiting_for_locks APT...: runs an apt-get command as root; while another
# apt holds the lock of the lists or of the download cache (unattended upgrades
# after boot, another system sharing the cache), tries again for up to 10
# minutes. DPkg::Lock::Timeout covers dpkg's own lock only.
apt_waiting_for_locks() {
  local deadline=$((SECONDS + 600)) log status
  log=$(mktemp)
  while :; do
    status=0
    as_root "$@" </dev/null 2> >(tee "$log" >&2) || status=$?
    wait "$!"
    ((status != 0)) && grep -q 'Could not get lock' "$log" && ((SECONDS < deadline)) || break
    echo "== another apt holds its lock: trying again in 10 s"
    sleep 10
  done
  rm -f "$log"
  return "$status"
}

# as_root COMMAND...: runs COMMAND as root; an ordinary user goes through sudo.
as_root() {
  if ((EUID == 0)); then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    echo "== this step needs root, and sudo is not installed: run it as root" >&2
    return 1
  fi
}

# configure BUILD_DIR [CMAKE_OPTION...]: a Ninja build tree of the project.
configure() {
  local dir=$1
  shift
  cmake -S "$YORVANE_ROOT" -B "$dir" -G Ninja "$@"
}

# build BUILD_DIR [TARGET...]: builds the targets, or everything.
build() {
  local dir=$1
  shift
  cmake --build "$dir" -j "$YORVANE_JOBS" ${1:+--target "$@"}
}
