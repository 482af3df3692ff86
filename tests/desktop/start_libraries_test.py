#!/usr/bin/env python3
"""The real program maps only what its window needs: after start none of the
report's arithmetic (Arb, FLINT, Calcium), cairo or the print system; the
first report loads the engine module from beside the program and shows.

Run on an X display with a window manager (with_desktop.sh), with the
program's path in ANGLEWISE."""
import os
import subprocess
import tempfile
import time
import unittest

from placement_test import Session, run

# Libraries a start must leave alone, by the start of their file names.
LOADED_LATER = ("anglewise-engine.so", "libflint", "libcalcium", "libmpfr", "libgmp.so",
                "libntl", "libcairo", "libpixman", "libcups")
REPORT_NEEDS = ("anglewise-engine.so", "libflint-arb", "libcalcium", "libcairo")


def mapped_files(pid):
    with open(f"/proc/{pid}/maps") as maps:
        return {os.path.basename(line.split()[-1]) for line in maps if "/" in line}


def mapped_of(names, prefixes):
    """Which of `prefixes` begin the name of a mapped file."""
    return sorted({p for n in names for p in prefixes if n.startswith(p)})


class StartLibrariesTest(unittest.TestCase):
    def setUp(self):
        self._config = tempfile.TemporaryDirectory()
        self.session = Session(self._config.name)

    def tearDown(self):
        self.session.close()
        self._config.cleanup()

    def report_window(self):
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            ids = run("xdotool", "search", "--onlyvisible", "--pid", str(self.session.process.pid))
            for window in ids.split():
                if "Triangle Report" in run("xwininfo", "-id", window):
                    return window
            time.sleep(0.1)
        return None

    def test_the_report_engine_is_loaded_by_the_first_report_not_at_start(self):
        pid = self.session.process.pid
        self.assertEqual(mapped_of(mapped_files(pid), LOADED_LATER), [])
        run("xdotool", "windowactivate", "--sync", self.session.window)
        run("xdotool", "key", "--window", self.session.window, "ctrl+r")
        self.assertIsNotNone(self.report_window(), "Ctrl+R showed no report window")
        self.assertEqual(mapped_of(mapped_files(pid), REPORT_NEEDS), sorted(REPORT_NEEDS))


if __name__ == "__main__":
    unittest.main()
