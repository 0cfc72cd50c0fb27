# SPDX-License-Identifier: GPL-3.0-or-later
"""Another writer beside a long --import-history into the same file, as a running program's
history writer is while a teacher imports a class: a short write transaction every 50 ms
for as long as the import runs, each timed from BEGIN IMMEDIATE to its COMMIT. It waits for
the file as the program's writer does, looking again every 2 ms.
Usage: import_contention.py PROGRAM CSV STRIKES WORKDIR; prints ROW lines."""
import os
import sqlite3
import subprocess
import sys
import time

program, csv, strikes, work = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
env = dict(os.environ, DISPLAY="")
history = os.path.join(work, "contended.sqlite")
header = os.path.join(work, "header.csv")
with open(csv, "rb") as f, open(header, "wb") as out:
    out.write(f.readline())
# The history made by the program itself (an import of nothing), with a table of the probe's.
subprocess.run([program, "--import-history", header, "--history", history], env=env,
               stdout=subprocess.DEVNULL, check=True)
db = sqlite3.connect(history, isolation_level=None, timeout=0)
db.execute("CREATE TABLE IF NOT EXISTS probe (at REAL)")

importer = subprocess.Popen([program, "--import-history", csv, "--history", history], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
waits = []
t0 = time.monotonic()
while importer.poll() is None:
    start = time.monotonic()
    while True:
        try:
            db.execute("BEGIN IMMEDIATE")
            break
        except sqlite3.OperationalError:
            time.sleep(0.002)
    db.execute("INSERT INTO probe VALUES (?)", (start,))
    db.execute("COMMIT")
    waits.append((time.monotonic() - start) * 1000)
    time.sleep(0.05)
took = (time.monotonic() - t0) * 1000
waits.sort()
if importer.returncode != 0 or not waits:
    print("ROW\ta writer beside --import-history of %d strikes: longest wait\tfailed\t< 1000 ms\tNO"
          % strikes)
    sys.exit(0)
p99 = waits[min(len(waits) - 1, int(len(waits) * 0.99))]
print("ROW\ta writer beside --import-history of %d strikes (%.0f ms): longest wait, p99\t"
      "%.0f ms, %.0f ms (n=%d)\t< 1000 ms\t%s"
      % (strikes, took, waits[-1], p99, len(waits), "yes" if waits[-1] < 1000 else "NO"))
