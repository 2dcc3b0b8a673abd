#!/usr/bin/env python3
"""The contact on the trigger port's DSR line, for the program running under
Wine with modem-lines.c preloaded: the line is the file named by
RUNDARO_WINE_DSR ("1" on). A lap shows as a new measured row in the race
file, which the program rewrites after every lap.

usage: trigger.py check <races folder>
         a running race: an edge takes a lap, an edge within the lockout
         takes none, an edge after it takes the next
       trigger.py measure <races folder> <edges>
         the time from each edge to its lap in the race file, p50 and p99
         (at most 12 edges: the default race has 15 laps)"""

import glob
import os
import sys
import time

LOCKOUT = 1.0  # the program's lockout after a trigger, in seconds


def set_dsr(on):
    path = os.environ["RUNDARO_WINE_DSR"]
    with open(path + ".new", "w") as f:
        f.write("1" if on else "0")
    os.replace(path + ".new", path)


def laps(folder):
    """Measured laps in the newest race file: rows after the set-up whose
    measured lap time (the sixth column) is filled."""
    files = sorted(glob.glob(os.path.join(folder, "*.csv")), key=os.path.getmtime)
    if not files:
        return 0
    try:
        with open(files[-1], encoding="utf-8") as f:
            rows = f.read().split("\n\n", 1)[-1].replace("\r", "").split("\n")[1:]
    except OSError:
        return 0  # being replaced
    return sum(1 for row in rows if len(row.split(";")) >= 9 and row.split(";")[5])


def wait_laps(folder, count, seconds):
    until = time.monotonic() + seconds
    while laps(folder) < count:
        if time.monotonic() > until:
            return False
        time.sleep(0.0005)
    return True


def edge(folder, before):
    """Closes the contact; returns the seconds until the lap was on disk."""
    start = time.monotonic()
    set_dsr(True)
    ok = wait_laps(folder, before + 1, 5)
    took = time.monotonic() - start
    set_dsr(False)
    return took if ok else None


def check(folder):
    failures = 0
    before = laps(folder)
    took = edge(folder, before)
    print(("ok:   DSR on takes a lap (on disk after %.1f ms)" % (took * 1000)) if took is not None
          else "FAIL: DSR on took no lap")
    failures += took is None
    time.sleep(0.3)
    set_dsr(True)
    time.sleep(0.3)
    set_dsr(False)
    time.sleep(LOCKOUT)
    locked = laps(folder) == before + 1
    print(("ok:   " if locked else "FAIL: ") + "DSR on within the lockout takes no lap")
    failures += not locked
    took = edge(folder, before + 1)
    print(("ok:   DSR on after the lockout takes the next lap") if took is not None
          else "FAIL: DSR on after the lockout took no lap")
    failures += took is None
    return 1 if failures else 0


def measure(folder, count):
    times = []
    for _ in range(count):
        time.sleep(LOCKOUT + 0.1)
        took = edge(folder, laps(folder))
        if took is None:
            print("FAIL: an edge took no lap")
            return 1
        times.append(took * 1000)
    times.sort()
    pick = lambda q: times[min(len(times) - 1, int(q * len(times)))]
    print("edge to lap on disk under Wine, %d edges: p50 %.2f ms, p99 %.2f ms, max %.2f ms (%s)"
          % (count, pick(0.5), pick(0.99), times[-1], " ".join("%.2f" % t for t in times)))
    return 0


if __name__ == "__main__":
    if sys.argv[1] == "check":
        sys.exit(check(sys.argv[2]))
    sys.exit(measure(sys.argv[2], int(sys.argv[3])))
