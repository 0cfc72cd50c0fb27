#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole sequential exercise by keyboard: the window reached through the Test menu, one
# sequence per hand chosen in Options, Hanon1 played with both hands, and the exact lines
# the exercise appends to the results log.
source "$(dirname "$0")/lib.sh"

start_display
start_sound
sign_in "Ana"
# The name prompt opens an exercise window; its Test menu reaches every other one.
keys alt+t q
sleep 1
wait_window "Moravel"
[ "$(xdotool search --onlyvisible --name '^Moravel$' | wc -l)" = 1 ] ||
  fail "more than one exercise window is shown"

keys alt+o n
wait_window "Choose number of sequences"
keys ctrl+a
type_text "1"
keys Return
sleep 0.5
wait_window "Moravel"
[ -z "$(xdotool search --onlyvisible --name '^Choose number of sequences$' 2>/dev/null)" ] ||
  fail "the number-of-sequences dialog did not close"
[ -f "$LOG" ] && fail "the log was written before any exercise"

# Start, then the left hand's eight steps and one key more. The keys arrive while the
# start sound plays and are handled right after it, each within a tick: 9 x 5 points.
keys Delete z x c v space v c x z
# The right hand's first task runs out meanwhile (five ticks): it scores 0, the next
# eight keys 5 each.
sleep 8
keys Next Num_Lock KP_Divide KP_Multiply KP_Subtract KP_Multiply KP_Divide Num_Lock Next
sleep 2.5; screenshot "$WORK/ended.png"

[ -f "$LOG" ] || fail "no results log was written"
python3 - "$LOG" <<'PY'
import re, sys
data = open(sys.argv[1], 'rb').read()
expected = (rb'left hand sequence1 40 points\r\n'
            rb'right hand sequence1 35 points\r\n'
            rb'\+ last task points diference\r\n'
            rb'\d\d-\d\d \d\d:\d\d:\d\d\r\n'
            rb'Ana\r\n'
            rb'Sequential 1 sequences\r\n'
            rb'85  points\r\n'
            rb'\r\n')
if not re.fullmatch(expected, data):
    sys.exit('unexpected log bytes: %r' % data)
print('sequential log ok')
PY

# Keys of ended hands sound again but write nothing more.
size=$(stat -c %s "$LOG")
keys z Next
sleep 2.5
[ "$(stat -c %s "$LOG")" = "$size" ] || fail "keys of ended hands appended to the log"
echo "PASS"
