# SPDX-License-Identifier: GPL-3.0-or-later
"""Key release to the first sample of the answer, heard at a PulseAudio sink's monitor.

The keys are sent straight through XTest (no helper process on the timed path); the
sink's monitor is recorded with parec at 1 ms latency, and each chunk is stamped on
arrival, so a sample's time is its chunk's arrival less the samples that follow it.
The answer is told apart by its pitch: "yes" is the high one.
Usage: sound_latency.py <monitor source> <rounds>; prints ROW lines and one line per key.
"""
import statistics
import sys
import time

from monitor import LOUD, RATE, Keyboard, Monitor

source = sys.argv[1]
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 3
keyboard = Keyboard()
monitor = Monitor(source)
chunks, lock = monitor.chunks, monitor.lock


def key(name, down):
    keyboard.key(name, down)


def quiet_for(seconds):
    """Waits until the monitor has been silent for this long (at most 5 s)."""
    end = time.monotonic() + 5
    while time.monotonic() < end:
        time.sleep(0.05)
        now = time.monotonic()
        with lock:
            recent = [s for t, s in chunks if t >= now - seconds]
            del chunks[:-400]
        if recent and all(max(map(abs, s), default=0) < LOUD for s in recent):
            return True
    return False


def onset_after(t0, wait=0.6):
    time.sleep(wait)
    with lock:
        recent = [(t, s) for t, s in chunks if t >= t0]
    for i, (t, s) in enumerate(recent):
        for j, v in enumerate(s):
            if abs(v) > LOUD:
                onset = t - ((len(s) - j) // 2) / RATE
                tail = [x for _, ss in recent[i:i + 60] for x in ss][j - j % 2:]
                ch = tail[j % 2::2][: int(0.04 * RATE)]
                crossings = sum(1 for a, b in zip(ch, ch[1:]) if (a < 0) != (b < 0))
                return (onset - t0) * 1000, crossings / 0.04 / 2
    return None, None


time.sleep(0.5)
results = {"yes": [], "no": []}
for _ in range(rounds):
    for name in ["z", "x", "c", "v", "space", "KP_Subtract", "KP_Multiply", "KP_Divide",
                 "Num_Lock", "KP_Next"]:
        if not quiet_for(0.3):
            print("never quiet before", name, flush=True)
            continue
        key(name, True)
        time.sleep(0.03)
        key(name, False)
        t0 = time.monotonic()
        ms, hz = onset_after(t0)
        if ms is None:
            print("%-12s no sound" % name, flush=True)
            continue
        kind = "yes" if 480 < hz < 800 else "no" if 180 < hz <= 480 else "other"
        print("%-12s %-5s %6.1f ms (~%.0f Hz)" % (name, kind, ms, hz), flush=True)
        if kind == "other":
            continue  # a key the game ignored (its hand waits), then the next animal
        results[kind].append(ms)
        if kind == "yes":
            time.sleep(1.0)  # the hand waits, then calls its next animal
monitor.stop()


def p(values, q):
    v = sorted(values)
    return v[min(len(v) - 1, max(0, int(round(q / 100 * len(v) + 0.5)) - 1))]


for kind in ("yes", "no"):
    v = results[kind]
    if not v:
        print("ROW\tkey release to first sample of \"%s\", preschool\tno samples\t< 30 ms\tNO" % kind)
        continue
    med = statistics.median(v)
    print("ROW\tkey release to first sample of \"%s\", preschool, p50 / max\t%.1f / %.1f ms (n=%d)\t< 30 ms\t%s"
          % (kind, med, max(v), len(v), "yes" if max(v) < 30 else ("p50 only" if med < 30 else "NO")))
