#!/usr/bin/env python3
"""The real program maps only what its window needs: after start none of the
report's arithmetic (Arb, FLINT, Calcium), cairo or the print system; the
first report loads the engine module from beside the program and shows.

Run on an X display with a window manager (with_desktop.sh), with the
program's path in ANGLEWISE."""
import os
import shutil
import subprocess
import tempfile
import time
import unittest

from placement_test import PROGRAM, Session, run

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


class MissingEngineTest(unittest.TestCase):
    """A program whose engine module is gone says so in one box and goes on."""

    def test_ctrl_r_tells_why_and_the_window_stays(self):
        with tempfile.TemporaryDirectory() as folder:
            program = shutil.copy(PROGRAM, folder)  # without anglewise-engine.so beside it
            env = dict(os.environ, XDG_CONFIG_HOME=folder, XDG_DATA_HOME=folder)
            process = subprocess.Popen([program], env=env, stderr=subprocess.DEVNULL)
            try:
                main = self.window_named(process, "Anglewise")
                run("xdotool", "windowactivate", "--sync", main)
                run("xdotool", "key", "--window", main, "ctrl+r")
                self.window_named(process, "Triangle Report Unavailable")
                self.assertIsNone(process.poll(), "the program ended")
            finally:
                process.kill()
                process.wait()

    def window_named(self, process, title):
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            ids = run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(process.pid),
                      "--name", f"^{title}$").split()
            if ids:
                return ids[0]
            self.assertIsNone(process.poll(), f"the program ended before \"{title}\" showed")
            time.sleep(0.1)
        self.fail(f"no window \"{title}\"")


if __name__ == "__main__":
    unittest.main()
