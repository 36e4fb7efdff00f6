#!/bin/sh
# Runs the settings fuzzer for longer than the test command does.
#   tests/fuzz/run_long.sh [build-dir] [seconds] [more libFuzzer flags...]
# Build first:
#   CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
#     -DYORVANE_BUILD_APP=OFF -DYORVANE_BUILD_FUZZER=ON
#   cmake --build build-fuzz -j2 --target settings_fuzzer
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build-fuzz}
seconds=${2:-600}
[ $# -gt 0 ] && shift
[ $# -gt 0 ] && shift
fuzzer="$build/tests/fuzz/settings_fuzzer"
if [ ! -x "$fuzzer" ]; then
  echo "no fuzzer at $fuzzer; build it first (see the top of this script)" >&2
  exit 1
fi
corpus="$build/tests/fuzz/corpus"
artifacts="$build/tests/fuzz/artifacts"
mkdir -p "$corpus" "$artifacts"
# Every input writes the settings file twice with fsync; memory is faster than disk.
if [ -d /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
exec "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
  -dict="$here/settings.dict" -artifact_prefix="$artifacts/" "$@" "$corpus" "$here/seeds"
