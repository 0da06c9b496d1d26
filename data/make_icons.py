#!/usr/bin/env python3
"""Draws the window icons (TradCT.ico, Hall.ico, SMPS.ico, Windara.ico) and the
program's PNG icon. Each .ico holds 16, 24, 32, 48, 64 and 256 pixel images,
stored as PNG entries. Standard library only; run from anywhere:

    python3 data/make_icons.py
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SIZES = [16, 24, 32, 48, 64, 256]


def png(size, pixels):
    """pixels: list of rows of (r, g, b, a)."""
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico(images):
    """images: list of (size, png bytes)."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    data = b""
    for size, blob in images:
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset + len(data))
        data += blob
    return out + data


def render(size, shade):
    """Supersamples shade(x, y) -> (r, g, b, a) over the unit square."""
    n = 4
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) / size
                    y = (py + (sy + 0.5) / n) / size
                    r, g, b, a = shade(x, y)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            a = acc[3] / (n * n)
            if a > 0:
                row.append(tuple(int(round(c / acc[3])) for c in acc[:3]) + (int(round(a * 255)),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


CLEAR = (0, 0, 0, 0.0)
COPPER = (196, 110, 40, 1.0)
STEEL = (120, 130, 145, 1.0)
FERRITE = (55, 55, 60, 1.0)
POWDER = (40, 120, 70, 1.0)
NAVY = (30, 60, 130, 1.0)


def ring(x, y, inner=0.2, outer=0.44):
    r = math.hypot(x - 0.5, y - 0.5)
    return inner <= r <= outer, r, math.atan2(y - 0.5, x - 0.5)


def windings(angle, count, width=0.45):
    """True on the turns of a winding laid around the ring."""
    phase = (angle / (2 * math.pi) * count) % 1.0
    return phase < width


def tradct(x, y):
    on, r, a = ring(x, y)
    if not on:
        return CLEAR
    return COPPER if windings(a, 16) else STEEL


def hall(x, y):
    on, r, a = ring(x, y)
    in_gap = abs(a) < 0.22
    sensor = abs(y - 0.5) < 0.06 and 0.66 < x < 0.98
    if sensor:
        return (20, 20, 20, 1.0)
    if on and not in_gap:
        return POWDER
    # The primary conductor through the middle.
    if math.hypot(x - 0.5, y - 0.5) < 0.1:
        return COPPER
    return CLEAR


def smps(x, y):
    on, r, a = ring(x, y)
    if on:
        return COPPER if (windings(a, 24, 0.4) and a < 0) else FERRITE
    # A square wave across the hole: the switch current being sensed.
    if abs(y - 0.5) < 0.18 and 0.3 < x < 0.7:
        level = 0.4 if int((x - 0.3) / 0.1) % 2 == 0 else 0.6
        if abs(y - level) < 0.025 or (abs(((x - 0.3) / 0.1) % 1.0) < 0.12 and 0.4 <= y <= 0.6):
            return (240, 200, 40, 1.0)
    return CLEAR


def windara(x, y):
    on, r, a = ring(x, y, 0.16, 0.46)
    if on:
        return COPPER if windings(a, 12, 0.5) and r > 0.2 else NAVY
    return CLEAR


def main():
    for name, shade in [("TradCT", tradct), ("Hall", hall), ("SMPS", smps), ("Windara", windara)]:
        images = [(s, png(s, render(s, shade))) for s in SIZES]
        with open(os.path.join(HERE, name + ".ico"), "wb") as f:
            f.write(ico(images))
        if name == "Windara":
            with open(os.path.join(HERE, "Windara.png"), "wb") as f:
                f.write(images[-1][1])


if __name__ == "__main__":
    main()
