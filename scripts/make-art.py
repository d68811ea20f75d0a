#!/usr/bin/env python3
"""Draws the program's artwork with the standard library only:

  src/app/res/QuorlinConversion.ico  the main icon, 32x32, 16 colours, transparent outside the motif
  src/app/res/logo.runs              the About panel's logo, 160x160, 24 bits per pixel, stored as
                                     runs of equal pixels (the program expands it when it is shown)

The motif is a calendar page with a clock in front of it: the program turns dates and times of
day into numbers and back. Shapes are signed distance functions, so the logo gets smooth edges
without an image library; the icon snaps the same shapes to the classic 16-colour palette.

Run from anywhere: python3 scripts/make-art.py
"""

import math
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RES = os.path.join(ROOT, "src", "app", "res")


# --- shapes: signed distance (negative inside), in pixel units -------------------------------


def rounded_box(cx, cy, hw, hh, r):
    def sdf(x, y):
        qx = abs(x - cx) - hw + r
        qy = abs(y - cy) - hh + r
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r

    return sdf


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - width / 2


def segment(x0, y0, x1, y1, width):
    def sdf(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)
        t = min(max(t, 0.0), 1.0)
        return math.hypot(x - (x0 + t * dx), y - (y0 + t * dy)) - width / 2

    return sdf


def clipped(shape, clip):
    """The part of shape that lies inside clip."""
    return lambda x, y: max(shape(x, y), clip(x, y))


def hand(cx, cy, length, width, hours_on_dial):
    angle = math.radians(hours_on_dial * 30.0)
    return segment(cx, cy, cx + length * math.sin(angle), cy - length * math.cos(angle), width)


# --- the logo motif, scaled to a square of the given size ----------------------------------------

NAVY = (27, 46, 89)
RED = (214, 69, 65)
PAPER = (252, 252, 248)
GRID = (196, 202, 214)
TODAY = (42, 157, 143)
GOLD = (244, 196, 48)


def motif(size):
    """Layers from back to front: (shape, colour). Coordinates are designed on a 160 grid."""
    s = size / 160.0

    def sc(*values):
        return [v * s for v in values]

    layers = []
    page = rounded_box(*sc(68, 78, 50, 52, 10))
    layers.append((rounded_box(*sc(70, 81, 50, 52, 10)), (0, 0, 0, 0.25)))  # soft shadow
    layers.append((page, PAPER))
    layers.append((clipped(rounded_box(*sc(68, 41, 50, 15, 0)), page), RED))
    for ring_x in (44, 92):
        layers.append((rounded_box(*sc(ring_x, 25, 5, 12, 4)), NAVY))
    for row in range(4):
        for col in range(5):
            x = 31 + col * 17
            y = 69 + row * 15
            colour = TODAY if (row, col) == (1, 2) else GRID
            layers.append((rounded_box(*sc(x, y, 6, 5, 2)), colour))
    cx, cy, r = sc(114, 114, 36)
    layers.append((circle(cx, cy, r + 4 * s), (0, 0, 0, 0.25)))
    layers.append((circle(cx, cy, r), GOLD))
    layers.append((ring(cx, cy, r - 3 * s, 6 * s), NAVY))
    for tick in range(12):
        a = math.radians(tick * 30)
        inner, outer = r - 13 * s, r - 8 * s
        tick_shape = segment(
            cx + inner * math.sin(a),
            cy - inner * math.cos(a),
            cx + outer * math.sin(a),
            cy - outer * math.cos(a),
            2.5 * s,
        )
        layers.append((tick_shape, NAVY))
    layers.append((hand(cx, cy, r * 0.48, 6 * s, 10), NAVY))
    layers.append((hand(cx, cy, r * 0.68, 4.5 * s, 2), NAVY))
    layers.append((circle(cx, cy, 5 * s), RED))
    return layers


# --- the logo: 160x160, 24 bits per pixel ---------------------------------------------------


def blend(under, colour, coverage):
    alpha = coverage * (colour[3] if len(colour) == 4 else 1.0)
    return tuple(u + (c - u) * alpha for u, c in zip(under, colour[:3]))


def logo_pixels(size):
    layers = motif(size)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            px, py = x + 0.5, y + 0.5
            t = py / size
            colour = (226 - 40 * t, 236 - 30 * t, 248 - 16 * t)  # pale sky, darker at the foot
            for shape, fill in layers:
                coverage = min(max(0.5 - shape(px, py), 0.0), 1.0)
                if coverage > 0.0:
                    colour = blend(colour, fill, coverage)
            row.append(tuple(int(round(min(max(c, 0.0), 255.0))) for c in colour))
        rows.append(row)
    return rows


def write_runs24(path, rows):
    """The picture as runs of equal pixels: "QRL1", width and height (16 bits each, little-endian),
    then for each run its length (1 to 128) and its blue, green and red, row after row from the
    top. The logo's smooth shapes and flat sky shrink to a few kilobytes this way."""
    height, width = len(rows), len(rows[0])
    pixels = [p for row in rows for p in row]
    out = bytearray(b"QRL1" + struct.pack("<HH", width, height))
    i = 0
    while i < len(pixels):
        n = 1
        while i + n < len(pixels) and n < 128 and pixels[i + n] == pixels[i]:
            n += 1
        r, g, b = pixels[i]
        out += bytes((n, b, g, r))
        i += n
    with open(path, "wb") as f:
        f.write(out)


# --- the icon: 32x32, 16 colours ------------------------------------------------------------

PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]  # fmt: skip


def nearest_index(colour):
    return min(
        range(len(PALETTE16)),
        key=lambda i: sum((a - b) ** 2 for a, b in zip(PALETTE16[i], colour)),
    )


def icon_layers():
    """The motif redrawn on the 32 grid: hard edges, outlines and hands on whole pixels, so it
    stays readable with 16 colours and no smoothing. Shadows have no place here."""
    page = rounded_box(13, 16.5, 11.5, 12, 2.5)
    inner = rounded_box(13, 16.5, 10.5, 11, 1.5)
    layers = [
        (page, (128, 128, 128)),
        (inner, PAPER),
        (clipped(rounded_box(13, 8.5, 11, 4, 0), inner), RED),
        (rounded_box(8, 4.5, 1, 3, 0.5), NAVY),
        (rounded_box(18, 4.5, 1, 3, 0.5), NAVY),
    ]
    for y in (15, 19, 23):
        for x in (5, 9, 13):
            layers.append((rounded_box(x, y, 1, 1, 0), (192, 192, 192)))
    layers += [
        (circle(23, 23, 8.6), NAVY),
        (circle(23, 23, 7.1), GOLD),
        (segment(23, 23, 23, 17.5, 2), NAVY),
        (segment(23, 23, 28, 23, 2), NAVY),
        (rounded_box(23, 23, 1, 1, 0), RED),
    ]
    return layers


def icon_indices(size):
    """Palette index per pixel, or None where the icon is transparent."""
    layers = icon_layers()
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            index = None
            for shape, fill in layers:
                if shape(x + 0.5, y + 0.5) <= 0.0:
                    index = nearest_index(fill)
            row.append(index)
        rows.append(row)
    return rows


def write_ico16(path, rows):
    size = len(rows)
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # bottom-up
        for x in range(0, size, 2):
            hi = row[x] if row[x] is not None else 0
            lo = row[x + 1] if row[x + 1] is not None else 0
            xor.append((hi << 4) | lo)
        bits = 0
        for x in range(size):
            bits = (bits << 1) | (1 if row[x] is None else 0)
        mask += bits.to_bytes(size // 8, "big")
        mask += bytes((-(size // 8)) % 4)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE16)
    image_size = len(xor) + len(mask)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, image_size, 0, 0, 16, 0)
    image = info + palette + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


def main():
    os.makedirs(RES, exist_ok=True)
    write_ico16(os.path.join(RES, "QuorlinConversion.ico"), icon_indices(32))
    write_runs24(os.path.join(RES, "logo.runs"), logo_pixels(160))
    print("make-art: wrote", os.path.relpath(RES, ROOT) + "/{QuorlinConversion.ico,logo.runs}")


if __name__ == "__main__":
    main()
