#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# How exactly the Rhythm window judges: the deviations the program measured (its event
# trace) against the offsets the scripted player meant (its plan), note by note. A constant
# difference is the path from the player to the program (the display server, the queue of
# events), what a calibration takes away; the spread around it is the judging's own error.
#
#   judging_accuracy.py PLAN TRACE LABEL
import json, statistics, sys

plan = {}
for line in open(sys.argv[1]):
    hand, note, offset = line.split()
    plan[(hand, int(note))] = float(offset)
errors = []
for line in open(sys.argv[2]):
    e = json.loads(line)
    if e.get('type') == 'strike' and 'deviation_ms' in e and (e['hand'], e['task']) in plan:
        errors.append(e['deviation_ms'] - plan[(e['hand'], e['task'])])
label = sys.argv[3]
if len(errors) < 0.9 * len(plan):
    print('ROW\tRhythm window, %s: strike deviation against the offset played\t%d of %d notes judged\t'
          'p99 < 2 ms\tNO' % (label, len(errors), len(plan)))
    sys.exit()
bias = statistics.median(errors)
spread = sorted(abs(x - bias) for x in errors)
p99 = spread[min(len(spread) - 1, int(0.99 * len(spread)))]
print('ROW\tRhythm window, %s: strike deviation against the offset played, constant part / '
      'p99 of the rest\t%+.2f / %.2f ms (n=%d)\tp99 < 2 ms after calibration\t%s'
      % (label, bias, p99, len(errors), 'yes' if p99 < 2 else 'NO'))
