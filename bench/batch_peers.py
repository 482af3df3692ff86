#!/usr/bin/python3
"""Batch against its peers on the same three-sides rows, in one run: the
to_chars floor (anglewise_floor), a plain Python loop and pandas with numpy
(bench/peers/), and batch on one and on two threads. Prints rows a second,
peak memory and the ratios the README quotes; the outputs of --jobs 1 and
--jobs 2 must be the same bytes. Two copies of --jobs 1 run side by side
show what the machine's second core gives processes that share nothing.
Batch, the floor and the two copies keep the fastest of three runs.

Usage: bench/batch_peers.py BUILD_DIR [ROWS]   (default a million rows)
"""
import os
import random
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def three_sides_rows(path, count):
    """Oblique rows of three measured sides (three decimals) of random
    triangles of every shape, the window's columns."""
    pick = random.Random(20261207)
    with open(path, "w") as out:
        out.write("id,kind,X,Y,Z\n")
        for i in range(count):
            while True:
                x, y, z = (round(pick.uniform(0.5, 999.5), 3) for _ in range(3))
                if x + y > z and y + z > x and x + z > y:
                    break
            out.write("r%d,oblique,%s,%s,%s\n" % (i + 1, x, y, z))


def high_water(pid):
    """The process's peak resident kilobytes so far (its own, not the
    forking parent's, which a child's rusage would include)."""
    try:
        with open("/proc/%d/status" % pid) as status:
            for line in status:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


def run(command, rows_path, output_path):
    """Wall seconds and peak resident kilobytes of one run."""
    with open(rows_path) as rows, open(output_path, "wb") as out:
        start = time.perf_counter()
        child = subprocess.Popen(command, stdin=rows, stdout=out)
        peak = 0
        while child.poll() is None:
            peak = max(peak, high_water(child.pid))
            time.sleep(0.01)
        seconds = time.perf_counter() - start
    if child.returncode != 0:
        sys.exit("%s failed with status %d" % (command[0], child.returncode))
    return seconds, peak


def two_at_once(command, rows_path, output_path):
    """Wall seconds of two copies of one command run side by side, each on
    the whole input: what two cores give two processes that share nothing."""
    outputs = [output_path + ".%d" % i for i in range(2)]
    start = time.perf_counter()
    children = []
    for output in outputs:
        with open(rows_path) as rows, open(output, "wb") as out:
            children.append(subprocess.Popen(command, stdin=rows, stdout=out))
    for child in children:
        if child.wait() != 0:
            sys.exit("%s failed with status %d" % (command[0], child.returncode))
    return time.perf_counter() - start


def same_rows(first, second):
    with open(first, "rb") as a, open(second, "rb") as b:
        pairs = list(zip(a.read().split(b"\r\n"), b.read().split(b"\r\n")))
    return sum(x == y for x, y in pairs[1:]), len(pairs) - 1


def main():
    build = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 1000000
    cli = os.path.join(build, "cli", "anglewise-cli")
    floor = os.path.join(build, "bench", "anglewise_floor")
    python = "/usr/bin/python3"
    with tempfile.TemporaryDirectory() as folder:
        rows = os.path.join(folder, "rows.csv")
        three_sides_rows(rows, count)
        peers = [
            ("batch --jobs 1", [cli, "batch", "--jobs", "1"]),
            ("batch --jobs 2", [cli, "batch", "--jobs", "2"]),
            ("to_chars floor", [floor]),
            ("Python loop", [python, os.path.join(HERE, "peers", "python_loop.py"), rows]),
            ("pandas and numpy", [python, os.path.join(HERE, "peers", "pandas_peer.py"), rows]),
        ]
        # The quick ones take turns three times and keep their fastest run,
        # so that one slow moment of a shared machine moves no ratio.
        quick = ("batch --jobs 1", "batch --jobs 2", "to_chars floor")
        timed, peaks = {}, {}  # the fastest run's seconds; the highest peak
        for turn in range(3):
            for name, command in peers:
                if turn > 0 and name not in quick:
                    continue
                output = os.path.join(folder, name.replace(" ", "_") + ".csv")
                seconds, kilobytes = run(command, rows, output)
                peaks[name] = max(kilobytes, peaks.get(name, 0))
                if name not in timed or seconds < timed[name][0]:
                    timed[name] = (seconds, output)
        for name, _ in peers:
            seconds, kilobytes = timed[name][0], peaks[name]
            print("%-18s %10.0f rows/s %8.1f MB" % (name, count / seconds, kilobytes / 1024))
        one = timed["batch --jobs 1"][0]
        copies = min(two_at_once([cli, "batch", "--jobs", "1"], rows, os.path.join(folder, "copies"))
                     for _ in range(3))
        with open(timed["batch --jobs 1"][1], "rb") as a, open(timed["batch --jobs 2"][1], "rb") as b:
            identical = a.read() == b.read()
        equal, total = same_rows(timed["batch --jobs 1"][1], timed["to_chars floor"][1])
        print("batch over the floor (one core): %.2f" % (timed["to_chars floor"][0] / one))
        print("batch over the Python loop: %.1f" % (timed["Python loop"][0] / one))
        print("batch over pandas and numpy: %.1f" % (timed["pandas and numpy"][0] / one))
        print("--jobs 2 over --jobs 1: %.2f, the same bytes: %s" %
              (one / timed["batch --jobs 2"][0], "yes" if identical else "NO"))
        print("two copies of --jobs 1 at once over one: %.2f (the machine's own two-core ratio)" %
              (2 * one / copies))
        print("rows the floor writes as batch does: %d of %d" % (equal, total))
        if not identical:
            sys.exit(1)


if __name__ == "__main__":
    main()
