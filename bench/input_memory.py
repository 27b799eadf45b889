#!/usr/bin/env python3
"""Peak memory of the command-line jobs for the largest input of each kind they accept.

Each input is just below its kind's limit (data file 64 MiB, counter text 8 MiB, dump 1 MiB) and is
shaped so that the reader has to hold it whole: one huge survey text, thousands of records, a dump of
repeated records. Reports the job's exit code, its peak resident memory and the ratio of the memory
above a job on a tiny input to the input's size. Target: at most 4 x the input size plus a constant.
"""
import os
import sys
import tempfile

BIN = os.path.abspath(os.path.join(os.environ.get("BUILD_DIR", "build"), "bin"))
PROGRAM = os.path.join(BIN, "terrako-diagraph")
MIB = 1024 * 1024


def data_file(size):
    head = b'"KORVANDEL",1,"EXT"\n1,"'
    tail = ('","佐藤","2024","05","12","右岸","No.1","50cm",3\n" 1.235"," .35"," 12"' + ',"0"' * 7 +
            "\n").encode("cp932")
    return head + "区".encode("cp932") * ((size - len(head) - len(tail)) // 2) + tail


def counter_text(size):
    """Records of 500 readings each, numbered 1 to 255 over and over, and the control line."""
    body = b"1.0 " * 500 + b"\r\n\r\n"
    count = (size - 40) // (len(body) + 24)
    records = b"".join(b"%03d 11/05 12:07 500 .0\r\n" % (record % 255 + 1) + body for record in range(count))
    return records + "GGT 制御番号  %04d 0006\r\n".encode("cp932") % count


def dump(size):
    with open(os.path.join(os.path.dirname(__file__), "..", "fuzz", "corpus", "dump",
                           "one-record.tmp"), "rb") as seed:
        record = seed.read()
    return record * (size // len(record))


def peak_kib(arguments):
    """Runs one job in a fresh child and returns its exit code and peak resident set in KiB."""
    pid = os.fork()
    if pid == 0:
        devnull = os.open(os.devnull, os.O_WRONLY)
        os.dup2(devnull, 1)
        os.dup2(devnull, 2)
        os.execv(PROGRAM, [PROGRAM] + arguments)
    _, status, usage = os.wait4(pid, 0)
    return os.waitstatus_to_exitcode(status), usage.ru_maxrss


def main():
    cases = [("data file", "dump", data_file, 64 * MIB), ("data file", "resave", data_file, 64 * MIB),
             ("counter text", "import", counter_text, 8 * MIB), ("dump", "convert", dump, 1 * MIB)]
    with tempfile.TemporaryDirectory() as folder:
        print(f"{'input':<13} {'job':<8} {'size':>10} {'exit':>4} {'peak':>10} {'tiny':>9} {'(peak-tiny)/size':>17}")
        for name, job, make, limit in cases:
            results = []
            for label, size in (("tiny", 1024), ("largest", limit - 1)):
                path = os.path.join(folder, f"{job}-{label}")
                with open(path, "wb") as out:
                    out.write(make(size)[:size])
                arguments = [job, path] + ([] if job == "dump" else [os.path.join(folder, "out")])
                results.append((os.path.getsize(path), *peak_kib(arguments)))
            (_, _, tiny), (size, code, peak) = results
            ratio = (peak - tiny) * 1024 / size
            print(f"{name:<13} {job:<8} {size / MIB:>8.2f}MB {code:>4} {peak / 1024:>8.1f}MB "
                  f"{tiny / 1024:>7.1f}MB {ratio:>17.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
