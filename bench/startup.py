#!/usr/bin/env python3
"""Start-up to the first painted main window, side by side with a bare QMainWindow started the same way.

Each start is a fresh process that ends at its window's first paint; the figure is the median wall
time over many alternating starts. Target: the application within 1.25 times a bare window with one
Japanese label (which pays for loading the fonts, as the application must).
"""
import os
import statistics
import subprocess
import time

RUNS = 30
probe = os.path.join(os.environ.get("BUILD_DIR", "build-bench"), "bin", "firstpaint")
env = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))


def start(mode):
    begin = time.perf_counter()
    subprocess.run([probe, mode], env=env, check=True, stderr=subprocess.DEVNULL)
    return time.perf_counter() - begin


times = {"bare": [], "label": [], "main": []}
for mode in times:
    start(mode)  # warm the file cache
for _ in range(RUNS):
    for mode in times:
        times[mode].append(start(mode))
bare, label, main = (statistics.median(times[mode]) * 1000 for mode in ("bare", "label", "main"))
print(f"startup to first paint (median of {RUNS}): terrako-diagraph {main:.1f} ms, "
      f"bare QMainWindow {bare:.1f} ms, ratio {main / bare:.2f}; "
      f"bare window with one Japanese label {label:.1f} ms, ratio {main / label:.2f} (target <= 1.25)")
