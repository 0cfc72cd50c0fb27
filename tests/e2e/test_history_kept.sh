#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Another program holds the practice history for 8 seconds, once just before Start and once
# in the middle of a random drill: every strike is in the history once the program has
# closed, the window says the practice is kept while it waits and stops saying it once it
# is written, and standard error has one line for each time, not one for each try. Then the
# desktop session ends (SIGTERM) while the history is held: the practice goes beside it,
# and the next start takes it in.
source "$(dirname "$0")/lib.sh"

# Holds the history's write lock for 8 seconds in the background, from when it returns.
hold_history() {
  rm -f "$HISTORY.held"
  /usr/bin/python3 - "$HISTORY" <<'PY' &
import sqlite3, sys, time
db = sqlite3.connect(sys.argv[1], isolation_level=None, timeout=10)
db.execute("BEGIN IMMEDIATE")
open(sys.argv[1] + ".held", "w").close()
time.sleep(8)
db.execute("ROLLBACK")
PY
  HOLDER=$!
  for _ in $(seq 50); do [ -f "$HISTORY.held" ] && break; sleep 0.1; done
  [ -f "$HISTORY.held" ] || fail "the history could not be held"
  rm -f "$HISTORY.held"
}

# How light the band of the window where its notices stand is, 0 (black) to 1 (white).
notice_band() {
  screenshot "$WORK/$1.png"
  [ -n "${KEEP_E2E:-}" ] && cp "$WORK/$1.png" "/tmp/history-kept-$1.png"
  convert "$WORK/$1.png" -crop 560x20+100+102 -colorspace Gray -format "%[fx:mean]" info:
}

round() { keys z x c v space KP_Subtract KP_Multiply KP_Divide Num_Lock Next; }

# The strikes the history holds, exercise by exercise, all the player's.
strikes_in_history() {
  "$APP_DIR/moravel" --export-history "$WORK/history.csv" || fail "the export failed"
  python3 - "$WORK/history.csv" "$@" <<'PY' || fail "not every strike is in the history"
import csv, sys
rows = [r for r in csv.DictReader(open(sys.argv[1], newline="", encoding="utf-8"))
        if r["record"] == "strike"]
want = list(map(int, sys.argv[2:]))
got = [sum(r["session"] == s for r in rows) for s in dict.fromkeys(r["session"] for r in rows)]
print("history: strikes by exercise", got)
sys.exit(got != want or any(r["player"] != "Lena" for r in rows))
PY
}

wait_end() {
  for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end $1"
  APP_PID=""
}

start_display
start_sound
sign_in "Lena"
keys alt+t n
sleep 1
wait_window "Moravel"
before=$(notice_band before)

hold_history
keys Delete
sleep 1.5
round
round
sleep 4
during=$(notice_band during)
wait "$HOLDER"
sleep 3.5
after=$(notice_band after)
echo "notice band: before $before, during $during, after $after"
python3 - "$before" "$during" "$after" <<'PY' || fail "the notice was not shown and taken away"
import sys
before, during, after = map(float, sys.argv[1:])
# The notice is a dark band with white words; without it the window's light ground shows.
sys.exit(not (during < before - 0.2 and abs(after - before) < 0.05))
PY

hold_history
round
sleep 1
round
wait "$HOLDER"
sleep 3.5
close_window "$WINDOW"
wait_end "when its window closed"
strikes_in_history 40
ls "$(dirname "$HISTORY")" | grep -q unwritten && fail "practice was left beside the history"
locked=$(grep -c "database is locked; the practice is kept" "$WORK/app.out" || true)
written=$(grep -c "written again, nothing lost" "$WORK/app.out" || true)
[ "$locked" = 2 ] && [ "$written" = 2 ] ||
  fail "standard error said locked $locked and written $written times: $(cat "$WORK/app.out")"

sign_in "Lena"
keys alt+t n
sleep 1
wait_window "Moravel"
keys Delete
sleep 1.5
hold_history
round
round
sleep 0.5
kill -TERM "$APP_PID"
wait_end "at SIGTERM"
ls "$(dirname "$HISTORY")" | grep -q unwritten || fail "nothing was kept beside the history"
wait "$HOLDER"
start_app
close_window "$WINDOW"
wait_end "when its name prompt closed"
ls "$(dirname "$HISTORY")" | grep -q unwritten && fail "what was kept was not taken in"
strikes_in_history 40 20
echo "PASS"
