#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in a damaged program folder: the exercise database is garbage, the
# sounds are empty, garbage or missing, the start sound is garbage and the help book is
# gone. The preschool game still plays silently to its summary, the sequential window's
# Start says once what is wrong, F1 opens nothing, and a kill in the middle of the next
# game leaves the results log whole.
source "$(dirname "$0")/lib.sh"

garbage() { printf '%*s' "$1" '' | tr ' ' 'Z'; }

rm "$APP_DIR/piano.db" "$APP_DIR/sounds" "$APP_DIR/help" "$APP_DIR/XYL.WAV"
garbage 4096 >"$APP_DIR/piano.db"
garbage 3000 >"$APP_DIR/XYL.WAV"
mkdir "$APP_DIR/sounds"
n=0
for f in "$BIN_DIR"/sounds/*; do
  case $((n % 3)) in
    0) : >"$APP_DIR/sounds/$(basename "$f")" ;;
    1) garbage 2000 >"$APP_DIR/sounds/$(basename "$f")" ;;
  esac
  n=$((n + 1))
done

alive() { kill -0 "$APP_PID" 2>/dev/null || fail "the program ended: $(cat "$WORK/app.out")"; }
moravel_windows() { xdotool search --onlyvisible --name '^Moravel$' 2>/dev/null | wc -l; }

TRACE="$WORK/events.jsonl"
APP_ARGS=(--trace-events "$TRACE")
start_display
start_sound
sign_in "Ana Maria"

keys alt+o n
set_count "Choose number of tasks" "2"

# Two rounds of all ten keys, each once both hands show their task: each right key scores 5
# after its silent answer.
keys Delete
for round in 1 2; do
  wait_tasks $((2 * round))
  keys z x c v space KP_Subtract KP_Multiply KP_Divide Num_Lock Next
done
sleep 2
alive
[ -f "$LOG" ] || fail "no results log was written"
grep -q "20  points" "$LOG" || fail "no summary of the silent game: $(log_bytes)"

# The help book is missing: F1 opens nothing and the program goes on.
keys F1
sleep 1
alive
[ "$(moravel_windows)" = 1 ] || fail "F1 opened a window without a help book"

# Sequential: each Start shows one message and leaves both hands idle.
keys alt+t q
sleep 1
wait_window "Moravel"
seq_window=$WINDOW
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; sleep 0.2; }
for attempt in 1 2; do
  focus "$seq_window"
  keys Delete
  sleep 1.5
  [ "$(moravel_windows)" = 2 ] || fail "Start $attempt did not show one message"
  [ "$attempt" = 1 ] && screenshot "$WORK/message.png"
  box=$(xdotool search --onlyvisible --name '^Moravel$' | grep -v "^$seq_window\$" | tail -n 1)
  focus "$box"
  keys Return
  sleep 0.5
  [ "$(moravel_windows)" = 1 ] || fail "the message did not close"
  alive
done
focus "$seq_window"
keys z x Next
sleep 0.5
alive
size=$(stat -c %s "$LOG")

# Back to the game, killed in the middle of its next round.
keys alt+t p
sleep 1
wait_window "Moravel"
keys Delete
sleep 0.5
keys z x c v space
sleep 0.3
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=""

[ "$(stat -c %s "$LOG")" = "$size" ] || fail "the log changed without a finished game"
python3 - "$LOG" <<'PY'
import re, sys
data = open(sys.argv[1], 'rb').read()
if not re.fullmatch(rb'\d\d-\d\d \d\d:\d\d:\d\d\r\nAna Maria\r\nRandom 2 tasks\r\n20  points\r\n\r\n', data):
    sys.exit('unexpected log bytes: %r' % data)
PY
echo "PASS"
