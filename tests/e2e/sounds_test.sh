#!/usr/bin/env bash
# The sounds through a sound server: a PulseAudio server of the test's own with
# a null sink, whose monitor is recorded. The one-shot's save sound (the
# theme's camera shutter) and the series' end chime must be heard there, and
# the chime must not be handed to the opener.
#
# As root, PulseAudio runs in user mode (-n, no --system) when it gets a
# runtime folder and a home of its own; it warns that it is not meant for root
# and runs. Its socket allows anonymous clients, so no cookie has to be shared.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

# Peak level in dB above which a recording counts as heard.
readonly HEARD_DB=-40 RATE=48000

export HOME=$E2E_TMP/home
mkdir -p "$HOME"
unset PULSE_SERVER
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=yes \
  -L "module-null-sink sink_name=out" -L "module-native-protocol-unix auth-anonymous=1" \
  >"$E2E_TMP/pulseaudio.log" 2>&1 &
E2E_PIDS+=("$!")
wait_until 15 "the sound server" pactl info
pactl set-default-sink out

# record NAME: records the null sink's monitor as raw samples into
# $E2E_TMP/NAME.raw until stop_recording.
record() {
  E2E_RECORDING=$E2E_TMP/$1.raw
  parecord --raw --format=s16le --rate=$RATE --channels=1 --latency-msec=20 -d out.monitor \
    >"$E2E_RECORDING" &
  E2E_RECORDER_PID=$!
  E2E_PIDS+=("$E2E_RECORDER_PID")
}
stop_recording() {
  kill "$E2E_RECORDER_PID"
  wait "$E2E_RECORDER_PID" 2>/dev/null || true
}
# peak_db: the loudest sample recorded so far, in dB of full scale.
peak_db() {
  sox -t raw -r $RATE -e signed -b 16 -c 1 "$E2E_RECORDING" -n stats 2>&1 |
    awk '/^Pk lev dB/ { print $4 }'
}
heard() {
  local peak
  peak=$(peak_db)
  [[ $peak != -inf && -n $peak ]] && awk -v p="$peak" -v h=$HEARD_DB 'BEGIN { exit !(p > h) }'
}

# A stand-in for the desktop's opener that notes every call.
opener_log=$E2E_TMP/opened.log
stand_in_opener "$opener_log"

start_xvfb 640x480
# Delay 0.2, interval element 0 ("0.5"), count item 1 ("5"), end sound on.
app=$(prepared_app_folder '1,"0",1,1,0,0')
start_program "$app"
window=$E2E_WINDOW

record oneshot
heard && e2e_fail "the sink is not silent before the one-shot: $(peak_db) dB"
click_control "$window" one_shot_button
wait_for_file "$app/BMP/壁紙- 1.bmp" 10
wait_until 10 "the save sound" heard
e2e_log "save sound peak $(peak_db) dB"
stop_recording
window=$(wait_for_window Yorvane 10)

# The save sound off, so only the chime sounds during the series.
click_control "$window" save_sound_box
record series
click_control "$window" series_button
wait_for_file "$app/BMP/壁紙- 6.bmp" 10
wait_for_window Yorvane 10 >/dev/null
wait_until 10 "the end chime" heard
e2e_log "end chime peak $(peak_db) dB"
stop_recording
[[ ! -e $opener_log ]] || e2e_fail "the opener was called: $(<"$opener_log")"

close_program 10
[[ $E2E_PROGRAM_STATUS == 0 ]] || e2e_fail "the program ended with status $E2E_PROGRAM_STATUS"
echo "sounds: ok"
