#!/usr/bin/env python3
"""Writes TWC.txt, the catalogue of tape-wound toroids, from each core's bare dimensions.

One record per line, eleven fields:
  stem, ID, OD, height (bare, inches), 2 mil core area (sq cm), mean path length (cm),
  4 mil availability ("N" when not made in 4 mil), cased ID, cased OD, cased height (inches),
  window area from the cased ID (sq cm).
The last line is the end marker that stops the searches.

Usage: python3 make_twc.py [OUTPUT]   (default: TWC.txt beside this script)
"""

import math
import os
import sys

CM_PER_IN = 2.54
STACKING_2MIL = 0.75  # share of the cross-section that is metal for 2 mil tape
RECORDS = 47

# Bare sizes (ID, OD, height in inches), smallest first: the inside diameter grows by a
# constant ratio from 0.250 in to 5.500 in, the build (OD - ID) a little slower and the height
# with the ID, so each size is larger than the one before in both the metal cross-section and
# the inside diameter, and the first core that is large enough is also the smallest that fits.
SIZE_COUNT = 46


def bare_size(i):
    t = i / (SIZE_COUNT - 1)
    core_id = 0.250 * (5.500 / 0.250) ** t
    od = core_id * (1.50 - 0.20 * t)
    ht = 0.125 + 0.30 * (core_id - 0.250)
    return (round(core_id, 3), round(od, 3), round(ht, 3))


SIZES = [bare_size(i) for i in range(SIZE_COUNT)]

# The thinnest and the thickest sizes are not rolled from 4 mil tape.
NOT_IN_4MIL = 3  # that many at each end


def case_wall(od):
    """Wall of the plastic case, thicker on larger cores, in inches."""
    return round(0.020 + 0.010 * od, 3)


def record(index, size):
    core_id, od, ht = size
    wall = case_wall(od)
    area = (od - core_id) / 2 * ht * CM_PER_IN ** 2 * STACKING_2MIL
    path = math.pi * (core_id + od) / 2 * CM_PER_IN
    four_mil = "N" if index < NOT_IN_4MIL or index >= len(SIZES) - NOT_IN_4MIL else "Y"
    cased_id = core_id - 2 * wall
    cased_od = od + 2 * wall
    cased_ht = ht + 2 * wall
    window = math.pi * (cased_id * CM_PER_IN) ** 2 / 4
    stem = "TW-%d" % (1001 + index)
    return [
        '"%s"' % stem, "%.3f" % core_id, "%.3f" % od, "%.3f" % ht, "%.4f" % area, "%.3f" % path,
        '"%s"' % four_mil, "%.3f" % cased_id, "%.3f" % cased_od, "%.3f" % cased_ht,
        "%.4f" % window,
    ]


def end_marker():
    return ['"END"', "0", "0", "0", "999999", "0", '"N"', "0", "0", "0", "9999"]


def rows():
    out = [record(i, s) for i, s in enumerate(SIZES)]
    for prev, cur in zip(out, out[1:]):
        if not (float(cur[4]) > float(prev[4]) and float(cur[10]) > float(prev[10])):
            raise SystemExit("sizes out of order at %s" % cur[0])
    out.append(end_marker())
    if len(out) != RECORDS:
        raise SystemExit("expected %d records, have %d" % (RECORDS, len(out)))
    return out


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "TWC.txt")
    with open(target, "w", newline="") as f:
        for r in rows():
            f.write(",".join(r) + "\r\n")


if __name__ == "__main__":
    main()
