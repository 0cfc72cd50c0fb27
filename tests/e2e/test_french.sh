#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program under a French system language: the name prompt, the menus (reached by
# their French access letters) and a dialog speak French, a preschool game of two tasks
# per hand still appends the results log's English record, byte for byte, and F1 opens
# the French help book.
source "$(dirname "$0")/lib.sh"

use_language fr_FR.UTF-8

start_display
start_sound
(cd "$APP_DIR" && exec ./moravel) >"$WORK/app.out" 2>&1 &
APP_PID=$!
wait_window "Écris ton nom pour personnaliser le journal des résultats"
type_text "Lea"
keys Return
wait_window "Moravel"
sleep 0.5

# Options > Nombre de tâches by its French access letter, in a dialog with its French title.
keys alt+o n
set_count "Choisis le nombre de tâches" "2"

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
m = re.fullmatch(rb'\d\d-\d\d \d\d:\d\d:\d\d\r\nLea\r\nRandom 2 tasks\r\n(\d+)  points\r\n\r\n', data)
if not m:
    sys.exit('unexpected log bytes: %r' % data)
print('English record under French, total', int(m.group(1)))
PY

# The help book speaks French too.
keys F1
wait_window "Aide de Moravel"
echo "PASS"
