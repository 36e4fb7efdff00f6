#!/usr/bin/env bash
# A series of five pictures at 0.5 s on a real X server: five pictures that are
# the screen exactly, the main window hidden from the press until the last
# picture and back with it, and the end sound handed to xdg-open. Prints each
# picture's offset from its nominal time (lead-in 2700 ms, then every 500 ms).
set -euo pipefail
source "$(dirname "$0")/lib.sh"

readonly COUNT=5 INTERVAL_MS=500 LEAD_IN_MS=2700

# A stand-in for the desktop's opener, first on PATH, that notes when it was
# called and with what.
opener_log=$E2E_TMP/opened.log
mkdir "$E2E_TMP/bin"
cat >"$E2E_TMP/bin/xdg-open" <<EOF
#!/usr/bin/env bash
printf '%s %s\n' "\$EPOCHREALTIME" "\$1" >>"$opener_log"
EOF
chmod +x "$E2E_TMP/bin/xdg-open"
export PATH=$E2E_TMP/bin:$PATH

# Delay 0.2, interval element 0 ("0.5"), count item 1 ("5"), end sound on,
# last number 0, free aspect.
start_on_noise 640x480 7 '1,"0",1,1,0,0'

pressed_us=${EPOCHREALTIME/./}
click_control "$E2E_WINDOW" series_button
wait_for_window_gone Yorvane 2

# Until the last picture is saved the window must stay hidden. It is shown after
# that save, so the window is looked at before the file: a visible window with the
# last file still missing is a fault, never a race.
last="$E2E_APP/BMP/壁紙- $COUNT.bmp"
deadline_us=$((pressed_us + (LEAD_IN_MS + COUNT * INTERVAL_MS + 5000) * 1000))
while :; do
  visible=0
  window_shown Yorvane && visible=1
  [[ -e $last ]] && break
  ((visible == 0)) || e2e_fail "the main window came back before picture $COUNT"
  ((${EPOCHREALTIME/./} < deadline_us)) || e2e_fail "timed out waiting for $last"
  sleep 0.02
done
wait_for_window Yorvane 5 >/dev/null
back_us=${EPOCHREALTIME/./}

echo "picture  nominal ms  saved ms  offset ms"
for ((n = 1; n <= COUNT; n++)); do
  picture="$E2E_APP/BMP/壁紙- $n.bmp"
  wait_for_file "$picture" 5
  expect_same_picture "$E2E_NOISE" "$picture"
  saved_us=$(stat -c %.6Y "$picture")
  saved_us=${saved_us/./}
  nominal_ms=$((LEAD_IN_MS + n * INTERVAL_MS))
  saved_ms=$(((saved_us - pressed_us) / 1000))
  printf '%7d  %10d  %8d  %+9d\n' "$n" "$nominal_ms" "$saved_ms" $((saved_ms - nominal_ms))
  # Never before its time, and never a whole interval late.
  ((saved_ms >= nominal_ms - 20 && saved_ms < nominal_ms + INTERVAL_MS)) ||
    e2e_fail "picture $n saved at $saved_ms ms, nominal $nominal_ms ms"
done
[[ ! -e "$E2E_APP/BMP/壁紙- $((COUNT + 1)).bmp" ]] || e2e_fail "more than $COUNT pictures"
echo "window back at $(((back_us - pressed_us) / 1000)) ms (seen by polling)"

wait_for_file "$opener_log" 5
read -r opened_at opened_path <"$opener_log"
[[ $(wc -l <"$opener_log") == 1 ]] || e2e_fail "the opener ran more than once: $(cat "$opener_log")"
[[ $opened_path -ef "$E2E_APP/$E2E_CHIME_NAME" ]] || e2e_fail "the opener got $opened_path"
opened_us=${opened_at/./}
echo "end sound opened at $(((opened_us - pressed_us) / 1000)) ms"

close_program 10
[[ $E2E_PROGRAM_STATUS == 0 ]] || e2e_fail "the program ended with status $E2E_PROGRAM_STATUS"
grep -q "^1,\"0\",1,1,$COUNT," "$E2E_APP/setutei" || e2e_fail "settings: $(cat "$E2E_APP/setutei")"
echo "series capture: ok"
