#!/usr/bin/python3
"""The plain Python peer of batch on three-sides rows: the csv module and
math, one row at a time, the same columns written (no exact rounding, no
checks). Usage: python_loop.py rows.csv > answers.csv"""
import csv
import math
import sys


def text(value):
    return " " + format(round(value, 12), ".15g")


def dms(angle):
    degrees = int(angle)
    minutes = int((angle - degrees) * 60)
    seconds = ((angle - degrees) * 60 - minutes) * 60
    return " %dd %dm %ds %s" % (degrees, minutes, int(seconds), format(seconds % 1, ".3f")[1:])


def main():
    with open(sys.argv[1], newline="") as rows:
        reader = csv.reader(rows)
        writer = csv.writer(sys.stdout, lineterminator="\r\n")
        next(reader)
        writer.writerow("id,status,xlen,yhei,zrad,adec,adms,bdec,bdms,c90dec,c90dms,"
                        "theHeight,theWidth,theArea,messages".split(","))
        for row in reader:
            x, y, z = float(row[2]), float(row[3]), float(row[4])
            a = math.degrees(math.acos((x * x + z * z - y * y) / (2 * x * z)))
            b = math.degrees(math.acos((y * y + z * z - x * x) / (2 * y * z)))
            c = 180 - a - b
            height = y * math.sin(math.radians(c))
            offset = height / math.tan(math.radians(c))
            width = abs(offset) + x if offset < 0 else max(offset, x)
            area = z * x * math.sin(math.radians(a)) / 2
            writer.writerow([row[0], "solved", text(x), text(y), text(z), text(a), dms(a), text(b),
                             dms(b), text(c), dms(c), text(height), text(width), text(area), ""])


main()
