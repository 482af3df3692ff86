#!/usr/bin/python3
"""The any-three window through the accessibility bus, as a screen reader
user meets it: opened from the Triangle menu, the area 24, the perimeter
24 and C = 90 typed and ticked by their spoken names, Solve pressed, and
the result line and the report read back.

Run in a D-Bus session on an X display (with_desktop.sh, dbus-run-session),
with Debian's python3-pyatspi and the program's path in ANGLEWISE."""
import os
import subprocess
import tempfile
import time
import unittest

import pyatspi

PROGRAM = os.environ.get("ANGLEWISE", "anglewise")


def wait_for(predicate, seconds=15):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    return None


def find_in(root, name, role=None):
    return pyatspi.findDescendant(
        root, lambda a: a is not None and a.name == name and (role is None or a.getRoleName() == role))


class AnyThreeScreenReaderTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.config = tempfile.TemporaryDirectory()
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_CONFIG_HOME=cls.config.name, XDG_DATA_HOME=cls.config.name)
        cls.process = subprocess.Popen([PROGRAM], env=env, stderr=subprocess.DEVNULL)

        def application():
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.name == "Anglewise" and find_in(app, "Side X"):
                    return app
            return None

        cls.app = wait_for(application)
        assert cls.app is not None, "the window never showed on the accessibility bus"

    @classmethod
    def tearDownClass(cls):
        cls.process.terminate()
        cls.process.wait(timeout=10)
        cls.config.cleanup()

    def find(self, name, role=None, root=None):
        found = wait_for(lambda: find_in(root or self.app, name, role))
        self.assertIsNotNone(found, f"no {role or 'control'} named {name!r}")
        return found

    def act(self, accessible, action):
        actions = accessible.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        self.assertIn(action, names, f"{accessible.name!r} offers {names}")
        actions.doAction(names.index(action))

    def test_both_triangles_of_area_24_perimeter_24_and_a_right_angle(self):
        self.act(self.find("Solve from Any Three...", "menu item"), "Press")
        window = self.find("Solve from Any Three", "dialog")
        for name, text in (("Angle C", "90"), ("Area", "24"), ("Perimeter", "24")):
            self.find(name, "text", window).queryEditableText().setTextContents(text)
            box = self.find(name + " given", "check box", window)
            if not box.getState().contains(pyatspi.STATE_CHECKED):
                self.act(box, "Toggle")
        self.act(self.find("Solve", "push button", window), "Press")
        # The result line is read as its own sentence.
        result = wait_for(lambda: pyatspi.findDescendant(
            window, lambda a: a is not None and a.getRoleName() == "label"
            and a.name.startswith("Two triangles: C, area and perimeter fix two triangles")))
        self.assertIsNotNone(result, "no result line read as two triangles")
        report = self.find("Triangle Report text", None, window).queryText()
        text = report.getText(0, -1)
        self.assertIn("36.869897645844", text)
        self.assertIn("53.130102354156", text)


if __name__ == "__main__":
    unittest.main(verbosity=2)
