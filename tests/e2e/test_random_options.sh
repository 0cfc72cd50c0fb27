#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Options by keyboard alone: 10 tasks, both hands on fingers 4 and 5, a drill, its summary;
# then User > View results hands the one results log to the desktop's opener.
source "$(dirname "$0")/lib.sh"

# A stand-in for the desktop's opener records what it was given.
mkdir -p "$WORK/fakebin"
cat >"$WORK/fakebin/xdg-open" <<SH
#!/bin/sh
printf '%s\n' "\$@" >"$WORK/opened.txt"
SH
chmod +x "$WORK/fakebin/xdg-open"
export PATH="$WORK/fakebin:$PATH"

start_display
start_sound
sign_in "Options Tester"
# The first window may be the preschool game; "Ra&ndom" leads to the random drill.
keys alt+t n
sleep 0.5
wait_window "Moravel"

keys alt+o n
wait_window "Choose number of tasks"
keys ctrl+a
type_text "10"
keys Return
sleep 0.3

# "&Level" and "&Left hand combinations" share their letter: L twice, then Enter.
wait_window "Moravel"
keys alt+o l l Return
wait_window "Left hand finger combinations"
keys Left Down Down Down space Return
sleep 0.3
wait_window "Moravel"
keys alt+o r
wait_window "Right hand finger combinations"
keys Left Down Down Down space Return
sleep 0.3

wait_window "Moravel"
keys Delete
sleep 1.5
# With fingers 4 and 5 only, finger 3 is never asked: striking it ends each hand after its
# ten tasks with no points, however long the keys take. With all five fingers it would
# score about one task in four.
for round in $(seq 11); do
  keys c KP_Divide
done
sleep 2

python3 - "$LOG" <<'PY'
import re, sys
data = open(sys.argv[1], 'rb').read()
m = re.fullmatch(rb'\d\d-\d\d \d\d:\d\d:\d\d\r\nOptions Tester\r\nRandom 10 tasks\r\n(\d+)  points\r\n\r\n', data)
if not m:
    sys.exit('unexpected log bytes: %r' % data)
total = int(m.group(1))
if total != 0:
    sys.exit('the finger ranges were not applied: total %d' % total)
print('summary ok, total', total)
PY

keys alt+u v
for _ in $(seq 30); do [ -s "$WORK/opened.txt" ] && break; sleep 0.1; done
[ -s "$WORK/opened.txt" ] || fail "View results started no opener"
opened=$(cat "$WORK/opened.txt")
[ "$opened" = "$APP_DIR/Results Log.TXT" ] || fail "View results opened '$opened'"
echo "PASS"
