# SPDX-License-Identifier: GPL-3.0-or-later
"""The history commands over a school's history: --report, --export-history and
--import-history of the whole file, each run as a user runs it (the whole process, no
display), with the peak resident memory; then the file's size per strike.
Usage: history_commands.py PROGRAM HISTORY STRIKES WORKDIR; prints ROW lines."""
import os
import subprocess
import sys
import time

program, history, strikes, work = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
env = dict(os.environ, DISPLAY="")


def run(make_args, n):
    times, peak = [], 0
    for _ in range(n):
        t0 = time.monotonic()
        child = subprocess.Popen([program] + make_args(), env=env, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        # The child's own resource use, its peak resident memory among it.
        _, status, usage = os.wait4(child.pid, 0)
        times.append((time.monotonic() - t0) * 1000)
        peak = max(peak, usage.ru_maxrss)
        if os.waitstatus_to_exitcode(status) != 0:
            return None, None
    return sorted(times), peak / 1024.0


def show(figure, times, mb, target_ms, target_mb=None):
    target = "< %d ms" % target_ms + ("" if target_mb is None else ", < %d MB" % target_mb)
    if times is None:
        print("ROW\t%s\tfailed\t%s\tNO" % (figure, target))
        return
    met = times[-1] < target_ms and (target_mb is None or mb < target_mb)
    print("ROW\t%s, p50 / max; peak memory\t%.0f / %.0f ms (n=%d); %.0f MB\t%s\t%s"
          % (figure, times[(len(times) - 1) // 2], times[-1], len(times), mb, target,
             "yes" if met else "NO"))


csv = os.path.join(work, "history.csv")
subprocess.run([program, "--export-history", csv, "--history", history], env=env,
               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
count = [0]


def import_args():
    count[0] += 1
    return ["--import-history", csv, "--history",
            os.path.join(work, "imported-%d.sqlite" % count[0])]


t, mb = run(import_args, 3)
show("moravel --import-history, %d strikes into a new history" % strikes, t, mb, 8000, 100)
t, mb = run(lambda: ["--report", "--history", history], 5)
show("moravel --report, all players, %d strikes" % strikes, t, mb, 1000)
t, mb = run(lambda: ["--export-history", csv, "--history", history], 3)
show("moravel --export-history, %d strikes" % strikes, t, mb, 3000)
size = os.path.getsize(history)
print("ROW\tbytes per strike on disk (tasks and exercises included)\t%.0f (%.0f MB)\t< 120\t%s"
      % (size / strikes, size / 1e6, "yes" if size / strikes < 120 else "NO"))
