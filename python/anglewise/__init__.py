"""Anglewise: plane triangles solved exactly as the Anglewise window solves
them, with the Triangle Report's proven values, from Python.

    >>> import anglewise
    >>> anglewise.window_solve("right", X=3, Y=4)["captions"]["zrad"]
    ' 5'
    >>> anglewise.report("oblique", X=10, Y=6, A=30)["triangles"][1]["C"]["text"]
    '26.442690238079'

Sides X, Y and Z and angles A and B are given as numbers or as the text
the window's boxes would hold (decimal degrees, or D/M/S text such as
"30d 15m" with notation="dms"). Side Y lies opposite angle A, side X
opposite B and side Z opposite C.

Bad input raises ValueError with the sentence anglewise-cli gives.
"""

import math

from . import _anglewise

__all__ = ["window_solve", "report", "solve_any", "solve_frame"]

_NAMES = ("X", "Y", "Z", "A", "B")


def _text(value):
    """A given value as the text a box would hold; None for not given."""
    if value is None:
        return ""
    if isinstance(value, bool):
        raise ValueError("a side or angle is a number or its text, not %r." % value)
    if isinstance(value, float):
        if math.isnan(value):
            return ""
        return repr(value)
    return str(value)


def _inputs(kind, values, obtuse, notation, places):
    texts = [_text(v) for v in values]
    return (
        str(kind),
        texts,
        "1" if obtuse is True or obtuse == 1 else "0" if obtuse in (False, 0, None) else str(obtuse),
        "" if notation is None else str(notation),
        "" if places is None else str(places),
    )


def window_solve(kind, X=None, Y=None, Z=None, A=None, B=None, *, obtuse=False,
                 notation="decimal", places=12):
    """Type, tick and press Display on the window; what it then shows.

    kind is "right" or "oblique"; the given values are ticked, the others
    left empty. obtuse ticks the obtuse box (two sides and an angle facing
    one of them); notation is "decimal" or "dms"; places 4, 8, 12 or 14.

    Returns a dict: "status" ("solved" or "refused"), "captions" (the
    twelve result captions by control name, xlen ... theArea, exactly as
    the window shows them) and "messages" (each message box the window
    showed, in order, as a dict with "title" and "text").
    """
    return _anglewise.window_solve(*_inputs(kind, (X, Y, Z, A, B), obtuse, notation, places))


def report(kind, X=None, Y=None, Z=None, A=None, B=None, *, obtuse=False, notation="decimal",
           places=12):
    """The Triangle Report of the given values: every true triangle they make.

    The arguments are window_solve's. Returns a dict: "triangles" (both of
    the ambiguous case, none where the values make no triangle), each a dict
    from the report's names (X, A, A_dms, A_radians, area, height_X,
    median_X, bisector_A, inradius, circumradius, exradius_X, type_sides,
    ...) to {"value": the nearest float to the true value (None for texts),
    "text": the true value rounded once to 15 significant digits, or the
    places where fewer}; "shown" (which of them the window shows, or None);
    "consistent" and "note" (the verdict on the window's answer); "why" (how
    many triangles and why); "working" (the window's steps, each proven);
    "precision_bits" (the precision that settled every value).
    """
    return _anglewise.report(*_inputs(kind, (X, Y, Z, A, B), obtuse, notation, places))


def solve_any(places=14, **measures):
    """Every triangle that three measures of any kinds make, their count proven.

    The measures are given by name: sides X, Y, Z; angles A, B, C (decimal
    degrees, or D/M/S text such as "30d 15m"); heights hX, hY, hZ; medians
    mX, mY, mZ; bisectors tA, tB, tC; area, perimeter, inradius,
    circumradius. For example solve_any(area=24, perimeter=24, C=90).

    Returns report()'s dict ("shown", "consistent" and "note" say nothing
    here): "triangles" holds every solution, "why" how the count is proven,
    and "settled" is False where the count or a digit could not be proven
    (the search says "at least" then).
    Raises ValueError where the measures cannot be asked about.
    """
    return _anglewise.solve_any([(name, _text(value)) for name, value in measures.items()],
                                int(places))


def solve_frame(frame, *, report=False, jobs=None):
    """Every row of a pandas DataFrame solved as anglewise-cli batch solves it.

    The frame has batch's columns (id, kind, X, Y, Z, A, B, obtuse,
    notation, places; kind is needed). Returns a DataFrame with batch's
    output columns (id, status, the twelve captions, messages, and with
    report=True the report's), every cell a str: written with
    to_csv(index=False, lineterminator="\\r\\n") it is batch's output byte
    for byte (read the input with dtype=str and keep_default_na=False so
    that the ids come back as they were written). The rows are solved in
    C++ on `jobs` threads (every core when None) with the GIL released.
    """
    import pandas

    names = [str(name) for name in frame.columns]
    columns = [frame[name].to_numpy() for name in frame.columns]
    out_names, out_columns = _anglewise.solve_table(names, columns, bool(report),
                                                    0 if jobs is None else int(jobs))
    # One array whose rows are the columns: pandas keeps it as it is.
    return pandas.DataFrame(out_columns.T, columns=out_names, copy=False)
