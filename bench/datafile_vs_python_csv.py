#!/usr/bin/env python3
"""Reading the largest data file (100 blocks x 500 drops): ReadDataFile against Python's csv module.

Runs the datafile benchmark binary, which writes the file and times its reader and writer, then times
Python 3's csv module reading the same file (CP932, every row into a list), and prints both and the
ratio. Each figure is the best of several runs, the one least disturbed by other work on the machine.
"""
import csv
import json
import os
import subprocess
import sys
import tempfile
import time

build_dir = os.environ.get("BUILD_DIR", "build-bench")
binary = os.path.join(build_dir, "bench", "datafile_bench")


def benchmark_best(path):
    run = subprocess.run(
        [binary, "--benchmark_repetitions=10", "--benchmark_format=json"],
        env=dict(os.environ, DATAFILE_BENCH_FILE=path), check=True, capture_output=True, text=True)
    best = {}
    for result in json.loads(run.stdout)["benchmarks"]:
        if result.get("run_type") == "iteration":
            name = result["run_name"]
            best[name] = min(best.get(name, float("inf")), result["real_time"])  # milliseconds
    return best


def python_csv_read_ms(path, repeats=20):
    times = []
    for _ in range(repeats):
        start = time.perf_counter()
        with open(path, encoding="cp932", newline="") as file:
            rows = list(csv.reader(file))
        times.append((time.perf_counter() - start) * 1000)
        assert len(rows) == 1 + 100 * 51
    return min(times)


def main():
    if not os.access(binary, os.X_OK):
        print(f"{binary} is missing: build with ./run bench", file=sys.stderr)
        return 1
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "largest.txt")
        best = benchmark_best(path)
        python_ms = python_csv_read_ms(path)
        size = os.path.getsize(path)
    read_ms = best["ReadLargestFile"]
    print(f"Largest data file (100 blocks x 500 drops, {size} bytes), best of repeated runs:")
    print(f"  ReadDataFile          {read_ms:8.3f} ms")
    print(f"  WriteDataFile         {best['WriteLargestFile']:8.3f} ms")
    print(f"  Python 3 csv reader   {python_ms:8.3f} ms")
    print(f"  ReadDataFile is {python_ms / read_ms:.1f} x faster than Python's csv (target: 10 x)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
