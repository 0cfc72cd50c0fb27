#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole preschool game by keyboard: the name prompt opens the game, ten tasks per hand
# are set in Options, and every round releases all five keys of each hand at once. Only
# the right key of a round scores (5 points, answered within the first second); the keys
# before it only say "no" and those after it fall into the feedback delay. Each round is
# played once both hands show their task. Ten rounds end both hands with 100 points.
source "$(dirname "$0")/lib.sh"

# The rounds follow the tasks as they show (the event trace says when), so a busy machine
# cannot push a key past its first second.
TRACE="$WORK/events.jsonl"
APP_ARGS=(--trace-events "$TRACE")

start_display
start_sound
sign_in "Ana"

keys alt+o n
set_count "Choose number of tasks" "10"
[ -z "$(xdotool search --onlyvisible --name '^Choose number of tasks$' 2>/dev/null)" ] ||
  fail "the number-of-tasks dialog did not close"

# Before Start a key only answers "no": nothing may reach the log.
keys z Next
sleep 0.3

keys Delete
for round in $(seq 10); do
  # Both hands' tasks of this round are on screen.
  wait_tasks $((2 * round))
  keys z x c v space KP_Subtract KP_Multiply KP_Divide Num_Lock Next
  [ "$round" = 5 ] && screenshot "$WORK/playing.png"
done
# The last delay, then both end sounds.
sleep 2.5
screenshot "$WORK/ended.png"

[ -f "$LOG" ] || fail "no results log was written"
grep -q "Random 10 tasks" "$LOG" || fail "no 'Random 10 tasks' in the log: $(log_bytes)"
grep -q "100  points" "$LOG" || fail "no '100  points' in the log: $(log_bytes)"
[ "$(grep -c 'points' "$LOG")" = 1 ] || fail "more than one summary: $(log_bytes)"
python3 - "$LOG" <<'PY'
import re, sys
data = open(sys.argv[1], 'rb').read()
if not re.fullmatch(rb'\d\d-\d\d \d\d:\d\d:\d\d\r\nAna\r\nRandom 10 tasks\r\n100  points\r\n\r\n', data):
    sys.exit('unexpected log bytes: %r' % data)
PY

# Ended hands ignore their keys: nothing more is written.
size=$(stat -c %s "$LOG")
keys z x c v space KP_Subtract KP_Multiply KP_Divide Num_Lock Next
sleep 2
[ "$(stat -c %s "$LOG")" = "$size" ] || fail "keys of ended hands appended to the log"
echo "PASS"
