#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A hand that has ended, struck at again and again: ten keys mashed on the keyboard hold
# the window for one end tune, not ten; a flood of MIDI notes (a stuck controller, a
# sequencer looping: 10,000 a second for 5 s) leaves the program alive and answering its
# menus at once; and neither reaches the results log or the practice history, which hold
# exactly the strikes that answered a task.
source "$(dirname "$0")/lib.sh"

start_jack

TRACE="$WORK/events.jsonl"
APP_ARGS=(--trace-events "$TRACE")
start_display
start_sound
sign_in "Flood"
keys alt+t n
sleep 1
wait_window "Moravel"
keys Delete
sleep 1.5
# The left hand's twenty tasks, right or wrong; then its end tune.
keys z z z z z z z z z z z z z z z z z z z z
sleep 1.5

# Ten keys of the ended hand in 0.4 s, then one of the right hand: it is handled when the
# one end tune the first key started is over.
strikes() { python3 -c 'import json,sys; print(sum(1 for l in open(sys.argv[1]) if json.loads(l)["type"] == "strike"))' "$TRACE"; }
before=$(strikes)
[ "$before" -eq 20 ] || fail "$before strikes in the trace after the left hand's twenty"
xdotool key --delay 40 z z z z z z z z z z KP_Subtract
sent=$(date +%s%N)
for _ in $(seq 100); do
  [ "$(strikes)" -gt "$before" ] && break
  sleep 0.02
done
waited=$((($(date +%s%N) - sent) / 1000000))
echo "the right hand's key was handled ${waited} ms after the mashed keys"
[ "$(strikes)" -eq 21 ] || fail "the mashed keys of the ended hand were counted as strikes ($(strikes))"
# One tune (0.9 s) from the first mashed key, which was 0.4 s before the last.
[ "$waited" -lt 1500 ] || fail "the window was held ${waited} ms after the last key"

/usr/bin/python3 - <<'PY' || fail "the MIDI flood could not be sent"
import sys, time
import rtmidi
out = rtmidi.MidiOut(rtmidi.API_UNIX_JACK, name='flood')
for _ in range(50):
    ports = out.get_ports()
    if 'Moravel:Moravel' in ports:
        break
    time.sleep(0.1)
else:
    sys.exit('no port Moravel:Moravel')
out.open_port(ports.index('Moravel:Moravel'))
time.sleep(0.5)
left = [48, 50, 52, 53, 55]
sent = 0
start = time.monotonic()
while time.monotonic() - start < 5.0:
    # 100 notes every 10 ms.
    for i in range(100):
        out.send_message([0x90, left[i % 5], 80])
    sent += 100
    time.sleep(max(0.0, start + sent / 10000.0 - time.monotonic()))
print('flood: %d notes in %.1f s' % (sent, time.monotonic() - start))
PY
flood_end=$(date +%s%N)
kill -0 "$APP_PID" 2>/dev/null || fail "the program died in the flood"
# A menu answers within 2 s of the flood's end: Help > About opens.
keys alt+h Down Down Return
wait_window "About Moravel"
opened=$((($(date +%s%N) - flood_end) / 1000000))
echo "About opened ${opened} ms after the flood"
[ "$opened" -lt 2000 ] || fail "the menus answered only ${opened} ms after the flood"
keys Escape
sleep 0.5
wait_window "Moravel"

[ -z "$(log_bytes)" ] || fail "the results log changed while only the right hand played: $(log_bytes | od -c | head)"
[ "$(strikes)" -eq 21 ] || fail "the flood reached the event stream: $(strikes) strikes"
# The right hand's other nineteen tasks end the exercise: one record in the log.
keys KP_Subtract KP_Subtract KP_Subtract KP_Subtract KP_Subtract KP_Subtract KP_Subtract \
  KP_Subtract KP_Subtract KP_Subtract KP_Subtract KP_Subtract KP_Subtract KP_Subtract \
  KP_Subtract KP_Subtract KP_Subtract KP_Subtract KP_Subtract
sleep 2
kill -0 "$APP_PID" 2>/dev/null || fail "the program died"
python3 - "$LOG" <<'PY'
import re, sys
data = open(sys.argv[1], 'rb').read()
if not re.fullmatch(rb'\d\d-\d\d \d\d:\d\d:\d\d\r\nFlood\r\nRandom 20 tasks\r\n\d+  points\r\n\r\n', data):
    sys.exit('unexpected log bytes: %r' % data)
PY
out=$("$APP_DIR/moravel" --export-history "$WORK/h.csv" && python3 - "$WORK/h.csv" <<'PY'
import csv, sys
rows = [r for r in csv.DictReader(open(sys.argv[1], encoding='utf-8'))
        if r.get('record', 'strike') == 'strike']
hands = [r['hand'] for r in rows]
if len(rows) != 40 or hands.count('L') != 20:
    sys.exit('the history holds %d strikes (%d left), not the 40 played' % (len(rows), hands.count('L')))
print('history ok: 40 strikes')
PY
) || fail "history: $out"
echo "$out"
echo "PASS"
