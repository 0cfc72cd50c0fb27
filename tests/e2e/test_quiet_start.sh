#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A machine without a MIDI system (no ALSA sequencer, no JACK server): the program starts,
# plays and closes without a line on standard error, and ends with status 0. With
# --verbose the MIDI libraries' own complaints are shown.
source "$(dirname "$0")/lib.sh"

[ -e /dev/snd/seq ] && { echo "SKIP: this machine has an ALSA sequencer"; exit 0; }
# A server name nobody serves.
export JACK_DEFAULT_SERVER="moravel-nobody-$$"

start_display
start_sound
sign_in "Quiet"
# MIDI is looked for once the name prompt has shown; give it time, then play a little.
sleep 2
keys Delete
sleep 1.5
keys z Next
sleep 0.5
kill -0 "$APP_PID" 2>/dev/null || fail "the program died at start"
close_window "$WINDOW"
for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
status=0
wait "$APP_PID" || status=$?
APP_PID=""
[ "$status" -eq 0 ] || fail "the program ended with status $status: $(cat "$WORK/app.out")"
[ ! -s "$WORK/app.out" ] || fail "the program wrote to standard error or output: $(cat "$WORK/app.out")"

# Asked to, it tells what the MIDI libraries said.
APP_ARGS=(--verbose)
sign_in "Told"
sleep 2
close_window "$WINDOW"
wait "$APP_PID" || true
APP_PID=""
grep -q "ALSA lib" "$WORK/app.out" || fail "--verbose showed nothing of ALSA: $(cat "$WORK/app.out")"
echo "PASS"
