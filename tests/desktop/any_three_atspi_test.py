#!/usr/bin/python3
"""The any-three window through the accessibility bus, as a screen reader
user meets it: opened from the Triangle menu, the area 24, the perimeter
24 and C = 90 typed and ticked by their spoken names, Solve pressed, and
the result line and the report read back.

Run in a D-Bus session on an X display (with_desktop.sh, dbus-run-session),
with Debian's python3-pyatspi and the program's path in ANGLEWISE."""
import unittest

import pyatspi

from atspi_program import ProgramTest, wait_for


class AnyThreeScreenReaderTest(ProgramTest):
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
