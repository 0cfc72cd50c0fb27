#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A scripted player for the Rhythm window: plays Hanon1, both hands, with XTest key events at
# chosen offsets from each note's time on the grid, and writes what it meant to play.
#
#   rhythm_player.py TRACE BPM NOTES_PER_BEAT NOTES PLAN [--late HAND:FINGER:MS]
#                    [--spread MS --seed N]
#
# TRACE is the program's event trace (--trace-events): the first note of each hand, as the
# drill announces it, gives the grid. Every note is pressed at its time, the finger named by
# --late that many ms later, or, with --spread, each note at a random offset within that many
# ms either way. PLAN gets one line per note: hand, note number, offset in ms.
import argparse, ctypes, json, random, sys, time

parser = argparse.ArgumentParser()
parser.add_argument('trace')
parser.add_argument('bpm', type=float)
parser.add_argument('per_beat', type=int)
parser.add_argument('notes', type=int)
parser.add_argument('plan')
parser.add_argument('--late', default='')
parser.add_argument('--spread', type=float, default=0)
parser.add_argument('--seed', type=int, default=1)
args = parser.parse_args()
rng = random.Random(args.seed)

x11 = ctypes.cdll.LoadLibrary('libX11.so.6')
xtst = ctypes.cdll.LoadLibrary('libXtst.so.6')
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XStringToKeysym.restype = ctypes.c_ulong
display = ctypes.c_void_p(x11.XOpenDisplay(None))


def code(name):
    return x11.XKeysymToKeycode(display, x11.XStringToKeysym(name.encode()))


keys = {('left', f): code(k) for f, k in zip((5, 4, 3, 2, 1), ('z', 'x', 'c', 'v', 'space'))}
keys.update({('right', f): code(k) for f, k in
             zip((1, 2, 3, 4, 5), ('Next', 'Num_Lock', 'KP_Divide', 'KP_Multiply', 'KP_Subtract'))})
figure = {'left': [5, 4, 3, 2, 1, 2, 3, 4], 'right': [1, 2, 3, 4, 5, 4, 3, 2]}
late = {}
if args.late:
    hand, finger, ms = args.late.split(':')
    late[(hand, int(finger))] = float(ms) / 1000

first = {}
deadline = time.monotonic() + 20
while len(first) < 2 and time.monotonic() < deadline:
    try:
        for line in open(args.trace):
            e = json.loads(line)
            if e['type'] == 'task_shown' and 'due_ms' in e and e['task'] == 1:
                first[e['hand']] = e['due_ms'] / 1000.0
    except FileNotFoundError:
        pass
    time.sleep(0.005)
if len(first) < 2:
    sys.exit('no first notes in the trace')
interval = 60.0 / args.bpm / args.per_beat
plan, events = [], []
for hand in ('left', 'right'):
    for i in range(args.notes):
        finger = figure[hand][i % 8]
        offset = late.get((hand, finger), 0.0)
        if args.spread:
            offset = rng.uniform(-args.spread, args.spread) / 1000
        at = first[hand] + i * interval + offset
        plan.append('%s %d %.3f' % (hand, i + 1, offset * 1000))
        events.append((at, keys[(hand, finger)], True))
        events.append((at + 0.08, keys[(hand, finger)], False))
events.sort()
for at, keycode, down in events:
    while True:
        left = at - time.monotonic()
        if left <= 0:
            break
        time.sleep(left - 0.002 if left > 0.003 else 0)
    xtst.XTestFakeKeyEvent(display, keycode, down, 0)
    x11.XFlush(display)
x11.XCloseDisplay(display)
with open(args.plan, 'w') as out:
    out.write('\n'.join(plan) + '\n')
