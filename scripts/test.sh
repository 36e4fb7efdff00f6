#!/usr/bin/env bash
# Checks the formatting, then builds and runs every test: the unit tests in an
# AddressSanitizer + UndefinedBehaviorSanitizer build, the Qt view tests and the
# end-to-end tests against a normal build of the program. Both builds treat
# warnings as errors. Says at its start who runs it and which desktops it tests,
# at its end how many tests passed, failed and were skipped, and why each skip.
# Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/common.sh"

use_utf8_locale
ensure_packages "${YORVANE_TEST_PACKAGES[@]}"
asan_dir=$YORVANE_ROOT/build/test-asan
release_dir=$YORVANE_ROOT/build/test-release

if ((EUID == 0)); then
  echo "== running as root"
else
  echo "== running as $(id -un), an ordinary user: what needs root goes through sudo"
fi
# Each desktop the end-to-end tests start, and the program that is it.
desktops=("X11 (Xvfb):Xvfb" "mutter on X11:mutter" "KWin on X11:kwin_x11" "Xfwm4:xfwm4"
  "Openbox:openbox" "sway on Wayland:sway" "GNOME Shell on Wayland:gnome-shell"
  "KDE Plasma's KWin on Wayland:kwin_wayland")
tested=() missing=()
for desktop in "${desktops[@]}"; do
  if command -v "${desktop#*:}" >/dev/null; then tested+=("${desktop%:*}"); else missing+=("${desktop%:*}"); fi
done
printf -v list '%s, ' "${tested[@]}"
echo "== desktops tested: ${list%, }"
if ((${#missing[@]} > 0)); then
  printf -v list '%s, ' "${missing[@]}"
  echo "== desktops not installed, whose tests skip: ${list%, }"
fi

# Test reports for the summary at the end, however the run ends.
reports=()
summarize() {
  ((${#reports[@]} == 0)) || python3 "$YORVANE_ROOT/scripts/test_summary.py" "${reports[@]}"
}
trap summarize EXIT
# run_tests BUILD_DIR NAME [CTEST_OPTION...]: runs the build's tests, reported as NAME.
run_tests() {
  local dir=$1 report=$1/$2.xml
  shift 2
  rm -f "$report"
  reports+=("$report")
  (cd "$dir" && ctest --no-tests=error --output-on-failure --output-junit "$report" "$@")
}

echo "== formatting, the project's .clang-format"
mapfile -t sources < <(cd "$YORVANE_ROOT" && find src tests bench data -name '*.cpp' -o -name '*.h' | sort)
(cd "$YORVANE_ROOT" && clang-format --dry-run --Werror "${sources[@]}")

echo "== includes, each folder's headers named with their folder"
"$YORVANE_ROOT/scripts/check_includes.sh"

echo "== unit tests and the settings fuzzer, sanitized clang build"
CC=clang CXX=clang++ configure "$asan_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYORVANE_SANITIZE=ON \
  -DYORVANE_WERROR=ON -DYORVANE_BUILD_APP=OFF -DYORVANE_BUILD_TESTS=ON -DYORVANE_BUILD_FUZZER=ON
build "$asan_dir"
run_tests "$asan_dir" "unit tests" -j "$YORVANE_JOBS"

echo "== Qt view tests and end-to-end tests, release build"
# The logic's unit tests already ran above; here the Qt side and the whole program.
configure "$release_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYORVANE_WERROR=ON \
  -DYORVANE_BUILD_TESTS=ON -DYORVANE_BUILD_BENCH=ON
# Every benchmark program is built too, so none falls behind the code it measures.
build "$release_dir" yorvane yorvane_wm_close yorvane_kwin_pointer yorvane_qt_tests yorvane_bench \
  yorvane_grab_methods yorvane_first_copy yorvane_start_time yorvane_capture_timing \
  yorvane_hide_settle yorvane_screen_copy_timing yorvane_screen_clock
run_tests "$release_dir" "Qt and end-to-end tests" -L '^(qt|e2e)$'
