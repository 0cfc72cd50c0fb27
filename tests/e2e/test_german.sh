#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program under a German system language: the name prompt, the menus (reached by
# their German access letters) and a dialog speak German, and a preschool game of two
# tasks per hand still appends the results log's English record, byte for byte.
source "$(dirname "$0")/lib.sh"

use_language de_DE.UTF-8

start_display
start_sound
(cd "$APP_DIR" && exec ./moravel) >"$WORK/app.out" 2>&1 &
APP_PID=$!
wait_window "Gib deinen Namen für das Ergebnisprotokoll ein"
type_text "Lena"
keys Return
wait_window "Moravel"
sleep 0.5

# Optionen > Anzahl der Aufgaben: "&Anzahl" is the German access letter (the English
# "&Number of tasks" has another), and the dialog has its German title.
keys alt+o a
set_count "Anzahl der Aufgaben wählen" "2"

keys Delete
sleep 0.5
for round in 1 2; do
  keys z x c v space KP_Subtract KP_Multiply KP_Divide Num_Lock Next
  sleep 1
done
sleep 2.5
[ -n "${SCREENSHOT:-}" ] && screenshot "$SCREENSHOT"

[ -f "$LOG" ] || fail "no results log was written; program said: $(cat "$WORK/app.out")"
python3 - "$LOG" <<'PY'
import re, sys
data = open(sys.argv[1], 'rb').read()
m = re.fullmatch(rb'\d\d-\d\d \d\d:\d\d:\d\d\r\nLena\r\nRandom 2 tasks\r\n(\d+)  points\r\n\r\n', data)
if not m:
    sys.exit('unexpected log bytes: %r' % data)
print('English record under German, total', int(m.group(1)))
PY
echo "PASS"
