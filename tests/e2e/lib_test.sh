#!/usr/bin/env bash
# The helpers every end-to-end test relies on: the virtual display really shows
# the painted picture, waits are bounded both ways, comparisons count pixels.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

start_xvfb 320x200
noise=$(paint_noise 320x200 7)
grab_screen "$E2E_TMP/screen.png"
expect_same_picture "$noise" "$E2E_TMP/screen.png"

convert "$noise" -fill red -draw 'point 10,10' -draw 'point 300,150' "$E2E_TMP/two.png"
[[ $(pixels_differing "$noise" "$E2E_TMP/two.png") == 2 ]] || e2e_fail "pixel count of two changed pixels"
if (expect_same_picture "$noise" "$E2E_TMP/two.png") 2>/dev/null; then
  e2e_fail "different pictures compared equal"
fi

if (wait_for_file "$E2E_TMP/never" 1) 2>/dev/null; then e2e_fail "wait for a missing file succeeded"; fi
(sleep 0.3 && echo written >"$E2E_TMP/later") &
wait_for_file "$E2E_TMP/later" 5
[[ $(<"$E2E_TMP/later") == written ]] || e2e_fail "file read before it was written"

if (wait_for_window "No such window" 1) 2>/dev/null; then e2e_fail "found a window that does not exist"; fi
echo "lib.sh helpers work"
