#!/usr/bin/env python3
"""The real program under a real window manager: the stored placement is
the outer frame, it survives restarts unchanged, and it is always on screen.

Run on an X display with a window manager (with_desktop.sh), with the
program's path in ANGLEWISE."""
import configparser
import os
import subprocess
import tempfile
import time
import unittest

PROGRAM = os.environ.get("ANGLEWISE", "anglewise")
SCREEN = (1280, 1024)
TWIPS_PER_PIXEL = 15


def run(*args):
    return subprocess.run(args, capture_output=True, text=True).stdout


def window_type(window):
    return run("xprop", "-id", window, "_NET_WM_WINDOW_TYPE")


def frame_of(window):
    """The window's outer frame (x, y, width, height) as the screen shows it."""
    info = {}
    for line in run("xwininfo", "-id", window).splitlines():
        key, _, value = line.strip().partition(":")
        info[key] = value.strip()
    extents = run("xprop", "-id", window, "_NET_FRAME_EXTENTS").partition("=")[2]
    if not extents.strip():
        return None
    left, right, top, bottom = (int(v) for v in extents.split(","))
    x, y = int(info["Absolute upper-left X"]), int(info["Absolute upper-left Y"])
    w, h = int(info["Width"]), int(info["Height"])
    return (x - left, y - top, w + left + right, h + top + bottom)


class Session:
    """One start of the program, up to its main window settling on screen."""

    def __init__(self, config):
        env = dict(os.environ, XDG_CONFIG_HOME=config, XDG_DATA_HOME=config)
        self.process = subprocess.Popen([PROGRAM], env=env, stderr=subprocess.DEVNULL)
        self.window = self._main_window()
        self.frame = self._settled_frame()

    def _main_window(self):
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            ids = run("xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid))
            for window in ids.split():
                if "SPLASH" not in window_type(window) and run("xwininfo", "-id", window).count(
                        '"Anglewise"'):
                    return window
            time.sleep(0.1)
        raise AssertionError("the main window never showed")

    def _settled_frame(self):
        last, same = None, 0
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline and same < 5:
            frame = frame_of(self.window)
            same = same + 1 if frame is not None and frame == last else 0
            last = frame
            time.sleep(0.1)
        return last

    def maximize(self):
        run("wmctrl", "-i", "-r", hex(int(self.window)), "-b", "add,maximized_vert,maximized_horz")
        self.frame = self._settled_frame()

    def close(self):
        run("wmctrl", "-i", "-c", hex(int(self.window)))  # the window's close box
        assert self.process.wait(timeout=90) == 0  # a sanitizer build under load is slow to close


class PlacementTest(unittest.TestCase):
    def setUp(self):
        self._config = tempfile.TemporaryDirectory()
        self.config = self._config.name

    def tearDown(self):
        self._config.cleanup()

    def stored(self):
        ini = configparser.ConfigParser()
        ini.optionxform = str
        ini.read(os.path.join(self.config, "Anglewise", "Anglewise.ini"))
        return dict(ini["Settings"]) if ini.has_section("Settings") else {}

    def store(self, **values):
        os.makedirs(os.path.join(self.config, "Anglewise"), exist_ok=True)
        with open(os.path.join(self.config, "Anglewise", "Anglewise.ini"), "w") as f:
            f.write("[Settings]\n" + "".join(f"{k}={v}\n" for k, v in values.items()))

    def start_and_close(self):
        session = Session(self.config)
        session.close()
        return session.frame, self.stored()

    def assertOnScreen(self, frame):
        x, y, w, h = frame
        self.assertTrue(x >= 0 and y >= 0 and x + w <= SCREEN[0] and y + h <= SCREEN[1],
                        f"frame {frame} is not wholly on the {SCREEN} screen")

    def test_first_run_puts_the_frame_corner_at_48_0_twips_and_restarts_keep_it(self):
        runs = [self.start_and_close() for _ in range(3)]
        frames = [frame for frame, _ in runs]
        self.assertEqual(frames[0], (3, 0, 560, 425))  # 48, 0, 8400, 6372 twips
        self.assertOnScreen(frames[0])
        self.assertEqual(frames, [frames[0]] * 3)
        self.assertEqual([values for _, values in runs], [runs[0][1]] * 3)
        self.assertEqual(runs[0][1], {"MainLeft": "45", "MainTop": "0", "MainWidth": "8400",
                                      "MainHeight": "6375"})

    def test_stored_values_are_the_outer_frame(self):
        self.store(MainLeft="1500", MainTop="900", MainWidth="9000", MainHeight="7200")
        frame, values = self.start_and_close()
        self.assertEqual(frame, (100, 60, 600, 480))
        self.assertEqual(values, {"MainLeft": "1500", "MainTop": "900", "MainWidth": "9000",
                                  "MainHeight": "7200"})

    def test_after_a_maximized_close_the_next_start_is_wholly_on_screen(self):
        session = Session(self.config)
        session.maximize()
        session.close()
        width, height = (TWIPS_PER_PIXEL * n for n in SCREEN)
        self.assertEqual(self.stored(), {"MainLeft": "0", "MainTop": "0",
                                         "MainWidth": str(width), "MainHeight": str(height)})
        frame, _ = self.start_and_close()
        self.assertEqual(frame, (0, 0) + SCREEN)  # the status bar along the screen's bottom

    def test_a_placement_larger_than_the_screen_is_fitted_and_saved_fitted(self):
        self.store(MainLeft="-3000", MainTop="600", MainWidth="491505", MainHeight="30000")
        frame, values = self.start_and_close()
        self.assertEqual(frame, (0, 0) + SCREEN)
        self.assertEqual(values["MainWidth"], str(SCREEN[0] * TWIPS_PER_PIXEL))
        self.assertEqual(values["MainHeight"], str(SCREEN[1] * TWIPS_PER_PIXEL))


if __name__ == "__main__":
    unittest.main(verbosity=2)
