#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole random drill played on a MIDI piano: a JACK server on its dummy backend, the
# program's own port "Moravel:Moravel", and a sender playing the five-finger C position
# into it. The record in the results log is exact; note-offs, controllers and notes
# outside the map count for nothing.
source "$(dirname "$0")/lib.sh"

start_jack

start_display
sign_in "Midi Player"
keys alt+t n
sleep 1
wait_window "Moravel"
keys Delete
sleep 1.5

/usr/bin/python3 - <<'PY' || fail "the MIDI sender failed"
import sys, time
import rtmidi
out = rtmidi.MidiOut(rtmidi.API_UNIX_JACK, name='e2e-piano')
ports = out.get_ports()
for _ in range(50):
    if 'Moravel:Moravel' in ports:
        break
    time.sleep(0.1)
    ports = out.get_ports()
if 'Moravel:Moravel' not in ports:
    sys.exit('no port Moravel:Moravel among %r' % ports)
out.open_port(ports.index('Moravel:Moravel'))
time.sleep(0.5)
def send(*message):
    out.send_message(list(message))
    time.sleep(0.03)
# Noise first: a controller, notes outside the map, a note-off.
send(0xB0, 7, 100); send(0x90, 61, 90); send(0x80, 61, 0); send(0x90, 72, 90)
left = [48, 50, 52, 53, 55]
right = [60, 62, 64, 65, 67]
for _ in range(25):
    for note in left + right:
        send(0x90, note, 80)
        send(0x90, note, 0)   # velocity 0 ends the note
PY
sleep 2

[ -f "$LOG" ] || fail "no results log was written"
python3 - "$LOG" <<'PY'
import re, sys
data = open(sys.argv[1], 'rb').read()
m = re.fullmatch(rb'(\d\d-\d\d \d\d:\d\d:\d\d)\r\nMidi Player\r\nRandom 20 tasks\r\n(\d+)  points\r\n\r\n', data)
if not m:
    sys.exit('unexpected log bytes: %r' % data)
print('summary ok, total', int(m.group(2)))
PY

# The strikes reached the history with their device and velocity.
out=$("$APP_DIR/moravel" --export-history "$WORK/h.csv" && python3 - "$WORK/h.csv" <<'PY'
import csv, sys
rows = [r for r in csv.DictReader(open(sys.argv[1], encoding='utf-8')) if r['record'] == 'strike']
midi = [r for r in rows if r['device'] != 'keyboard']
if not midi or any(r['velocity'] != '80' for r in midi):
    sys.exit('MIDI strikes without their velocity: %r' % rows[:3])
print('history ok:', len(midi), 'MIDI strikes')
PY
) || fail "history check: $out"
echo "$out"
echo "PASS"
