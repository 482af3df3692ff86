#!/usr/bin/python3
"""solve_frame against anglewise-cli batch and against the same solve in
pandas and numpy, in one run, on the same rows (the survey-like mix of
conftest.mixed_rows): rows a second for each, and the ratios.

Usage: PYTHONPATH=build/python bench/python_frame_bench.py build/cli/anglewise-cli [ROWS]
"""
import io
import subprocess
import sys
import tempfile
import time

import numpy
import pandas

import anglewise

sys.path.insert(0, __file__.rsplit("/", 2)[0] + "/tests/python")
from conftest import mixed_rows  # noqa: E402


def pandas_solve(frame):
    """Three sides or two legs in numpy: the twelve results as text, no
    exact rounding, no window: the peer a pandas user would write."""
    x, y, z = (pandas.to_numeric(frame[c], errors="coerce").to_numpy() for c in "XYZ")
    right = frame["kind"].to_numpy() == "right"
    z = numpy.where(right, numpy.hypot(x, y), z)
    a = numpy.degrees(numpy.arccos((z * z + x * x - y * y) / (2 * x * z)))
    b = numpy.degrees(numpy.arcsin(numpy.sin(numpy.radians(a)) * x / y))
    c = 180 - a - b
    s = (x + y + z) / 2
    area = numpy.sqrt(s * (s - x) * (s - y) * (s - z))
    out = pandas.DataFrame({"id": frame["id"]})
    for name, values in (("xlen", x), ("yhei", y), ("zrad", z), ("adec", a), ("bdec", b),
                         ("c90dec", c), ("theArea", area)):
        out[name] = numpy.char.mod("%.12g", values)
    return out


def main():
    cli = sys.argv[1]
    rows = int(sys.argv[2]) if len(sys.argv) > 2 else 1000000
    csv = mixed_rows(rows)
    frame = pandas.read_csv(io.StringIO(csv), dtype=str, keep_default_na=False)
    def timed(run):
        start = time.perf_counter()
        run()
        return time.perf_counter() - start

    # Each in turn, five times, the fastest of each kept: this machine's
    # speed drifts more than the three differ.
    with tempfile.NamedTemporaryFile("w", suffix=".csv") as file:
        file.write(csv)
        file.flush()
        runs = {"batch": [], "framed": [], "peer": [], "batch all": [], "framed all": []}
        for _ in range(5):
            for jobs, suffix in ((1, ""), (None, " all")):
                flags = [] if jobs is None else ["--jobs", str(jobs)]
                runs["batch" + suffix].append(timed(lambda: subprocess.run(
                    [cli, "batch", *flags, file.name], stdout=subprocess.DEVNULL, check=False)))
                runs["framed" + suffix].append(timed(lambda: anglewise.solve_frame(frame,
                                                                                   jobs=jobs)))
            runs["peer"].append(timed(lambda: pandas_solve(frame)))
    best = {name: min(seconds) for name, seconds in runs.items()}
    for name, key in (("anglewise-cli batch --jobs 1", "batch"),
                      ("anglewise.solve_frame(jobs=1)", "framed"),
                      ("anglewise-cli batch, every core", "batch all"),
                      ("anglewise.solve_frame(), every core", "framed all"),
                      ("pandas and numpy", "peer")):
        print("%-36s %10.0f rows a second" % (name, rows / best[key]))
    print("solve_frame / batch: %.2f on one thread, %.2f on every core; solve_frame / pandas: %.2f"
          % (best["batch"] / best["framed"], best["batch all"] / best["framed all"],
             best["peer"] / best["framed"]))

if __name__ == "__main__":
    main()
