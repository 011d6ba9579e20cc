#!/usr/bin/env python3
"""Draws the plug-in's picture: a sports watch in front of a bike computer on light cyan.

Writes the 32 x 32, 24-bit, uncompressed, bottom-up Windows bitmap that the DLL carries as
both DEVICON and DEVIMG, and optionally an enlarged PNG to look at.

    tools/bitmaps/make_devicon.py [--bmp plugin/dll/devicon.bmp] [--png preview.png --scale 12]
"""

import argparse
import math
import pathlib
import struct
import zlib

SIZE = 32
SUBSAMPLES = 4  # per axis, for smooth edges
PIXELS_PER_METRE = 2835  # 72 dots per inch

BACKGROUND = (128, 255, 255)


# --- shapes: each answers whether a point (in pixel units, y down) lies inside -----------------


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring_arc(cx, cy, r_in, r_out, start_deg, end_deg):
    """Part of a ring, angles clockwise from twelve o'clock."""

    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if not (r_in * r_in <= d2 <= r_out * r_out):
            return False
        angle = math.degrees(math.atan2(x - cx, cy - y)) % 360
        return start_deg <= angle <= end_deg

    return inside


def segment(x0, y0, x1, y1, half_width):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= half_width * half_width

    return inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


# --- the picture, painted back to front --------------------------------------------------------


def layers():
    # Bike computer, behind and to the upper right: dark body, grey-green display, two buttons.
    yield rounded_rect(11.0, 1.5, 30.0, 24.5, 3.5), (38, 42, 48)
    yield rounded_rect(12.0, 2.5, 29.0, 23.5, 2.8), (70, 76, 86)
    yield rounded_rect(13.5, 4.0, 27.5, 16.0, 1.0), (196, 214, 178)
    # Display: a speed reading as three bars of digits and a small bar graph.
    yield rect(15.0, 6.0, 25.5, 9.5), (40, 48, 36)
    yield rect(15.0, 11.0, 19.5, 14.0), (40, 48, 36)
    yield rect(21.0, 12.0, 22.0, 14.0), (40, 48, 36)
    yield rect(23.0, 11.0, 24.0, 14.0), (40, 48, 36)
    yield rect(25.0, 12.5, 26.0, 14.0), (40, 48, 36)
    yield circle(26.0, 20.0, 1.6), (230, 90, 30)
    yield circle(21.8, 20.0, 1.6), (150, 156, 166)

    # Sports watch in front, lower left: strap, silver bezel, black face, orange progress arc.
    yield rounded_rect(5.0, 4.5, 15.0, 30.5, 2.0), (28, 28, 32)
    yield rect(6.5, 6.0, 13.5, 6.6), (70, 70, 78)
    yield rect(6.5, 28.4, 13.5, 29.0), (70, 70, 78)
    yield circle(10.0, 17.5, 9.0), (28, 28, 32)
    yield circle(10.0, 17.5, 8.2), (186, 192, 200)
    yield circle(10.0, 17.5, 6.6), (18, 18, 22)
    yield ring_arc(10.0, 17.5, 5.0, 6.2, 0, 250), (255, 140, 0)
    # Watch hands at ten past ten: a long minute hand and a short hour hand.
    yield segment(10.0, 17.5, 14.3, 15.0, 0.5), (245, 245, 245)
    yield segment(10.0, 17.5, 7.6, 16.1, 0.6), (245, 245, 245)
    yield circle(10.0, 17.5, 0.7), (200, 200, 200)
    # Side button of the watch case.
    yield rect(18.6, 15.8, 19.8, 19.2), (150, 156, 166)


def render():
    shapes = list(layers())
    pixels = []
    n = SUBSAMPLES
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            acc = [0, 0, 0]
            for sy in range(n):
                for sx in range(n):
                    x = px + (sx + 0.5) / n
                    y = py + (sy + 0.5) / n
                    colour = BACKGROUND
                    for inside, c in shapes:
                        if inside(x, y):
                            colour = c
                    for i in range(3):
                        acc[i] += colour[i]
            row.append(tuple(round(v / (n * n)) for v in acc))
        pixels.append(row)
    return pixels  # top row first


def bmp_bytes(pixels):
    row_bytes = SIZE * 3  # 96: already a multiple of four, no padding
    image = bytearray()
    for row in reversed(pixels):  # bottom-up
        for r, g, b in row:
            image += bytes((b, g, r))
    info = struct.pack(
        "<IiiHHIIiiII",
        40, SIZE, SIZE, 1, 24, 0, row_bytes * SIZE,
        PIXELS_PER_METRE, PIXELS_PER_METRE, 0, 0,
    )
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    return header + info + bytes(image)


def png_bytes(pixels, scale):
    raw = bytearray()
    for row in pixels:
        line = bytearray()
        for rgb in row:
            line += bytes(rgb) * scale
        for _ in range(scale):
            raw += b"\x00" + line

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    side = SIZE * scale
    return (
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", struct.pack(">IIBBBBB", side, side, 8, 2, 0, 0, 0))
        + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        + chunk(b"IEND", b"")
    )


def main():
    root = pathlib.Path(__file__).resolve().parents[2]
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bmp", type=pathlib.Path, default=root / "plugin/dll/devicon.bmp")
    parser.add_argument("--png", type=pathlib.Path, help="also write an enlarged PNG here")
    parser.add_argument("--scale", type=int, default=12)
    args = parser.parse_args()

    pixels = render()
    corners = [pixels[0][0], pixels[0][-1], pixels[-1][0], pixels[-1][-1]]
    assert all(c == BACKGROUND for c in corners), "the background must fill the corners"
    args.bmp.write_bytes(bmp_bytes(pixels))
    if args.png:
        args.png.write_bytes(png_bytes(pixels, args.scale))


if __name__ == "__main__":
    main()
