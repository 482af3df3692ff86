#!/usr/bin/python3
"""The pandas and numpy peer of batch on three-sides rows: read_csv, the
solve in numpy arrays, the same columns as text, to_csv (no exact rounding,
no checks). Usage: pandas_peer.py rows.csv > answers.csv"""
import sys

import numpy
import pandas


def text(values):
    return numpy.char.add(" ", numpy.char.mod("%.15g", numpy.round(values, 12)))


def whole(values):
    return numpy.char.add(" ", values.astype(numpy.int64).astype(str))


def dms(angles):
    degrees = numpy.trunc(angles)
    minutes = numpy.trunc((angles - degrees) * 60)
    seconds = ((angles - degrees) * 60 - minutes) * 60
    parts = [whole(degrees), "d", whole(minutes), "m", whole(numpy.trunc(seconds)), "s",
             numpy.char.mod(" %.3f", seconds % 1)]
    out = parts[0]
    for part in parts[1:]:
        out = numpy.char.add(out, part)
    return out


def main():
    frame = pandas.read_csv(sys.argv[1], dtype={"id": str})
    x, y, z = (frame[c].to_numpy(float) for c in "XYZ")
    a = numpy.degrees(numpy.arccos((x * x + z * z - y * y) / (2 * x * z)))
    b = numpy.degrees(numpy.arccos((y * y + z * z - x * x) / (2 * y * z)))
    c = 180 - a - b
    height = y * numpy.sin(numpy.radians(c))
    offset = height / numpy.tan(numpy.radians(c))
    width = numpy.where(offset < 0, numpy.abs(offset) + x, numpy.maximum(offset, x))
    area = z * x * numpy.sin(numpy.radians(a)) / 2
    out = pandas.DataFrame({"id": frame["id"], "status": "solved", "xlen": text(x),
                            "yhei": text(y), "zrad": text(z), "adec": text(a), "adms": dms(a),
                            "bdec": text(b), "bdms": dms(b), "c90dec": text(c), "c90dms": dms(c),
                            "theHeight": text(height), "theWidth": text(width),
                            "theArea": text(area), "messages": ""})
    out.to_csv(sys.stdout, index=False, lineterminator="\r\n")


main()
