#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole random drill by keyboard: name, Start, both hands to their end, then the exact
# bytes the summary appends to the results log beside the program, and nothing more from
# further keys.
source "$(dirname "$0")/lib.sh"

start_display
start_sound
sign_in "Ana  Maria"
# The name prompt opens the preschool game; its Test menu leads to the random drill.
keys alt+t n
sleep 1
wait_window "Moravel"
keys Delete
sleep 1.5

# Each round strikes every finger of both hands; 20 tasks per hand end within 25 rounds.
for round in $(seq 25); do
  keys z x c v space KP_Subtract KP_Multiply KP_Divide Num_Lock Next
done
sleep 2

log=$(log_bytes | od -An -c | tr -s ' ')
[ -f "$LOG" ] || fail "no results log was written"
python3 - "$LOG" <<'PY'
import re, sys
data = open(sys.argv[1], 'rb').read()
m = re.fullmatch(rb'(\d\d-\d\d \d\d:\d\d:\d\d)\r\nAna  Maria\r\nRandom 20 tasks\r\n(\d+)  points\r\n\r\n', data)
if not m:
    sys.exit('unexpected log bytes: %r' % data)
total = int(m.group(2))
if not 0 <= total <= 190:
    sys.exit('total out of range: %d' % total)
print('summary ok, total', total)
PY

# Run in place, with its folder writable, the program keeps its results beside itself only.
[ ! -e "$XDG_DATA_HOME/Moravel/Results Log.TXT" ] || fail "results also went to the data folder"
grep -q "results are kept in" "$WORK/app.out" && fail "said results are kept elsewhere"

size=$(stat -c %s "$LOG")
keys z space KP_Subtract Next
sleep 2
[ "$(stat -c %s "$LOG")" = "$size" ] || fail "keys of ended hands appended to the log"
echo "PASS"
