"""The module as built (PYTHONPATH names its folder) and the real
anglewise-cli (ANGLEWISE_CLI) it is compared with."""
import os
import subprocess

import pytest


@pytest.fixture(scope="session")
def cli():
    path = os.environ["ANGLEWISE_CLI"]

    def run(*args, stdin=None):
        return subprocess.run([path, *args], input=stdin, capture_output=True, check=False)

    return run


def mixed_rows(count, seed=7):
    """Rows of every kind: solved, refused, impossible, unreadable, both
    readings of the ambiguous case, D/M/S, every places, each with an id."""
    import random

    random.seed(seed)
    fixed = [
        "right,3,4,,,,,,", "oblique,6,3,4,,,,,8", "oblique,1,1,5,,,,,",
        "right,3,,,30d 15m,,,dms,4", "oblique,10,6,,30,,1,,14", "oblique,10,6,,30,,0,,",
        "triangle,3,4,,,,,,", "right,3,4,,,,2,,", "right,,,,,,,,",
        "oblique,1e300,1e300,1e300,,,,,", "right,1e-200,3e-200,,,,,,12",
        'oblique,"3,5",4,5,,,,,',
    ]
    rows = []
    for i in range(count):
        if i < len(fixed):
            body = fixed[i]
        else:
            kind = "oblique" if i % 2 else "right"
            cells = [("%.3f" % random.uniform(0.5, 500)) if random.random() < 0.6 else ""
                     for _ in range(3)]
            cells += [("%.4f" % random.uniform(0.5, 179)) if random.random() < 0.4 else ""
                      for _ in range(2)]
            body = ",".join([kind, *cells, str(i % 3 % 2), "", str((4, 8, 12, 14)[i % 4])])
        rows.append("r%d,%s" % (i, body))
    return "id,kind,X,Y,Z,A,B,obtuse,notation,places\n" + "\n".join(rows) + "\n"
