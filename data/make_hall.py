#!/usr/bin/env python3
"""Writes Hall.txt, the catalogue of toroids that can be gapped for a Hall sensor.

Three material groups, in the order of the material buttons: Ovimax (rows 1-8),
Zendra (rows 9-16) and P material ferrite (rows 17-26). Each group lists its
cores smallest size limit first and ends with a closing row (999 in column 8),
repeated to the end of the group.

Columns, one core per line:
  1  part number (text)
  2  inside diameter, in          3  outside diameter, in
  4  height, in                   5  cross-section area, sq cm
  6  magnetic path length, cm     7  relative permeability of the ungapped core
  8  size limit, in: the largest primary stack width and gap the core takes
  9  volume, cu cm               10  window area, sq cm
 11  ungapped AL, nH/T^2         12  mass, g

Area and path length come from the nominal dimensions: the area is the
rectangular section (OD - ID) / 2 x HT, the path length the mean magnetic path
pi (OD - ID) / ln(OD / ID) of a toroid.

The size limit is the smaller of
  * the inside diameter less a 0.050 in clearance for the conductors'
    insulation and the core's coating (the primary stack must pass through), and
  * the radial wall (OD - ID) / 2: a gap longer than the wall no longer
    concentrates the field on the sensor,
rounded down to the thousandth of an inch.
"""

import math
import os

IN = 2.54  # cm per inch
CLEARANCE = 0.050  # in
ROWS = (8, 8, 10)  # rows per group, closing rows included

# (prefix, relative permeability, density g/cc, sizes as (OD, ID, HT) in inches)
MATERIALS = [
    ("OVX", 125, 7.9, [
        (0.680, 0.390, 0.250), (0.800, 0.450, 0.300), (1.060, 0.570, 0.440),
        (1.330, 0.790, 0.450), (1.600, 0.900, 0.600), (2.250, 1.300, 0.600),
        (3.100, 1.900, 0.650),
    ]),
    ("ZHF", 60, 7.7, [
        (0.680, 0.390, 0.250), (0.800, 0.450, 0.300), (1.060, 0.570, 0.440),
        (1.330, 0.790, 0.450), (1.600, 0.900, 0.600), (2.250, 1.300, 0.600),
        (3.100, 1.900, 0.650),
    ]),
    ("FPT", 2500, 4.85, [
        (0.500, 0.300, 0.190), (0.630, 0.380, 0.250), (0.870, 0.500, 0.250),
        (1.000, 0.620, 0.500), (1.250, 0.750, 0.500), (1.500, 0.900, 0.500),
        (1.800, 0.950, 0.600), (2.300, 1.350, 0.550), (2.900, 1.600, 0.750),
    ]),
]


def core(prefix, mu, density, od, idia, ht):
    wall = (od - idia) / 2
    area = wall * ht * IN * IN
    path = math.pi * (od - idia) / math.log(od / idia) * IN
    limit = math.floor(min(idia - CLEARANCE, wall) * 1000 + 1e-9) / 1000
    volume = area * path
    window = math.pi * (idia * IN) ** 2 / 4
    al = 4 * math.pi * mu * area / path
    part = "%s-%04d-%03d" % (prefix, round(od * 1000), round(ht * 1000))
    return [part, idia, od, ht, area, path, mu, limit, volume, window, al, volume * density]


def line(fields):
    out = []
    for f in fields:
        if isinstance(f, str):
            out.append('"%s"' % f)
        elif isinstance(f, int):
            out.append(str(f))
        else:
            out.append(("%.4f" % f).rstrip("0").rstrip("."))
    return ",".join(out)


def main():
    closing = ["END", 0, 0, 0, 0, 0, 0, 999, 0, 0, 0, 0]
    lines = []
    for (prefix, mu, density, sizes), rows in zip(MATERIALS, ROWS):
        cores = sorted((core(prefix, mu, density, *s) for s in sizes), key=lambda c: c[7])
        assert len(cores) < rows, prefix
        group = cores + [closing] * (rows - len(cores))
        lines += [line(c) for c in group]
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "Hall.txt")
    with open(path, "w", newline="") as f:
        f.write("".join(l + "\r\n" for l in lines))


if __name__ == "__main__":
    main()
