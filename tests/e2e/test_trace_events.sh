#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The practice events of a random drill played by keyboard (--trace-events): one strike
# per released finger key, in order, with its hand and finger; the key released while the
# start sound plays is marked as struck before its task.
source "$(dirname "$0")/lib.sh"

TRACE="$WORK/events.jsonl"
APP_ARGS=(--trace-events "$TRACE")
start_display
start_sound
sign_in "Tea"
keys alt+t n
sleep 1
wait_window "Moravel"
# Start, and the little finger of the left hand at once, during the start sound.
keys Delete z
sleep 1.5
keys z x c v space KP_Subtract KP_Multiply KP_Divide Num_Lock Next
keys Next Num_Lock KP_Divide KP_Multiply KP_Subtract space v c x z
sleep 1

[ -s "$TRACE" ] || fail "no event trace was written"
python3 - "$TRACE" <<'PY'
import json, sys
events = [json.loads(line) for line in open(sys.argv[1])]
started = [e for e in events if e["type"] == "exercise_started"]
if len(started) != 1 or started[0]["kind"] != "random" or started[0]["player"] != "Tea":
    sys.exit("expected one random exercise started by Tea: %r" % started)
keys = {"z": ("left", 5), "x": ("left", 4), "c": ("left", 3), "v": ("left", 2),
        "space": ("left", 1), "KP_Subtract": ("right", 5), "KP_Multiply": ("right", 4),
        "KP_Divide": ("right", 3), "Num_Lock": ("right", 2), "Next": ("right", 1)}
order = ["z", "x", "c", "v", "space", "KP_Subtract", "KP_Multiply", "KP_Divide", "Num_Lock", "Next"]
played = ["z"] + order + order[::-1]
strikes = [e for e in events if e["type"] == "strike"]
got = [(e["hand"], e["struck"]) for e in strikes]
want = [keys[k] for k in played]
if got != want:
    sys.exit("strikes %r, expected %r" % (got, want))
if not strikes[0]["anticipated"] or strikes[0]["reaction_ms"] is not None:
    sys.exit("the key released during the start sound is not marked early: %r" % strikes[0])
for e in strikes[1:]:
    if e["anticipated"] or not (0 <= e["reaction_ms"] < 10000) or e["device"] != "keyboard":
        sys.exit("implausible strike: %r" % e)
shown = [e for e in events if e["type"] == "task_shown"]
if len(shown) != 2 + len(strikes):
    sys.exit("%d tasks shown for %d strikes" % (len(shown), len(strikes)))
print("events ok:", len(events), "events,", len(strikes), "strikes")
PY
echo "PASS"
