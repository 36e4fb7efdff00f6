#!/usr/bin/env bash
# The road of a one-shot: every function of the program entered from a click
# on the one-shot button to the number shown after the save, recorded with
# uftrace on Xvfb (640x480, delay 0.2 s). The views' repaints are left out.
# Prints each function once, in the order first entered, with its file, then
# the counts. Needs uftrace and a build made with -pg; a Release build counts
# what the shipped program enters, a Debug build also every inline accessor:
#
#   cmake -S . -B build/road -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS=-pg \
#     -DYORVANE_BUILD_TESTS=ON
#   ninja -C build/road yorvane yorvane-program.so yorvane_wm_close
#   bench/one_shot_road.sh build/road
set -euo pipefail
build=$(cd "${1:?the build tree, made with -pg}" && pwd)
src=$(cd "$(dirname "$0")/../src" && pwd)
export YORVANE_BIN=$build/yorvane YORVANE_WM_CLOSE=$build/tests/e2e/yorvane_wm_close
source "$(dirname "$0")/../tests/e2e/lib.sh"

start_xvfb 640x480
paint_noise 640x480 >/dev/null
app=$(make_app_folder "$E2E_TMP/app")
mkdir "$app/BMP"
printf '1,"0",1,0,0,0\r\n' >"$app/setutei"
# A -pg program writes its gmon.out where it runs.
cd "$E2E_TMP"
start_command uftrace record -d "$E2E_TMP/trace" "$app/yorvane"
window=$(wait_for_window Yorvane 20)
# Past the start-up's own work (the screen copy's preparation), which is no part of the road.
sleep 3
pointer_to_control "$window" one_shot_button
xdotool click 1
wait_for_file "$app/BMP/壁紙- 1.bmp" 20
close_program 20 || true

# The views' repaints and their following of the model are left out, with all
# they call: a line's indent is its depth in the call tree.
uftrace replay -d "$E2E_TMP/trace" --no-pager -f none 2>/dev/null |
  awk -v views='::paintEvent\\(|WindowView::|ControlView::(eventFilter|sync)\\(|Window::changed\\(' '
       { match($0, /^ */); depth = RLENGTH }
       hiding { if (depth == hiddenAt && /^ *\}/) hiding = 0; next }
       $0 ~ views { if (/\{$/) { hiding = 1; hiddenAt = depth }; next }
       /yorvane::ControlView::userClicked\(\) \{/ { on = 1 }
       on && /PictureStore::showNumber\(\) \{/ { shown = 1 }
       on { print } shown && /Control::setCaption\(\)/ { exit }
       # Unmarked, the road would run on to the end of the trace: no figure then.
       END { if (!shown) { print "no PictureStore::showNumber (inlined?)" > "/dev/stderr"; exit 1 } }' |
  sed -nE 's/^ *(yorvane::[^ ]*)\(\) ?(\{|;)$/\1/p' >"$E2E_TMP/calls"
awk '!seen[$0]++' "$E2E_TMP/calls" | while read -r function; do
  # The file that defines it: a definition starts its line in a .cpp; else the class's header.
  name=$(sed -E 's/::cxx11$//; s/::\$_[0-9]+::operator$//; s/^yorvane::((_GLOBAL__N_1|posix|settings)::)*//' <<<"$function")
  file=$({ grep -rlE "^([^ #/].*[ *&:])?$name\(" "$src" --include=*.cpp ||
    grep -rlE "^(class|struct) ${name%%::*}\b" "$src" --include=*.h ||
    grep -rlE "\b${name##*::}\(" "$src" --include=*.h || true; } | head -1)
  printf '%s  %s\n' "$function" "${file#"$src"/}"
done | tee "$E2E_TMP/road"
echo "$(wc -l <"$E2E_TMP/calls") calls, $(wc -l <"$E2E_TMP/road") functions," \
  "$(awk '{ print $2 }' "$E2E_TMP/road" | sort -u | wc -l) files"
