# shellcheck shell=bash
# Shared by run.sh and test.sh: the Debian packages the project needs, installed
# only when missing, and the CMake configure-and-build step.

YORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
YORVANE_JOBS=${YORVANE_JOBS:-$(nproc)}

# Build and run the program, and drive it on a virtual display.
# libcanberra plays the sounds through the desktop's sound server (its PulseAudio
# driver), from the freedesktop sound theme. Qt's Linguist tools compile the
# English translation.
YORVANE_RUN_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools libxcb1-dev
  libxcb-shm0-dev libxcb-randr0-dev libcanberra-dev libcanberra-pulse sound-theme-freedesktop
  xvfb xdotool imagemagick fonts-noto-cjk x11-utils)
# Tests, benchmarks and the picture-reader checks on top of that.
# shellcheck disable=SC2034 # used by test.sh
# clang builds the sanitized unit tests together with the libFuzzer target;
# clang-format checks the formatting.
# The window managers, monitor and scaling tools and the desktop picture setter
# serve the tests on real desktops; a PulseAudio server with a null sink, its
# recorder and sox hear the sounds; sway, its portal, pipewire and grim the test
# on a Wayland session.
YORVANE_TEST_PACKAGES=("${YORVANE_RUN_PACKAGES[@]}" libgtest-dev libbenchmark-dev ffmpeg
  libgdk-pixbuf2.0-bin clang libclang-rt-14-dev clang-format
  mutter kwin-x11 kwin-style-breeze xfwm4 openbox dbus-daemon feh x11-xserver-utils
  pulseaudio pulseaudio-utils sox
  sway xwayland grim xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk pipewire
  dbus-user-session fuse3 libglib2.0-bin)

# ensure_packages PACKAGE...: apt-get installs the packages that are not installed yet.
ensure_packages() {
  local package missing=()
  for package in "$@"; do
    if [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null) != "install ok installed" ]]; then
      missing+=("$package")
    fi
  done
  ((${#missing[@]} == 0)) && return 0
  echo "== installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
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
