"""anglewise from Python against the real anglewise-cli: the window's
captions and messages, the report's values, and whole frames byte for byte
as batch writes them; bad input is a ValueError with the command line's
sentence."""
import gc
import io
import json
import shlex
import tracemalloc
from pathlib import Path

import pandas
import pytest

import anglewise
from conftest import mixed_rows

GOLDEN = Path(__file__).resolve().parent.parent / "golden" / "solve_cases.txt"


def kwargs_of(line):
    """`solve --oblique X=6 Y=3 Z=4 --places 8` as window_solve's arguments."""
    words = shlex.split(line)[1:]
    kind, options, i = None, {}, 0
    while i < len(words):
        word = words[i]
        if word in ("--right", "--oblique"):
            kind = word[2:]
        elif word == "--obtuse":
            options["obtuse"] = True
        elif word == "--dms":
            options["notation"] = "dms"
        elif word == "--places":
            options["places"] = int(words[i + 1])
            i += 1
        elif "=" in word:
            name, value = word.split("=", 1)
            options[name.upper()] = value
        i += 1
    return kind, options


def golden_lines():
    return [line for line in GOLDEN.read_text().splitlines()
            if line.startswith("solve ") and "--svg" not in line and "--png" not in line
            and "--pdf" not in line]


@pytest.mark.parametrize("line", golden_lines())
def test_window_solve_answers_as_the_command_line(cli, line):
    kind, options = kwargs_of(line)
    if kind is None:
        pytest.skip("the command line refuses it before the window")
    answer = anglewise.window_solve(kind, **options)
    expected = json.loads(cli(*shlex.split(line), "--json").stdout)
    assert answer["captions"] == expected["captions"]
    assert [(m["title"], m["text"]) for m in answer["messages"]] == \
        [(m["title"], m["text"]) for m in expected["messages"]]


@pytest.mark.parametrize("line", golden_lines())
def test_report_gives_the_command_lines_values(cli, line):
    kind, options = kwargs_of(line)
    if kind is None:
        pytest.skip("the command line refuses it before the window")
    report = anglewise.report(kind, **options)
    expected = json.loads(cli(*shlex.split(line), "--json", "--report").stdout)["report"]
    assert len(report["triangles"]) == len(expected["triangles"])
    assert report["consistent"] == expected["consistent"]
    assert report["why"] == expected["why"]
    for mine, theirs in zip(report["triangles"], expected["triangles"]):
        for name in ("X", "Y", "Z", "A", "B", "C", "perimeter", "area", "inradius",
                     "circumradius"):
            assert mine[name]["value"] == theirs[name], name
        assert mine["height_X"]["value"] == theirs["heights"]["X"]
        assert mine["type_angles"]["text"] == theirs["type"]["angles"]


def test_numbers_and_their_texts_are_the_same_input():
    assert anglewise.window_solve("right", X=3.0, Y=4) == anglewise.window_solve("right", X="3",
                                                                                 Y="4")
    assert anglewise.window_solve("oblique", X=float("nan"), Y=6, Z=7, A=None)["status"] == \
        "refused"


def test_report_values_are_proven_texts():
    report = anglewise.report("oblique", X=6, Y=3, Z=4, places=8)
    (triangle,) = report["triangles"]
    assert triangle["B"]["text"] == "117.27961274"
    assert triangle["type_angles"] == {"value": None, "text": "obtuse"}
    assert report["consistent"] is False
    assert report["precision_bits"] >= 64


@pytest.mark.parametrize("report_too,jobs", [(False, 1), (False, 3), (True, None)])
def test_solve_frame_writes_what_batch_writes(cli, report_too, jobs):
    # Enough rows that the ids, which never repeat, stop being looked up.
    csv = mixed_rows(6000)
    frame = pandas.read_csv(io.StringIO(csv), dtype=str, keep_default_na=False)
    out = anglewise.solve_frame(frame, report=report_too, jobs=jobs)
    args = ["batch", "--report"] if report_too else ["batch"]
    expected = cli(*args, stdin=csv.encode()).stdout.decode()
    assert out.to_csv(index=False, lineterminator="\r\n") == expected
    assert list(out.columns[:3]) == ["id", "status", "xlen"]


def test_solve_frame_reads_numbers_as_batch_reads_their_text(cli):
    frame = pandas.DataFrame({"id": [1, 2, 3], "kind": ["right", "oblique", "right"],
                              "X": [3.0, 6.0, float("nan")], "Y": [4, 3, 4],
                              "Z": [None, 4.0, 5.0]})
    out = anglewise.solve_frame(frame)
    expected = cli("batch", stdin=b"id,kind,X,Y,Z\n1,right,3,4,\n2,oblique,6,3,4\n3,right,,4,5\n")
    assert out.to_csv(index=False, lineterminator="\r\n") == expected.stdout.decode()


def test_ids_come_back_as_batch_echoes_them(cli):
    # A formula-like id gets batch's apostrophe, an empty one the row's
    # number; a plain one is the frame's own object.
    ids = ["=1+1", "-5", "@x", "\u00e9t\u00e9", "plain", ""]
    frame = pandas.DataFrame({"id": ids, "kind": ["right"] * len(ids), "X": ["3"] * len(ids),
                              "Y": ["4"] * len(ids)})
    out = anglewise.solve_frame(frame)
    csv = "id,kind,X,Y\n" + "".join("%s,right,3,4\n" % i for i in ids)
    expected = cli("batch", stdin=csv.encode()).stdout.decode()
    assert out.to_csv(index=False, lineterminator="\r\n") == expected
    assert list(out["id"]) == ["'=1+1", "-5", "'@x", "\u00e9t\u00e9", "plain", "6"]
    assert out["id"][4] is frame["id"][4]


BAD = [
    (dict(kind="triangle", X=3, Y=4), 'kind must be right or oblique, not "triangle".'),
    (dict(kind="right", X=3, Y=4, places=7), 'places must be 4, 8, 12 or 14, not "7".'),
    (dict(kind="right", X=3, Y=4, notation="hex"), 'notation must be decimal or dms, not "hex".'),
    (dict(kind="oblique", X=3, Y=4, Z=5, obtuse=2), 'obtuse must be 0 or 1, not "2".'),
    (dict(kind="right", X="3\n", Y=4),
     "the cell of X holds a line break or control character, which a text box cannot."),
]


@pytest.mark.parametrize("call,sentence", BAD)
@pytest.mark.parametrize("function", [anglewise.window_solve, anglewise.report])
def test_bad_input_is_one_value_error(function, call, sentence):
    with pytest.raises(ValueError) as raised:
        function(**call)
    assert str(raised.value) == sentence


def test_a_bad_frame_is_one_value_error():
    with pytest.raises(ValueError) as raised:
        anglewise.solve_frame(pandas.DataFrame({"kind": ["right"], "W": ["3"]}))
    assert str(raised.value) == ('unknown column "W" in the header of the frame: the columns are '
                                 "id, kind, X, Y, Z, A, B, obtuse, notation and places.")
    with pytest.raises(ValueError) as raised:
        anglewise.solve_frame(pandas.DataFrame({"X": ["3"]}))
    assert "has no column \"kind\"" in str(raised.value)


def test_a_dropped_output_frame_frees_every_str_it_held():
    frame = pandas.read_csv(io.StringIO(mixed_rows(3000)), dtype=str, keep_default_na=False)
    anglewise.solve_frame(frame)  # the first call's one-time allocations
    tracemalloc.start()
    try:
        out = anglewise.solve_frame(frame)
        held = tracemalloc.get_traced_memory()[0]
        del out
        gc.collect()
        left = tracemalloc.get_traced_memory()[0]
    finally:
        tracemalloc.stop()
    # 3000 rows of 15 cells hold far more than 100 kB of str objects.
    assert held > 100000 and left < held / 10, (held, left)


class Unprintable:
    def __str__(self):
        raise RuntimeError("no text for this cell")


def test_a_cell_that_cannot_be_read_midway_stops_the_batch_and_raises():
    # Far enough in that the batch is already solving the rows before it.
    rows = 10000
    ids = [str(i) for i in range(rows)]
    ids[rows - 10] = Unprintable()
    frame = pandas.DataFrame({"id": ids, "kind": ["right"] * rows, "X": ["3"] * rows,
                              "Y": ["4"] * rows})
    with pytest.raises(RuntimeError, match="no text for this cell"):
        anglewise.solve_frame(frame, jobs=2)
    # And the module is still usable after it.
    assert len(anglewise.solve_frame(frame.iloc[:5])) == 5


def test_help_reads_well():
    assert "Triangle Report" in anglewise.report.__doc__
    assert "byte for byte" in " ".join(anglewise.solve_frame.__doc__.split())


def test_the_readmes_examples_say_what_they_show():
    answer = anglewise.window_solve("right", X=3, Y=4)
    assert answer["status"] == "solved" and answer["messages"] == []
    assert answer["captions"]["xlen"] == " 3" and answer["captions"]["theArea"] == " 6"
    triangles = anglewise.report("oblique", X=10, Y=6, A=30)["triangles"]
    assert len(triangles) == 2
    assert triangles[1]["C"]["text"] == "26.442690238079"
    assert anglewise.report("oblique", X=6, Y=3, Z=4)["triangles"][0]["B"] == {
        "value": 117.27961273597809, "text": "117.279612735978"}
