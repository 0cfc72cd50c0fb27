# SPDX-License-Identifier: GPL-3.0-or-later
"""The metronome's clicks as heard: 200 clicks at 120 bpm, 200 at 200 bpm, then 120 bpm again
until the run has lasted SECONDS (300 by default), played through the real click track
(`moravel_bench clicks`) into a PulseAudio null sink of the script's own, whose monitor is
recorded with parec (raw, mono, 44.1 kHz, 1 ms latency).

Every chunk parec hands over is stamped on arrival (CLOCK_MONOTONIC, the clock the track
schedules on). A sample cannot arrive before it was played, so the recording's line to the
monotonic clock is fitted through the earliest arrivals (the lowest point of every 5 s);
its slope is the sink's own rate. A click's onset is its first loud sample (the click starts
at full height). Against its schedule, each onset is off by a constant (the monitor's
delivery) plus the click's jitter; the constant is the median, and the drift is how far the
last 20 s of clicks moved from the first 20 s.
Usage: click_timing.py MORAVEL_BENCH [SECONDS] [COUNT]: COUNT clicks at each tempo (200);
prints ROW lines, and the rest on stderr.
"""
import array
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

RATE = 44100
LOUD = 4000  # the click's first sample is half of full scale
bench = sys.argv[1]
seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 300.0
count = int(sys.argv[3]) if len(sys.argv) > 3 else 200
SINK = "moravel_click_null"


def say(text):
    print("click_timing: " + text, file=sys.stderr, flush=True)


def row(figure, value, target, met):
    print("ROW\t%s\t%s\t%s\t%s" % (figure, value, target, "yes" if met else "NO"), flush=True)


def percentile(values, p):
    s = sorted(values)
    return s[max(0, min(len(s) - 1, -(-len(s) * p // 100) - 1))]


if not shutil.which("pulseaudio") or not shutil.which("parec"):
    row("click onset against schedule", "no PulseAudio", "p99 < 1 ms", False)
    sys.exit()

# A sound server of our own, as tests/e2e/lib.sh starts one.
work = tempfile.mkdtemp(prefix="moravel-clicks.")
env = dict(os.environ, XDG_RUNTIME_DIR=work, QT_QPA_PLATFORM="offscreen")
env.pop("PULSE_SERVER", None)
subprocess.run(["pulseaudio", "--daemonize=yes", "--exit-idle-time=-1", "--disallow-exit", "-n",
                "--load=module-null-sink sink_name=" + SINK,
                "--load=module-native-protocol-unix"], env=env, stdout=subprocess.DEVNULL,
               stderr=subprocess.DEVNULL)
for _ in range(50):
    if subprocess.run(["pactl", "info"], env=env, stdout=subprocess.DEVNULL,
                      stderr=subprocess.DEVNULL).returncode == 0:
        break
    time.sleep(0.1)
subprocess.run(["pactl", "set-default-sink", SINK], env=env, stderr=subprocess.DEVNULL)

recording = bytearray()
stamps = []  # (arrival ns, samples recorded once this chunk is in)
parec = subprocess.Popen(["parec", "--raw", "--format=s16le", "--rate=%d" % RATE,
                          "--channels=1", "--latency-msec=1", "-d", SINK + ".monitor"],
                         env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)


def read():
    while True:
        data = parec.stdout.read1(65536)
        if not data:
            return
        now = time.monotonic_ns()
        recording.extend(data)
        stamps.append((now, len(recording) // 2))


reader = threading.Thread(target=read, daemon=True)
reader.start()
time.sleep(0.5)

played = 3 + count * 0.5 + count * 0.3
rest = max(0, int((seconds - played) * 2))
sections = ["%d@120" % count, "%d@200" % count] + (["%d@120" % rest] if rest else [])
say("playing %s (%.0f s)" % (" ".join(sections), played + rest / 2))
try:
    run = subprocess.run([bench, "clicks"] + sections, env=env, stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL, text=True, timeout=seconds + 120)
    output = run.stdout
except subprocess.TimeoutExpired as e:
    output = e.stdout or ""
time.sleep(0.5)
parec.kill()
reader.join(5)
subprocess.run(["pulseaudio", "--kill"], env=env, stderr=subprocess.DEVNULL)
shutil.rmtree(work, ignore_errors=True)

for line in output.splitlines():
    if line.startswith("ROW"):
        print(line, flush=True)
clicks = []  # (bpm, planned ns, left ns or None)
for line in output.splitlines():
    f = line.split("\t")
    if f[0] == "CLICK":
        clicks.append((int(f[2]), int(f[3]), None if f[4] == "-" else int(f[4])))
if not clicks or len(stamps) < 100:
    row("click onset against schedule", "no clicks or no recording", "p99 < 1 ms", False)
    sys.exit()

# The recording against the monotonic clock: the earliest arrival of every 5 s, fitted.
samples = array.array("h", bytes(recording[:len(recording) // 2 * 2]))
nominal = 1e9 / RATE
segment = 5 * RATE
best = {}
for arrival, end in stamps:
    k = end // segment
    value = arrival - end * nominal
    if k not in best or value < best[k][0]:
        best[k] = (value, end, arrival)
xs = [e for _, e, _ in best.values()]
ys = [a for _, _, a in best.values()]
mx, my = statistics.fmean(xs), statistics.fmean(ys)
slope = sum((x - mx) * (y - my) for x, y in zip(xs, ys)) / sum((x - mx) ** 2 for x in xs)
intercept = my - slope * mx
# The fit runs through the middle of the lowest points; the line itself lies under all.
intercept -= max(0.0, max(intercept + slope * x - y for x, y in zip(xs, ys)))
say("the sink's rate against the monotonic clock: %+.0f ppm" % ((nominal / slope - 1) * 1e6))


def sample_at(ns):
    return int(round((ns - intercept) / slope))


def onset_near(index, window):
    """The first loud sample within window samples either side of index (clicks are far
    further apart than that)."""
    lo, hi = max(0, index - window), min(len(samples), index + window)
    step = 441
    for a in range(lo, hi, step):
        chunk = samples[a:a + step]
        if chunk and (max(chunk) > LOUD or -min(chunk) > LOUD):
            for i in range(a, a + len(chunk)):
                if abs(samples[i]) > LOUD:
                    return i
    return None


# The delivery constant, from the first click heard (searched a second either way).
offset = None
for _, planned, _ in clicks:
    i = onset_near(sample_at(planned), RATE)
    if i is not None:
        offset = (intercept + slope * i) - planned
        break
if offset is None:
    row("click onset against schedule", "no click heard", "p99 < 1 ms", False)
    sys.exit()

heard = []  # (bpm, planned, left, onset ns)
missing = 0
for bpm, planned, left in clicks:
    if left is None:
        continue
    i = onset_near(sample_at(planned + offset), int(0.03 * RATE))
    if i is None:
        missing += 1
        continue
    heard.append((bpm, planned, left, intercept + slope * i))
errors = [(o - p) / 1e6 for _, p, _, o in heard]
median = statistics.median(errors)
say("onset less schedule, median (the monitor's delivery): %.2f ms" % median)
row("click onset less schedule, constant part (the null sink monitor's delivery)",
    "%.2f ms" % median, "(for information)", True)
row("clicks played but not found in the recording", "%d of %d" % (missing, len(clicks)), "0",
    missing == 0)

for bpm in (120, 200):
    section = [abs((o - p) / 1e6 - median) for b, p, _, o in heard[:2 * count] if b == bpm]
    if not section:
        continue
    p50, p99 = percentile(section, 50), percentile(section, 99)
    row("click onset against schedule at %d bpm, jitter p50 / p99" % bpm,
        "%.3f / %.3f ms (n=%d)" % (p50, p99, len(section)), "p99 < 1 ms", p99 < 1.0)

# What the track says about each click (ClickTrack::placed) against the recording.
told = [(o - l) / 1e6 for _, _, l, o in heard]
told_median = statistics.median(told)
spread = [abs(t - told_median) for t in told]
row("click left-for-the-speaker time as the track reports it, against the recording, p99",
    "%.3f ms (n=%d)" % (percentile(spread, 99), len(spread)), "p99 < 1 ms",
    percentile(spread, 99) < 1.0)

span = (heard[-1][1] - heard[0][1]) / 1e9
early = [(o - p) / 1e6 for _, p, _, o in heard if p - heard[0][1] < 20e9]
late = [(o - p) / 1e6 for _, p, _, o in heard if heard[-1][1] - p < 20e9]
drift = statistics.fmean(late) - statistics.fmean(early)
row("clicks against the monotonic clock after %.1f min: last 20 s less first 20 s" % (span / 60),
    "%+.3f ms" % drift, "within 2 ms", abs(drift) < 2.0)
