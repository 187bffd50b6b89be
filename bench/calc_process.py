#!/usr/bin/env python3
"""`orvane calc` timed as a whole process, start-up included.

Makes a project of --supports supports (the example line's supports over and
over, numbered 1, 2, ...) and one of a single support in a temporary folder,
runs the built program on each --runs times, its table written to a file, and
prints the least and the median wall time. The catalogue is the shipped one,
copied into a data folder of the run's own (ORVANE_DATA_DIR), so that the
user's folders are neither read nor written.

    python3 bench/calc_process.py [--build build] [--runs 20] [--supports 10000]
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

# The climate and coefficients, then the support count on this line (from 1).
COUNT_LINE = 18


def read_example(path):
    lines = path.read_bytes().split(b"\r\n")
    if lines[-1] == b"":
        lines.pop()
    head, count, body = lines[: COUNT_LINE - 1], int(lines[COUNT_LINE - 1]), lines[COUNT_LINE:]
    per_support = len(body) // count
    return head, [body[i * per_support : (i + 1) * per_support] for i in range(count)]


def write_project(path, head, supports, count):
    lines = head + [str(count).encode()]
    for i in range(count):
        support = list(supports[i % len(supports)])
        support[0] = str(i + 1).encode()  # the support number
        lines += support
    path.write_bytes(b"\r\n".join(lines) + b"\r\n")


def time_runs(program, project, runs, environment, output):
    command = [str(program), "calc", str(project), "--lang", "en"]
    times = []
    for _ in range(runs + 1):  # the first run copies the catalogue and warms the caches
        with open(output, "wb") as table:
            start = time.perf_counter()
            subprocess.run(command, stdout=table, env=environment, check=True)
            times.append(time.perf_counter() - start)
    return times[1:]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build", help="the build folder holding orvane")
    parser.add_argument("--runs", type=int, default=20)
    parser.add_argument("--supports", type=int, default=10000)
    options = parser.parse_args()

    build = Path(options.build).resolve()
    program = build / "orvane"
    example = Path(__file__).resolve().parent.parent / "examples" / "line_110kv_en.orv"
    if not program.exists():
        sys.exit(f"{program} is missing: build the program first")
    head, supports = read_example(example)

    with tempfile.TemporaryDirectory(prefix="orvane-calc-bench-") as folder:
        folder = Path(folder)
        environment = dict(os.environ, ORVANE_DATA_DIR=str(folder / "data"))
        for count in (options.supports, 1):
            project = folder / f"line_{count}.orv"
            write_project(project, head, supports, count)
            times = time_runs(program, project, options.runs, environment, folder / "table.txt")
            print(f"orvane calc, {count:>6} supports: min {min(times) * 1000:6.1f} ms, "
                  f"median {statistics.median(times) * 1000:6.1f} ms ({options.runs} runs)")


if __name__ == "__main__":
    main()
