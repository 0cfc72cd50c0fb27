# SPDX-License-Identifier: GPL-3.0-or-later
"""Test > Start in the preschool window: when the start sound is heard, and how long it holds.

Del (Start) is sent through XTest at irregular gaps; the null sink's monitor is recorded
with parec at 1 ms latency, every chunk stamped on arrival. For each Start:
- Start to first sample: from the key's press (Start acts on it) to the first loud sample;
- hold: from the start sound's first sample to the first sample of the animals that the
  two hands get once the hold is over. The recording is compared with the sound's own
  samples (aligned on its first loud sample); where it stops matching, the animals came.
Usage: start_sound.py <monitor source> <XYL.WAV> [gap seconds ...]; prints ROW lines.
"""
import array
import statistics
import sys
import time
import wave

from monitor import LOUD, RATE, Keyboard, Monitor

source, reference_path = sys.argv[1], sys.argv[2]
# Seconds from one Start to the next, at least until the last animals have ended.
gaps = [float(g) for g in sys.argv[3:]] or [4, 4, 12, 4, 2, 2, 3, 2, 2, 6]

with wave.open(reference_path) as w:
    assert w.getsampwidth() == 2 and w.getframerate() == RATE
    frames = array.array("h", w.readframes(w.getnframes()))
    reference = frames[::w.getnchannels()]
ref_onset = next(i for i, v in enumerate(reference) if abs(v) > LOUD)
sound_ms = (len(reference) - ref_onset) * 1000 / RATE

keyboard = Keyboard()
monitor = Monitor(source)
lock = monitor.lock
left = array.array("h")  # the left channel, every sample since the recording began
stamps = []  # (arrival time, samples in `left` after this chunk)
taken = 0  # monitor chunks already copied into `left`


def gather():
    """Copies the chunks that came since into the left channel."""
    global taken
    with lock:
        fresh = monitor.chunks[taken:]
        taken = len(monitor.chunks)
    for arrival, samples in fresh:
        left.extend(samples[::2])
        stamps.append((arrival, len(left)))


def index_at(t):
    """The first sample that the monitor delivered at time t or later."""
    previous = 0
    for arrival, end in stamps:
        if arrival >= t:
            return max(previous, end - 1 - int((arrival - t) * RATE))
        previous = end
    return len(left)


def quiet_since(seconds):
    gather()
    recent = left[-int(seconds * RATE):]
    return len(recent) > 0 and max(map(abs, recent)) < LOUD


def time_of(i):
    for arrival, end in stamps:
        if end > i:
            return arrival - (end - 1 - i) / RATE
    return stamps[-1][0]


def measure(t0):
    gather()
    start = index_at(t0)
    samples = left[start:]
    onset = next((start + j for j, v in enumerate(samples) if abs(v) > LOUD), None)
    if onset is None:
        return None, None
    first_ms = (time_of(onset) - t0) * 1000
    # Best alignment of the sound's own samples within a few ms of the first loud one.
    best, shift = None, 0
    for d in range(-40, 41):
        base = onset - ref_onset + d
        if base < 0:
            continue
        score = sum(abs(left[base + k] - reference[k]) for k in range(ref_onset, ref_onset + 800))
        if best is None or score < best:
            best, shift = score, d
    base = onset - ref_onset + shift
    run = 0
    # The server may drop the sound's first fraction of a millisecond: compare from the
    # first sample it played.
    for k in range(max(ref_onset, onset - base), len(reference) + RATE):
        expected = reference[k] if k < len(reference) else 0
        if base + k >= len(left):
            return first_ms, None
        run = run + 1 if abs(left[base + k] - expected) > LOUD else 0
        if run >= 8:
            return first_ms, (k - 7 - ref_onset) * 1000 / RATE
    return first_ms, None


time.sleep(0.5)
firsts, holds, silent = [], [], 0
last = time.monotonic()
for gap in gaps:
    # Each Start from silence, so nothing of the last animals is mixed into the sound.
    while time.monotonic() < last + gap or not quiet_since(0.3):
        time.sleep(0.02)
    # Start is a menu shortcut: it acts on the key's press.
    t0 = last = time.monotonic()
    keyboard.key("Delete", True)
    time.sleep(0.02)
    keyboard.key("Delete", False)
    time.sleep(2.0)
    first_ms, hold_ms = measure(t0)
    if first_ms is None:
        silent += 1
        print("Start: silent", flush=True)
        continue
    firsts.append(first_ms)
    if hold_ms is not None:
        holds.append(hold_ms)
    print("Start: first sample %.1f ms, hold %s ms"
          % (first_ms, "%.1f" % hold_ms if hold_ms is not None else "?"), flush=True)
monitor.stop()

n = len(gaps)
if firsts:
    print("ROW\tStart to first sample of the start sound, preschool, p50 / max\t%.1f / %.1f ms (%d of %d heard)\t< 30 ms, every Start\t%s"
          % (statistics.median(firsts), max(firsts), len(firsts), n,
             "yes" if max(firsts) < 30 and not silent else "NO"))
else:
    print("ROW\tStart to first sample of the start sound\tnever heard (0 of %d)\t< 30 ms, every Start\tNO" % n)
if holds:
    worst = max(abs(h - sound_ms) for h in holds)
    print("ROW\thold from its first sample to the first animal, p50 / max (sound %.0f ms)\t%.0f / %.0f ms (n=%d)\tsound length + < 50 ms\t%s"
          % (sound_ms, statistics.median(holds), max(holds), len(holds),
             "yes" if all(0 <= h - sound_ms < 50 for h in holds) else "NO"))
else:
    print("ROW\thold from the start sound's first sample to the first animal\tno samples\tsound length + < 50 ms\tNO")
