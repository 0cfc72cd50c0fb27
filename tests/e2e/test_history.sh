#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The practice history of a random drill played by keyboard: every released finger key is
# in the export, with the player, hand and finger, within a second even when the program
# is killed; User > Statistics opens the Statistics window.
source "$(dirname "$0")/lib.sh"

start_display
start_sound
sign_in "Tea, the \"student\""
keys alt+t n
sleep 1
wait_window "Moravel"
keys Delete
sleep 1.5
played=(z x c v space KP_Subtract KP_Multiply KP_Divide Num_Lock Next v KP_Divide)
keys "${played[@]}"
sleep 1.2
keys alt+u s
wait_window "Statistics"
sleep 1
screenshot "$WORK/statistics.png"
[ -n "${KEEP_E2E:-}" ] && cp "$WORK/statistics.png" /tmp/statistics-e2e.png
# Killed, not closed: what was played a second ago is already in the history.
kill -9 "$APP_PID"
APP_PID=""

[ -f "$HISTORY" ] || fail "no practice history at $HISTORY"
# The files beside the history, with their contents (the -shm is shared memory, where
# every reader marks what it reads): the export and the report only read.
history_folder() {
  (cd "$(dirname "$HISTORY")" && for f in *; do
    case $f in *-shm) echo "$f" ;; *) echo "$f $(sha256sum <"$f")" ;; esac
  done)
}
killed_state=$(history_folder)
"$APP_DIR/moravel" --export-history "$WORK/history.csv" || fail "the export failed"
python3 - "$WORK/history.csv" "${played[@]}" <<'PY'
import csv, sys
keys = {"z": ("L", "5"), "x": ("L", "4"), "c": ("L", "3"), "v": ("L", "2"), "space": ("L", "1"),
        "KP_Subtract": ("R", "5"), "KP_Multiply": ("R", "4"), "KP_Divide": ("R", "3"),
        "Num_Lock": ("R", "2"), "Next": ("R", "1")}
with open(sys.argv[1], newline="", encoding="utf-8") as f:
    # Tasks no strike answered have rows of their own.
    rows = [r for r in csv.DictReader(f) if r["record"] == "strike"]
want = [keys[k] for k in sys.argv[2:]]
got = [(r["hand"], r["struck"]) for r in rows]
if got != want:
    sys.exit("exported strikes %r, expected %r" % (got, want))
for r in rows:
    if r["player"] != 'Tea, the "student"' or r["exercise"] != "random" or r["device"] != "keyboard":
        sys.exit("unexpected row %r" % r)
print("history ok:", len(rows), "strikes")
PY
# The report runs without a display.
DISPLAY= "$APP_DIR/moravel" --report >"$WORK/report.txt" || fail "the report failed"
grep -q "1 exercise, ${#played[@]} strikes" "$WORK/report.txt" || fail "unexpected report: $(cat "$WORK/report.txt")"
[ "$(history_folder)" = "$killed_state" ] || fail "reading the history changed its files"
# Another program holding the file for itself: the report waits, says it is busy, and
# leaves the file where it is.
/usr/bin/python3 - "$HISTORY" <<'PY' &
import sqlite3, sys, time
db = sqlite3.connect(sys.argv[1], isolation_level=None)
db.execute("PRAGMA locking_mode=EXCLUSIVE")
db.execute("BEGIN EXCLUSIVE")
db.execute("DELETE FROM strikes")
open(sys.argv[1] + ".held", "w").close()
time.sleep(8)
db.execute("ROLLBACK")
PY
holder=$!
for _ in $(seq 50); do [ -f "$HISTORY.held" ] && break; sleep 0.1; done
rm -f "$HISTORY.held"
if DISPLAY= "$APP_DIR/moravel" --report >"$WORK/busy.txt" 2>&1; then fail "a busy history was reported"; fi
grep -q "in use by another program" "$WORK/busy.txt" || fail "unexpected: $(cat "$WORK/busy.txt")"
ls "$(dirname "$HISTORY")" | grep -q damaged && fail "a busy history was set aside"
wait "$holder"
echo "PASS"
