#!/usr/bin/env bash
# Checks the formatting, then builds and runs every test: the unit tests in an
# AddressSanitizer + UndefinedBehaviorSanitizer build, the Qt view tests and the
# end-to-end tests against a normal build of the program. Both builds treat
# warnings as errors. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/common.sh"

ensure_packages "${YORVANE_TEST_PACKAGES[@]}"
asan_dir=$YORVANE_ROOT/build/test-asan
release_dir=$YORVANE_ROOT/build/test-release

echo "== formatting, the project's .clang-format"
mapfile -t sources < <(cd "$YORVANE_ROOT" && find src tests bench data -name '*.cpp' -o -name '*.h' | sort)
(cd "$YORVANE_ROOT" && clang-format --dry-run --Werror "${sources[@]}")

echo "== includes, each folder's headers named with their folder"
"$YORVANE_ROOT/scripts/check_includes.sh"

echo "== unit tests and the settings fuzzer, sanitized clang build"
CC=clang CXX=clang++ configure "$asan_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYORVANE_SANITIZE=ON \
  -DYORVANE_WERROR=ON -DYORVANE_BUILD_APP=OFF -DYORVANE_BUILD_TESTS=ON -DYORVANE_BUILD_FUZZER=ON
build "$asan_dir"
(cd "$asan_dir" && ctest --no-tests=error --output-on-failure -j "$YORVANE_JOBS")

echo "== Qt view tests and end-to-end tests, release build"
# The logic's unit tests already ran above; here the Qt side and the whole program.
configure "$release_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYORVANE_WERROR=ON \
  -DYORVANE_BUILD_TESTS=ON -DYORVANE_BUILD_BENCH=ON
# Every benchmark program is built too, so none falls behind the code it measures.
build "$release_dir" yorvane yorvane_wm_close yorvane_kwin_pointer yorvane_qt_tests yorvane_bench \
  yorvane_grab_methods yorvane_first_copy yorvane_start_time yorvane_capture_timing \
  yorvane_hide_settle yorvane_screen_copy_timing yorvane_screen_clock
(cd "$release_dir" && ctest --no-tests=error --output-on-failure -L '^(qt|e2e)$')
