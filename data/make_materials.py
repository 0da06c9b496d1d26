#!/usr/bin/env python3
"""Writes Materials.txt, the magnetic data behind the engineering checks of a chosen core.

The file uses the same sequential text fields as the core tables: quoted texts and plain
numbers with a period, commas between fields, CR LF at line ends (how fields spread over
lines does not matter to the reader). SI units throughout: flux densities in tesla, field
strengths in A/m, resistivities in ohm metres, temperatures in degrees Celsius. Layout 1, the
same without BLAW,RHO, still reads (the loss law is then taken all the way down).

  "Windara materials",2                          header and layout version
  "tape",ALLOY,MILS,BSAT,COUNT                   a tape alloy in one thickness, then
  B1,B2,...                                      COUNT peak flux densities (T), ascending
  MU1,MU2,...                                    COUNT amplitude permeabilities at 50/60 Hz
  BLAW,RHO                                       the lowest peak flux density (T) at which
                                                 the design's loss law holds, and the
                                                 resistivity (ohm m)
  "ferrite",GRADE,BSAT25,BSAT100,BR,ALTOL,CURIE  a ferrite grade; ALTOL is the lower AL
                                                 tolerance in percent (negative)
  "hall",NAME,MU,BSAT,HC,TC                      a Hall core material: permeability, Bsat (T),
                                                 coercive force (A/m), temperature coefficient
                                                 of permeability (ppm per kelvin)
  "end"

The figures are typical values for each kind of material, not a guarantee of any one
maker's product. Where such figures are published:
  * C. W. T. McLyman, Transformer and Inductor Design Handbook (CRC Press), the chapter on
    magnetic materials: saturation, coercivity, density and permeability of grain-oriented
    silicon iron, 50 % and 80 % nickel-iron tape and of powder cores;
  * R. M. Bozorth, Ferromagnetism (IEEE Press): magnetization and permeability curves of
    silicon iron and the nickel-iron alloys;
  * E. C. Snelling, Soft Ferrites: Properties and Applications (Butterworths): saturation,
    remanence, Curie temperature and permeability tolerance of MnZn ferrites;
  * IEC 60404-8-7 (grain-oriented electrical steel) and IEC 60404-8-6 (soft magnetic
    metallic materials, the nickel-iron grades), IEC 62044-3 (measuring the amplitude
    permeability of soft magnetic cores), IEC 60401-3 (ferrite data sheets).

Usage: python3 make_materials.py [OUTPUT]   (default: Materials.txt beside this script)
"""

import os
import sys

# --- Tape alloys -------------------------------------------------------------------------
# Amplitude permeability mu_a = B_peak / (mu0 H_peak) of a wound toroid at 50/60 Hz,
# from a low flux density up to the knee. The check interpolates between the points on
# log-log axes, so a handful per decade is enough.
#
# S (Vardite): grain-oriented 3 % silicon iron, density 7.65 g/cm3 (0.0169 lb/cm3).
#   Tape cores saturate at about 1.8 T (the metal itself near 2.0 T; the wound core's knee
#   lies lower), initial permeability 1,000-2,000, maximum 15,000-30,000 near 1.2 T.
#   Thin gauges have a weaker grain texture, so 2 mil tape sits below 4 mil.
# T (Halvane): round-loop 50 % nickel-iron, density 8.25 g/cm3 (0.0181 lb/cm3).
#   Saturation 1.45-1.6 T, initial permeability 5,000-10,000, maximum 40,000-80,000 near
#   0.8 T. At 60 Hz 4 mil tape is about half a skin depth thick, so eddy currents pull its
#   amplitude permeability some 15 % below that of 2 mil tape.
# P (Tormix): 80 % nickel-iron (molybdenum permalloy), density 8.7 g/cm3 (0.0192 lb/cm3).
#   Saturation 0.7-0.8 T, initial permeability 30,000-60,000, maximum 100,000-200,000 near
#   0.3 T; 1 mil tape keeps more of it at 60 Hz than 2 mil tape.
TAPES = [
    ("S", 2, 1.80,
     [0.01, 0.02, 0.05, 0.1, 0.2, 0.4, 0.6, 0.8, 1.0, 1.2, 1.4, 1.5, 1.6, 1.7, 1.75],
     [1300, 1700, 2600, 3700, 5600, 9000, 11900, 14200, 16100, 16900, 16300, 14500, 10800,
      4600, 1800]),
    ("S", 4, 1.80,
     [0.01, 0.02, 0.05, 0.1, 0.2, 0.4, 0.6, 0.8, 1.0, 1.2, 1.4, 1.5, 1.6, 1.7, 1.75],
     [1600, 2000, 3100, 4400, 6600, 10600, 14000, 16800, 18900, 19900, 19200, 17100, 12700,
      5400, 2100]),
    ("T", 2, 1.50,
     [0.01, 0.02, 0.05, 0.1, 0.2, 0.4, 0.6, 0.8, 1.0, 1.1, 1.2, 1.3, 1.4, 1.45],
     [7000, 8500, 11000, 15000, 22000, 35000, 45000, 50000, 45000, 38000, 28000, 16000, 6000,
      2500]),
    ("T", 4, 1.50,
     [0.01, 0.02, 0.05, 0.1, 0.2, 0.4, 0.6, 0.8, 1.0, 1.1, 1.2, 1.3, 1.4, 1.45],
     [6000, 7300, 9500, 13000, 19000, 30000, 38500, 43000, 39000, 33000, 24500, 14000, 5300,
      2200]),
    ("P", 1, 0.75,
     [0.01, 0.02, 0.05, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.65, 0.7],
     [40000, 50000, 70000, 95000, 130000, 145000, 140000, 115000, 70000, 40000, 15000]),
    ("P", 2, 0.75,
     [0.01, 0.02, 0.05, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.65, 0.7],
     [35000, 43000, 60000, 80000, 110000, 120000, 115000, 95000, 60000, 35000, 13000]),
]

# Where each tape's loss law holds, and its resistivity. The designs' laws k f^a B^b are fits
# to makers' 50/60 Hz loss curves, and those curves start at a few hundredths of a tesla
# (below that a loss is too small to read off a wattmeter on a test core); the checks take
# the law down to BLAW only. Below it a tape loses the classical eddy-current loss
# pi^2 d^2 f^2 B^2 / (6 rho) per unit volume, and its hysteresis loss falls as B^3 (the
# Rayleigh region), so the checks carry on with those two, meeting the law at BLAW.
#   S: grain-oriented 3 % silicon iron, 47-50 micro-ohm cm (Bozorth, Ferromagnetism, the
#      iron-silicon chapter; McLyman's table of iron alloys gives 50); loss curves of thin
#      silicon-iron tape cores are drawn from about 0.05 T.
#   T: 50 % nickel-iron, 45-48 micro-ohm cm (Bozorth, the iron-nickel chapter; McLyman gives
#      45 for the square-loop and 48 for the round-loop grade); curves from about 0.03 T.
#   P: 80 % nickel-iron with molybdenum, 55-60 micro-ohm cm (Bozorth: 55 for 4-79
#      molybdenum permalloy; McLyman gives 57 for permalloy 80); curves from about 0.02 T.
#   (ALLOY, MILS): (BLAW T, RHO ohm m)
LOSS_LAW_RANGE = {
    ("S", 2): (0.05, 50e-8),
    ("S", 4): (0.05, 50e-8),
    ("T", 2): (0.03, 48e-8),
    ("T", 4): (0.03, 48e-8),
    ("P", 1): (0.02, 57e-8),
    ("P", 2): (0.02, 57e-8),
}

# --- Ferrite grades (MnZn) ---------------------------------------------------------------
# Saturation falls with temperature towards the Curie point, the more so the higher the
# permeability; a unipolar current transformer swings from the remanence Br up, so its room
# is Bsat(100 C) - Br. AL is usually held to +-20 % at 3,000, +-25 % at 5,000 and +-30 % at
# 10,000 initial permeability.
#   grade, Bsat 25 C (T), Bsat 100 C (T), Br (T), AL tolerance (%), Curie (C)
FERRITES = [
    ("P", 0.50, 0.42, 0.10, -20, 220),  # 3K: general-purpose MnZn
    ("Q", 0.48, 0.36, 0.10, -25, 160),  # 5K
    ("R", 0.43, 0.25, 0.08, -30, 125),  # 10K: high permeability, low Curie point
]

# --- Hall core materials -----------------------------------------------------------------
#   name, permeability, Bsat (T), Hc (A/m), temperature coefficient of mu (ppm/K)
# Ovimax: molybdenum permalloy powder, mu 125: Bsat 0.75 T, Hc about 0.3 Oe (24 A/m), the
#   most stable of the powders (+-50 ppm/K typical).
# Zendra: 50 % nickel-iron powder, mu 60: Bsat 1.5 T, Hc about 1 Oe (80 A/m), about
#   +80 ppm/K.
# Ferrite: the 3K MnZn grade (P material) at 100 C, where it has least room: Bsat 0.42 T,
#   Hc about 0.2 Oe (16 A/m); its permeability rises some 0.3 %/K (3000 ppm/K) between room
#   temperature and its secondary peak.
HALLS = [
    ("Ovimax", 125, 0.75, 24, 50),
    ("Zendra", 60, 1.50, 80, 80),
    ("Ferrite", 3000, 0.42, 16, 3000),
]


def number(v):
    return ("%.6g" % v) if isinstance(v, float) else str(v)


def quoted(t):
    return '"%s"' % t


def check(tape):
    alloy, mils, bsat, bs, mus = tape
    if len(bs) != len(mus):
        raise SystemExit("tape %s %d mil: %d flux densities, %d permeabilities"
                         % (alloy, mils, len(bs), len(mus)))
    if any(b1 >= b2 for b1, b2 in zip(bs, bs[1:])) or bs[-1] > bsat:
        raise SystemExit("tape %s %d mil: flux densities out of order" % (alloy, mils))
    # The field H = B / (mu0 mu) has to grow with B, or the curve is no magnetization curve.
    hs = [b / mu for b, mu in zip(bs, mus)]
    if any(h1 >= h2 for h1, h2 in zip(hs, hs[1:])):
        raise SystemExit("tape %s %d mil: field does not grow with flux" % (alloy, mils))


def lines():
    out = [[quoted("Windara materials"), "2"]]
    for tape in TAPES:
        check(tape)
        alloy, mils, bsat, bs, mus = tape
        out.append([quoted("tape"), quoted(alloy), str(mils), number(bsat), str(len(bs))])
        out.append([number(b) for b in bs])
        out.append([number(mu) for mu in mus])
        blaw, rho = LOSS_LAW_RANGE[(alloy, mils)]
        if not 0 < blaw < bsat or rho <= 0:
            raise SystemExit("tape %s %d mil: loss law range out of bounds" % (alloy, mils))
        out.append([number(blaw), ("%.10f" % rho).rstrip("0")])
    for grade, b25, b100, br, tol, curie in FERRITES:
        out.append([quoted("ferrite"), quoted(grade), number(b25), number(b100), number(br),
                    str(tol), str(curie)])
    for name, mu, bsat, hc, tc in HALLS:
        out.append([quoted("hall"), quoted(name), str(mu), number(bsat), str(hc), str(tc)])
    out.append([quoted("end")])
    return out


def main():
    target = (sys.argv[1] if len(sys.argv) > 1
              else os.path.join(os.path.dirname(__file__), "Materials.txt"))
    with open(target, "w", newline="") as f:
        for line in lines():
            f.write(",".join(line) + "\r\n")


if __name__ == "__main__":
    main()
