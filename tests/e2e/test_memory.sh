#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One memory task per hand by keyboard: open the memory test from the first exercise
# window, set the count to 1, step through the shown task of column 0 of the five-note
# table, play it back perfectly with both hands, and check the exact bytes appended to
# the results log.
source "$(dirname "$0")/lib.sh"

# The first task of a run is column 0; read it from the delivered database.
mapfile -t cells < <(sqlite3 "$BIN_DIR/piano.db" 'SELECT "0" FROM mem5 ORDER BY rowid')
task=()
for cell in "${cells[@]}"; do
  [ "$cell" = "0" ] && break
  task+=("$cell")
done
[ "${#task[@]}" -eq 5 ] || fail "column 0 of mem5 does not hold five notes: ${cells[*]}"

left_keys=("" space v c x z)
right_keys=("" Next Num_Lock KP_Divide KP_Multiply KP_Subtract)
play() { # play left|right: the task's notes with that hand's keys
  local -n map="${1}_keys"
  local keys_of_task=() note
  for note in "${task[@]}"; do keys_of_task+=("${map[$note]}"); done
  keys "${keys_of_task[@]}"
}

start_display
start_sound
sign_in "Ana"
keys alt+t m
sleep 1
wait_window "Moravel"
screenshot "$WORK/memory-window.png"

# Options > Number of memory tasks: the count list opens at 8; 1 task per hand.
keys alt+o n
wait_window "Choose number of memory tasks"
screenshot "$WORK/count-dialog.png"
keys ctrl+a
type_text "1"
keys Return
sleep 0.5
wait_window "Moravel"

keys Delete
sleep 2
screenshot "$WORK/memory-show.png"
# Each hand steps through the shown notes, then plays them back from memory, every note
# well within its first second.
play left
play left
sleep 2
play right
screenshot "$WORK/memory-recall.png"
play right
# The end sound holds the program; the summary follows it.
for _ in $(seq 100); do
  grep -q "memory tasks" "$LOG" 2>/dev/null && break
  sleep 0.1
done
sleep 0.5
screenshot "$WORK/memory-end.png"

[ -f "$LOG" ] || fail "no results log was written"
python3 - "$LOG" <<'PY'
import re, sys
data = open(sys.argv[1], 'rb').read()
expected = (rb'left hand memory test1 25 points\r\n'
            rb'right hand memory test1 25 points\r\n'
            rb'\d\d-\d\d \d\d:\d\d:\d\d\r\nAna\r\nMemory test 1 memory tasks\r\n50  points\r\n\r\n')
if not re.fullmatch(expected, data):
    sys.exit('unexpected log bytes: %r' % data)
print('memory test lines and summary ok')
PY

# Finished hands ignore their keys until the next Start.
size=$(stat -c %s "$LOG")
play left
play right
play left
play right
sleep 1.5
[ "$(stat -c %s "$LOG")" = "$size" ] || fail "keys of finished hands appended to the log"
echo "PASS"
