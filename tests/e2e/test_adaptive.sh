#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The adaptive drill learns from the history: after a random drill in which the left hand
# always struck its ring finger (right only there), an adaptive exercise of 40 tasks gives
# the left ring finger least often, every other left finger still at least once, and
# writes the random drill's five-line record with "Adaptive 40 tasks".
source "$(dirname "$0")/lib.sh"

start_display
start_sound
sign_in "Vera"
keys alt+t n
sleep 1
wait_window "Moravel"
keys alt+o n
set_count "Choose number of tasks" "50"
keys Delete
sleep 1.5
# A round: the left ring finger (X), then one finger of the right hand, in turn, so that
# both hands end together (a key of an ended hand plays the end tune again).
right=(KP_Subtract KP_Multiply KP_Divide Num_Lock Next)
play() {
  local i
  for i in $(seq 0 $(($1 - 1))); do keys x "${right[$((i % 5))]}"; done
}
play 50
for _ in $(seq 50); do
  grep -q "Random" "$LOG" 2>/dev/null && break
  sleep 0.1
done

keys alt+t a
sleep 1
wait_window "Moravel"
keys Delete
sleep 1.5
play 40
# Each hand's end tune holds the drill in turn; the record follows the second.
for _ in $(seq 50); do
  grep -q "Adaptive" "$LOG" 2>/dev/null && break
  sleep 0.1
done
sleep 0.5
screenshot "$WORK/adaptive.png"
[ -n "${KEEP_E2E:-}" ] && cp "$WORK/adaptive.png" /tmp/adaptive-e2e.png

python3 - "$LOG" <<'PY'
import re, sys
data = open(sys.argv[1], 'rb').read()
record = rb'\d\d-\d\d \d\d:\d\d:\d\d\r\nVera\r\n%s\r\n\d+  points\r\n\r\n'
if not re.fullmatch(record % rb'Random 50 tasks' + record % rb'Adaptive 40 tasks', data):
    sys.exit('unexpected log bytes: %r' % data)
PY
kill "$APP_PID"
APP_PID=""
sleep 0.5
"$APP_DIR/moravel" --export-history "$WORK/history.csv" || fail "the export failed"
python3 - "$WORK/history.csv" <<'PY'
import collections, csv, sys
with open(sys.argv[1], newline="", encoding="utf-8") as f:
    rows = [r for r in csv.DictReader(f)
            if r["exercise"] == "adaptive" and r["hand"] == "L" and r["record"] == "strike"]
if len(rows) != 40:
    sys.exit("%d left strikes in the adaptive exercise, expected 40" % len(rows))
given = collections.Counter(r["expected"] for r in rows)
ring = given["4"]
others = [given[f] for f in "1235"]
print("left fingers given:", dict(sorted(given.items())))
if min(others) < 1 or ring < 1:
    sys.exit("a left finger never came: %r" % given)
if ring >= min(others):
    sys.exit("the strong ring finger came as often as a weak one: %r" % given)
PY
echo "PASS"
