#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole random drill on the layout without a numeric keypad: the right hand plays
# M , . / and the right Alt key. Under a style whose menu bar answers a lone Alt, releasing
# the right Alt leaves the menu bar alone; the keypad's keys are no fingers on this layout;
# the drill ends with its exact record.
source "$(dirname "$0")/lib.sh"

start_display
APP_ARGS=(--keyboard laptop -style windows)
sign_in "Laptop Player"
keys alt+t n
sleep 1
wait_window "Moravel"
keys Delete
sleep 1.5

# The keypad keys of the other layout do nothing here.
keys KP_Subtract KP_Multiply KP_Divide Next
menu_bar() { import -window root -crop 400x22+0+0 "$1"; }
menu_bar "$WORK/bar-before.png"
raw_keys 108
sleep 0.3
menu_bar "$WORK/bar-after.png"
[ "$(compare -metric AE "$WORK/bar-before.png" "$WORK/bar-after.png" null: 2>&1)" = "0" ] \
  || fail "releasing the right Alt changed the menu bar"

# Physical key codes: Z X C V Space, M , . / right Alt.
for round in $(seq 25); do
  raw_keys 52 53 54 55 65 58 59 60 61 108
done
sleep 2

[ -f "$LOG" ] || fail "no results log was written"
python3 - "$LOG" <<'PY'
import re, sys
data = open(sys.argv[1], 'rb').read()
m = re.fullmatch(rb'(\d\d-\d\d \d\d:\d\d:\d\d)\r\nLaptop Player\r\nRandom 20 tasks\r\n(\d+)  points\r\n\r\n', data)
if not m:
    sys.exit('unexpected log bytes: %r' % data)
print('summary ok, total', int(m.group(2)))
PY

# The layout given on the command line is for this run; nothing remembered changed.
# The file is the one QSettings writes for the program (IniFormat, user scope).
conf="$XDG_CONFIG_HOME/Moravel/Moravel.ini"
if [ -f "$conf" ] && grep -q '^layout=laptop' "$conf"; then
  fail "--keyboard changed the remembered layout: $(cat "$conf")"
fi
echo "PASS"
