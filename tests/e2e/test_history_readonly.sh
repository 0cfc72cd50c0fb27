#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A practice history the player may only read: the program says so once, over the name
# prompt, plays as usual without adding to the file or leaving files beside it, and the
# report still reads it.
source "$(dirname "$0")/lib.sh"

mkdir -p "$(dirname "$HISTORY")"
printf '%s\r\n' \
  "session,player,exercise,started,hand,task,expected,struck,correct,anticipated,reaction_ms,points,device,velocity" \
  "s1,Ana,random,2026-12-08T17:30:00.000+01:00,L,1,3,3,1,0,412.5,5,keyboard," \
  "s1,Ana,random,2026-12-08T17:30:00.000+01:00,R,1,2,2,1,0,398,5,keyboard," >"$WORK/old.csv"
"$APP_DIR/moravel" --import-history "$WORK/old.csv" >/dev/null || fail "the import failed"
chmod 444 "$HISTORY"
folder() { (cd "$(dirname "$HISTORY")" && for f in *; do echo "$f $(sha256sum <"$f")"; done); }
before=$(folder)

start_display
start_sound
(cd "$APP_DIR" && exec ./moravel) >"$WORK/app.out" 2>&1 &
APP_PID=$!
# The notice comes before anything else the program shows.
wait_window "Moravel"
keys Return
wait_window "Enter your name to personify result log"
type_text "Ana"
keys Return
wait_window "Moravel"
sleep 0.5
keys Delete
sleep 1.5
keys z x c v space
sleep 1
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=""

[ "$(folder)" = "$before" ] || fail "the read-only history's folder changed: $(folder)"
DISPLAY= "$APP_DIR/moravel" --report >"$WORK/report.txt" || fail "the report failed"
grep -q "1 exercise, 2 strikes" "$WORK/report.txt" || fail "unexpected report: $(cat "$WORK/report.txt")"
echo "PASS"
