#!/usr/bin/python3
"""The real window through the accessibility bus, as a screen reader uses it:
controls found by their accessible names, values set and boxes ticked
through accessible actions, the result read back.

Run in a D-Bus session on an X display (with_desktop.sh, dbus-run-session),
with Debian's python3-pyatspi and the program's path in ANGLEWISE."""
import unittest

from atspi_program import ProgramTest, wait_for

ROLES_THAT_NEED_NAMES = {"text", "check box", "push button", "radio button"}


class ScreenReaderTest(ProgramTest):
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
        self.act(self.find("Right Angle Triangle"), "Toggle")
        self.find("Side X").queryEditableText().setTextContents("3")
        self.act(self.find("X given"), "Toggle")
        self.find("Side Y").queryEditableText().setTextContents("4")
        self.act(self.find("Y given"), "Toggle")
        self.act(self.find("Display"), "Press")
        z = self.find("Z result")
        self.assertEqual(wait_for(lambda: z.description == " 5" and z.description), " 5")
        self.assertEqual(self.find("Figure").description,
                         "Right triangle, X 3, Y 4, Z 5, A 53.130102354156, "
                         "B 36.869897645844, C 90")


if __name__ == "__main__":
    unittest.main(verbosity=2)
