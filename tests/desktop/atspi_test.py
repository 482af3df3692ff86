#!/usr/bin/python3
"""The real window through the accessibility bus, as a screen reader uses it:
controls found by their accessible names, values set and boxes ticked
through accessible actions, the result read back.

Run in a D-Bus session on an X display (with_desktop.sh, dbus-run-session),
with Debian's python3-pyatspi and the program's path in ANGLEWISE."""
import os
import subprocess
import tempfile
import time
import unittest

import pyatspi

PROGRAM = os.environ.get("ANGLEWISE", "anglewise")
ROLES_THAT_NEED_NAMES = {"text", "check box", "push button", "radio button"}


def wait_for(predicate, seconds=15):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    return None


class ScreenReaderTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.config = tempfile.TemporaryDirectory()
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_CONFIG_HOME=cls.config.name, XDG_DATA_HOME=cls.config.name)
        cls.process = subprocess.Popen([PROGRAM], env=env, stderr=subprocess.DEVNULL)

        def application():
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.name == "Anglewise" and cls.find_in(app, "Side X"):
                    return app
            return None

        cls.app = wait_for(application)
        assert cls.app is not None, "the window never showed on the accessibility bus"

    @classmethod
    def tearDownClass(cls):
        cls.process.terminate()
        cls.process.wait(timeout=10)
        cls.config.cleanup()

    @staticmethod
    def find_in(root, name):
        return pyatspi.findDescendant(root, lambda a: a is not None and a.name == name)

    def find(self, name):
        found = self.find_in(self.app, name)
        self.assertIsNotNone(found, f"no control named {name!r}")
        return found

    def act(self, name, action):
        control = self.find(name)
        actions = control.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        self.assertIn(action, names, f"{name!r} offers {names}")
        actions.doAction(names.index(action))

    def test_a_every_control_has_a_name(self):
        unnamed = []

        def visit(node):
            if node is None:
                return
            if node.getRoleName() in ROLES_THAT_NEED_NAMES and not node.name:
                unnamed.append(node.getRoleName())
            for child in node:
                visit(child)

        visit(self.app)
        self.assertEqual(unnamed, [])
        self.assertEqual(self.find("X given").description, "Side X is given")

    def test_b_solves_three_four_five_through_accessible_actions(self):
        self.act("Right Angle Triangle", "Toggle")
        self.find("Side X").queryEditableText().setTextContents("3")
        self.act("X given", "Toggle")
        self.find("Side Y").queryEditableText().setTextContents("4")
        self.act("Y given", "Toggle")
        self.act("Display", "Press")
        z = self.find("Z result")
        self.assertEqual(wait_for(lambda: z.description == " 5" and z.description), " 5")
        self.assertEqual(self.find("Figure").description,
                         "Right triangle, X 3, Y 4, Z 5, A 53.130102354156, "
                         "B 36.869897645844, C 90")


if __name__ == "__main__":
    unittest.main(verbosity=2)
