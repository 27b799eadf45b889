#!/usr/bin/env python3
"""A full counter transfer (receive and write phase) against the counter emulator without baud pacing.

Reports the wall time of `terrako-diagraph receive --erase` against its floor, 959 pacing intervals of
10 ms plus the line time (the same exchange without pauses, measured here on a fresh emulator), and the
CPU time the process used. Targets: wall at most 1.05 x floor, CPU at most 2 % of wall.
"""
import os
import subprocess
import sys
import tempfile
import time
import tty

BIN = os.path.abspath(os.path.join(os.environ.get("BUILD_DIR", "build"), "bin"))
EMULATOR = os.path.join(BIN, "counter-emulator")
PROGRAM = os.path.join(BIN, "terrako-diagraph")
RUNS = 5
PACING = 959 * 0.010


EMULATORS = []


def start_emulator():
    emulator = subprocess.Popen([EMULATOR, "--delay", "0"], stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, text=True)
    EMULATORS.append(emulator)
    return emulator, emulator.stdout.readline().strip()


def read_at_least(fd, count):
    received = b""
    while len(received) < count:
        received += os.read(fd, 4096)
    return received


def line_time():
    """The whole exchange as fast as the line allows: no pause before the requests."""
    emulator, device = start_emulator()
    fd = os.open(device, os.O_RDWR | os.O_NOCTTY)
    tty.setraw(fd)
    start = time.monotonic()
    read_at_least(fd, 33)
    for _ in range(2, 961):
        os.write(fd, b"A")
        read_at_least(fd, 32)
    os.write(fd, b"A")
    read_at_least(fd, 1)
    for _ in range(1024):
        os.write(fd, b"\xff")
        read_at_least(fd, 1)
    elapsed = time.monotonic() - start
    os.close(fd)
    emulator.wait()
    return elapsed


def transfer(folder):
    emulator, device = start_emulator()
    start = time.monotonic()
    job = subprocess.Popen([PROGRAM, "receive", "--port", device, "--erase"], cwd=folder,
                           stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(job.pid, 0)
    wall = time.monotonic() - start
    emulator.wait()
    if os.waitstatus_to_exitcode(status) != 0 or emulator.returncode != 0:
        sys.exit(f"transfer failed: job status {status}, emulator status {emulator.returncode}")
    return wall, usage.ru_utime + usage.ru_stime


def main():
    line = min(line_time() for _ in range(RUNS))
    floor = PACING + line
    with tempfile.TemporaryDirectory() as folder:
        runs = [transfer(folder) for _ in range(RUNS)]
    walls = sorted(wall for wall, _ in runs)
    cpus = sorted(cpu for _, cpu in runs)
    wall, cpu = walls[RUNS // 2], cpus[RUNS // 2]
    print(f"counter transfer, receive and write phase, no baud pacing (median of {RUNS} runs)")
    print(f"  line time (exchange without pauses): {line:7.3f} s")
    print(f"  floor (959 x 10 ms + line time):     {floor:7.3f} s")
    print(f"  wall:  {wall:7.3f} s = {wall / floor:.3f} x floor   (target <= 1.05)"
          f"   runs: {', '.join(f'{w:.3f}' for w in walls)}")
    print(f"  CPU:   {cpu:7.3f} s = {100 * cpu / wall:.2f} % of wall (target <= 2 %)")


if __name__ == "__main__":
    try:
        main()
    finally:
        for emulator in EMULATORS:
            if emulator.poll() is None:
                emulator.kill()
                emulator.wait()
