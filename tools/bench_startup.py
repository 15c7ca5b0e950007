#!/usr/bin/env python3
"""Start-up benchmark: the program against a bare Qt window, under X.

Starts the two programs alternately, each time measuring the wall time from
the start of the process until its first top-level window is mapped (seen as
a MapNotify on the root window), until that window's content is first drawn
(its first Damage event: a mapped window is empty until the program has
painted it), and its peak resident memory (from wait4 after it has settled
and been closed). Prints the medians and the ratios, and then the first-open
time of every tool window.

Usage: bench_startup.py PROGRAM BARE BENCH_OPEN [RUNS]   (DISPLAY must be set)
"""
import os
import select
import signal
import statistics
import subprocess
import sys
import time

from Xlib import X, display
from Xlib.ext import damage

SETTLE = 0.4  # seconds a started program runs after mapping, before it is closed


# One connection for the whole run: an X server resets when its last client
# leaves, and a program started during the reset would fail to connect.
_display = None


def start_once(argv):
    global _display
    if _display is None:
        _display = display.Display()
        _display.damage_query_version()
        _display.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d = _display
    d.sync()
    while d.pending_events():  # what earlier runs left
        d.next_event()
    t0 = time.perf_counter()
    proc = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped = drawn = window = None
    deadline = t0 + 10
    while drawn is None and time.perf_counter() < deadline:
        while d.pending_events():
            ev = d.next_event()
            now = time.perf_counter() - t0
            if ev.type == X.CreateNotify:
                # Watch every new top-level window for drawing; the one mapped
                # first is the one measured.
                ev.window.damage_create(damage.DamageReportNonEmpty)
            elif ev.type == X.MapNotify and mapped is None:
                mapped, window = now, ev.window.id
            elif ev.type == d.extension_event.DamageNotify and window is not None and ev.drawable.id == window:
                drawn = now
        if drawn is None:
            select.select([d.fileno()], [], [], 0.05)
    time.sleep(SETTLE)
    proc.send_signal(signal.SIGTERM)
    _, _, usage = os.wait4(proc.pid, 0)
    if mapped is None or drawn is None:
        raise RuntimeError("no window mapped and drawn: " + " ".join(argv))
    return mapped * 1000.0, drawn * 1000.0, usage.ru_maxrss / 1024.0  # ms, ms, MiB


def main():
    if len(sys.argv) < 4:
        print(__doc__)
        return 2
    program, bare, bench_open = sys.argv[1:4]
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 15
    results = {"program": [], "bare": []}
    for _ in range(2):  # warm the file cache; not counted
        start_once([program])
        start_once([bare])
    for _ in range(runs):
        results["program"].append(start_once([program]))
        results["bare"].append(start_once([bare]))
    med = {k: [statistics.median(r[i] for r in v) for i in range(3)] for k, v in results.items()}
    print(f"runs: {runs} each, alternately")
    print(f"{'':10}{'mapped (ms)':>14}{'drawn (ms)':>14}{'peak RSS (MiB)':>17}")
    for k in ("program", "bare"):
        print(f"{k:10}{med[k][0]:14.1f}{med[k][1]:14.1f}{med[k][2]:17.1f}")
    ratio = [med["program"][i] / med["bare"][i] for i in range(3)]
    print(f"{'ratio':10}{ratio[0]:14.2f}{ratio[1]:14.2f}{ratio[2]:17.2f}")

    print("\nfirst open of each tool window (ms, median of 5 fresh starts):")
    index = 0
    while True:
        times = []
        for _ in range(5):
            out = subprocess.run([bench_open, str(index)], capture_output=True, text=True)
            if out.returncode == 2:
                break
            if out.returncode != 0:
                raise RuntimeError(f"bench_open {index} failed")
            times.append(float(out.stdout.strip()))
        if not times:
            break
        print(f"  launch {index:2}: {statistics.median(times):6.1f}")
        index += 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
