#!/usr/bin/env bash
# Runs a command inside a headless Wayland session: sway at 1280x720 showing
# noise, XWayland, and the screenshot portal ready on the session bus (see
# tests/e2e/wayland_lib.sh; as root, as the ordinary user yorvane-e2e, so the
# command must be readable by that user). For measurements on Wayland:
#
#   bench/wayland_session.sh build-bench/bench/yorvane_hide_settle 10
set -euo pipefail
source "$(dirname "$0")/../tests/e2e/wayland_lib.sh"

noise=$E2E_TMP/noise.png
convert -size 1280x720 xc: -seed 5 +noise Random -depth 8 "$noise"
start_sway 1280x720 "$noise"
"$@"
