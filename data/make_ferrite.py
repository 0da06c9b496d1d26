#!/usr/bin/env python3
"""Writes Ferrite.txt, our catalogue of coated ferrite toroids, from each size's
bare dimensions in inches.

Effective parameters follow the IEC 60205 core constants of a toroid of
rectangular section (r1, r2 the inner and outer radius, h the height):
    C1 = 2 pi / (h ln(r2/r1))           sum of l/A
    C2 = 2 pi (1/r1 - 1/r2) / (h^2 ln^3(r2/r1))   sum of l/A^2
    le = C1^2 / C2,  Ae = C1 / C2,  Ve = le Ae
so Ae / le = h ln(r2/r1) / (2 pi), the exact factor of an ideal toroid.
AL (nH per turn squared = mH per 1000 turns) = mu0 mu_i Ae / le * 1e9, with
Ae in m2 and le in m, for the three grades P, Q, R (mu_i 3000, 5000, 10000).

Fields per row: 1 size code, 2 ID, 3 OD, 4 height (in, nominal, bare),
5 Ae (sq cm), 6 le (cm), 7-9 AL of P, Q, R, 10 winding inner diameter (in,
the bare ID less the coating on both sides), 11 Ve (cu cm), 12 coated OD (in),
13 coated height (in), 14 part-number prefix. The last row is the end marker.
"""

import math
import os

INCH_CM = 2.54
MU0 = 4e-7 * math.pi
GRADES = (3000, 5000, 10000)
PREFIX = "FT"

# OD, ID, height in inches, smallest first; the IDs never decrease.
SIZES = [
    (0.100, 0.050, 0.050),
    (0.125, 0.062, 0.050),
    (0.155, 0.088, 0.060),
    (0.190, 0.094, 0.050),
    (0.230, 0.120, 0.060),
    (0.250, 0.120, 0.125),
    (0.300, 0.150, 0.125),
    (0.375, 0.187, 0.125),
    (0.375, 0.205, 0.190),
    (0.500, 0.281, 0.188),
    (0.540, 0.300, 0.210),
    (0.630, 0.375, 0.250),
    (0.750, 0.375, 0.250),
    (0.870, 0.540, 0.250),
    (0.870, 0.540, 0.500),
    (1.000, 0.610, 0.375),
    (1.142, 0.748, 0.295),
    (1.250, 0.750, 0.375),
    (1.500, 0.750, 0.500),
    (1.574, 0.945, 0.591),
    (2.000, 1.250, 0.500),
    (2.300, 1.400, 0.625),
    (2.900, 1.530, 0.500),
    (3.050, 1.900, 0.500),
    (3.500, 2.200, 0.750),
]


def coating(od):
    """Thickness of the insulating coat, thicker on the larger cores (in)."""
    if od < 0.3:
        return 0.002
    if od < 1.0:
        return 0.005
    return 0.010


def constants(od, id_, h):
    """Ae in sq cm and le in cm from bare dimensions in inches."""
    r1 = id_ / 2 * INCH_CM
    r2 = od / 2 * INCH_CM
    hc = h * INCH_CM
    k = math.log(r2 / r1)
    c1 = 2 * math.pi / (hc * k)
    c2 = 2 * math.pi * (1 / r1 - 1 / r2) / (hc * hc * k ** 3)
    return c1 / c2, c1 * c1 / c2


def significant(x, digits):
    return float(f"{x:.{digits}g}")


def number(x):
    text = f"{x:.6g}"
    return text if "e" not in text else f"{x:f}"


def rows():
    out = []
    last_wid = 0.0
    for od, id_, h in SIZES:
        ae, le = constants(od, id_, h)
        ae, le = significant(ae, 4), significant(le, 4)
        als = [round(MU0 * mu * (ae * 1e-4) / (le * 1e-2) * 1e9) for mu in GRADES]
        c = coating(od)
        wid = round(id_ - 2 * c, 4)
        assert wid >= last_wid, "winding diameters must not decrease"
        last_wid = wid
        code = f"{round(od * 1000):04d}-{round(h * 1000):03d}"
        ve = significant(ae * le, 4)
        out.append([f'"{code}"', number(id_), number(od), number(h), number(ae), number(le),
                    *(str(a) for a in als), number(wid), number(ve),
                    number(round(od + 2 * c, 4)), number(round(h + 2 * c, 4)), f'"{PREFIX}"'])
    out.append(['"END"', "0", "0", "0", "0", "0", "99999", "99999", "99999", "999",
                "0", "0", "0", '""'])
    assert len(out) <= 26
    return out


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "Ferrite.txt")
    with open(path, "w", newline="") as f:
        for r in rows():
            f.write(",".join(r) + "\r\n")


if __name__ == "__main__":
    main()
