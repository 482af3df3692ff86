#!/usr/bin/python3
"""The report's figure through the accessibility bus, as a screen reader
finds it: X = 10, Y = 6, A = 30 solved through accessible actions, the
report opened from the Triangle menu, the incircle ticked, and every
element of the figure listed by name with its description.

Run in a D-Bus session on an X display (with_desktop.sh, dbus-run-session),
with Debian's python3-pyatspi and the program's path in ANGLEWISE."""
import unittest

import pyatspi

from atspi_program import ProgramTest, wait_for


class ReportFigureScreenReaderTest(ProgramTest):
    settings = "[Triangle]\nOverlays=heights\n"  # ticked in an earlier session

    def solve_and_open_the_report(self):
        self.act(self.find("Obligue Angle Triangle"), "Toggle")
        for box, text in (("Side X", "10"), ("Side Y", "6"), ("Angle A", "30")):
            self.find(box).queryEditableText().setTextContents(text)
        for given in ("X given", "Y given", "A given"):
            self.act(self.find(given), "Toggle")
        self.act(self.find("Display"), "Press")
        self.act(self.find("Triangle Report", "menu item"), "Press")
        return self.find("Triangle Report figure", "list")

    def items(self, figure):
        return {child.name: child.description for child in figure if child is not None}

    def test_every_element_of_the_figure_has_a_name_and_a_description(self):
        figure = self.solve_and_open_the_report()
        self.assertTrue(self.find("Heights and orthocentre", "check box").getState()
                        .contains(pyatspi.STATE_CHECKED), "the ticked overlays are remembered")
        self.act(self.find("Incircle", "check box"), "Toggle")
        items = wait_for(lambda: (lambda seen: seen if "Incircle of triangle 2" in seen else None)(
            self.items(figure)))
        self.assertIsNotNone(items, f"no incircle among {sorted(self.items(figure))}")
        for name in ("Triangle 1 (shown)", "Triangle 2", "Arc of side Y about C",
                     "Side X of triangle 1", "Angle B of triangle 2", "Height to Z of triangle 1",
                     "Orthocentre of triangle 2", "Incircle of triangle 1"):
            self.assertIn(name, items)
        self.assertTrue(items["Triangle 1 (shown)"].startswith("X 10, Y 6, Z "),
                        items["Triangle 1 (shown)"])
        self.assertTrue(items["Incircle of triangle 2"].startswith("radius "))
        self.assertIn("swings about C", items["Arc of side Y about C"])
        for name, description in items.items():
            self.assertTrue(description, f"{name!r} has no description")
        roles = {child.getRoleName() for child in figure}
        self.assertEqual(roles, {"list item"})


if __name__ == "__main__":
    unittest.main(verbosity=2)
