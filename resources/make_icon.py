#!/usr/bin/env python3
"""Draws the program icon, a contact lens, and writes quorvane.ico beside this script.

The icon holds 16x16, 32x32 and 48x48 images with 16 colours each (4 bits per pixel,
1-bit transparency mask), so it looks the same on every Windows version and colour depth.
Standard library only; the output is the same byte for byte on every run.

    python3 resources/make_icon.py [output.ico]
"""

import math
import os
import struct
import sys

SIZES = (16, 32, 48)

# Index 0 is what a transparent pixel holds: black, so the XOR image leaves the screen as is.
PALETTE = (
    (0, 0, 0),
    (14, 46, 96),     # rim, outer edge
    (26, 78, 150),    # rim
    (48, 112, 190),   # lens edge
    (74, 142, 212),
    (104, 168, 228),
    (136, 192, 240),
    (168, 212, 248),
    (198, 230, 252),  # lens centre
    (228, 242, 255),  # highlight fringe
    (255, 255, 255),  # highlight
    (128, 128, 128),  # the rest is unused, kept to the standard greys
    (192, 192, 192),
    (64, 64, 64),
    (96, 96, 96),
    (160, 160, 160),
)

# Geometry in a unit square; y grows downwards.
CENTRE = 0.5
RADIUS = 0.46
SUBSAMPLES = 8  # per axis, for the coverage and colour of each pixel


def mix(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def shade(x, y, pixel):
    """Colour of the lens at (x, y), or None outside it. pixel is one pixel's width."""
    dx, dy = x - CENTRE, y - CENTRE
    r = math.hypot(dx, dy)
    if r > RADIUS:
        return None
    # The rim keeps at least a pixel's width so it still reads at 16x16.
    rim = max(1.1 * pixel, 0.085)
    if r > RADIUS - rim:
        t = (r - (RADIUS - rim)) / rim
        return mix(PALETTE[2], PALETTE[1], t)
    # Body: light in the middle, deeper blue towards the rim, lit from the upper left.
    inner = RADIUS - rim
    t = r / inner
    light = (-dx - dy) / (inner * math.sqrt(2.0))  # -1 .. 1, brightest upper left
    body = mix(PALETTE[8], PALETTE[3], t * t * 0.95 + 0.05 - 0.15 * light)
    # A faint ring where the optic zone ends, as on a real lens.
    zone = abs(t - 0.62)
    if zone < 0.045:
        body = mix(body, PALETTE[4], 0.45 * (1.0 - zone / 0.045))
    # Window reflections: a bright curved band in the upper left and a small glint opposite.
    angle = math.degrees(math.atan2(dy, dx))  # -180 .. 180, -135 is upper left
    band_mid, band_half = 0.76, max(0.085, 0.8 * pixel / inner)
    if abs(t - band_mid) < band_half and -172.0 < angle < -98.0:
        edge = min(angle + 172.0, -98.0 - angle) / 14.0
        strength = min(1.0, edge) * (1.0 - (abs(t - band_mid) / band_half) ** 4)
        body = mix(body, PALETTE[10], strength)
    glint = math.hypot(x - (CENTRE + 0.17), y - (CENTRE + 0.17)) / max(0.05, 0.9 * pixel)
    if glint < 1.0:
        body = mix(body, PALETTE[9], 1.0 - glint ** 3)
    return body


def nearest(colour):
    best, best_d = 1, None
    for i in range(1, 11):  # only the drawing colours, never the transparent black
        p = PALETTE[i]
        d = sum((colour[k] - p[k]) ** 2 for k in range(3))
        if best_d is None or d < best_d:
            best, best_d = i, d
    return best


def render(size):
    """Rows top-down of palette indices, None where transparent."""
    pixel = 1.0 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            total, covered = [0.0, 0.0, 0.0], 0
            for sy in range(SUBSAMPLES):
                for sx in range(SUBSAMPLES):
                    x = (px + (sx + 0.5) / SUBSAMPLES) * pixel
                    y = (py + (sy + 0.5) / SUBSAMPLES) * pixel
                    c = shade(x, y, pixel)
                    if c is not None:
                        covered += 1
                        for k in range(3):
                            total[k] += c[k]
            # A 1-bit mask has no partial pixels: half covered or more is drawn.
            if covered * 2 >= SUBSAMPLES * SUBSAMPLES:
                row.append(nearest(tuple(v / covered for v in total)))
            else:
                row.append(None)
        rows.append(row)
    return rows


def image_bytes(size):
    rows = render(size)
    xor_stride = (size * 4 + 31) // 32 * 4
    and_stride = (size + 31) // 32 * 4
    xor_data, and_data = bytearray(), bytearray()
    for row in reversed(rows):  # DIBs are stored bottom-up
        line = bytearray(xor_stride)
        mask = bytearray(and_stride)
        for x, index in enumerate(row):
            if index is None:
                mask[x // 8] |= 0x80 >> (x % 8)
                index = 0
            line[x // 2] |= index << 4 if x % 2 == 0 else index
        xor_data += line
        and_data += mask
    header = struct.pack(
        "<IiiHHIIiiII",
        40,                  # biSize
        size,                # biWidth
        size * 2,            # biHeight: XOR image and AND mask together
        1,                   # biPlanes
        4,                   # biBitCount
        0,                   # biCompression: BI_RGB
        len(xor_data) + len(and_data),
        0, 0,                # resolution, unused
        0, 0,                # biClrUsed 0 means all 16, biClrImportant
    )
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    return header + palette + bytes(xor_data) + bytes(and_data)


def icon_file():
    images = [image_bytes(size) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))  # reserved, type 1 = icon, count
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "quorvane.ico")
    with open(path, "wb") as f:
        f.write(icon_file())


if __name__ == "__main__":
    main()
