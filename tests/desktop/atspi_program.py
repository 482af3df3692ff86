"""The real program on the accessibility bus, for the screen-reader tests:
started with accessibility on and settings of its own, found on the bus by
its main window, controls found by accessible name (and role) and worked
through their accessible actions.

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


class ProgramTest(unittest.TestCase):
    """One program for the class's tests; `settings` is the settings file's
    text at its start (None for none)."""
    settings = None

    @classmethod
    def setUpClass(cls):
        cls.config = tempfile.TemporaryDirectory()
        if cls.settings is not None:
            os.makedirs(os.path.join(cls.config.name, "Anglewise"))
            with open(os.path.join(cls.config.name, "Anglewise", "Anglewise.ini"), "w") as ini:
                ini.write(cls.settings)
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
