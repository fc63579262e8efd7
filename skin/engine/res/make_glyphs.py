#!/usr/bin/env python3
"""Draws the engine's two glyph bitmaps (24 bits, white is transparent):
menu_checked.bmp, the check mark of checked menu items (16 x 16), and
mdi_controls.bmp, the control buttons of a maximised MDI child: minimise,
restore and close, 16 x 16 each, left to right. Run it to redraw them."""
import struct
import sys

WHITE, BLACK = (255, 255, 255), (0, 0, 0)


def write_bmp(path, pixels):
    h, w = len(pixels), len(pixels[0])
    stride = (w * 3 + 3) & ~3
    body = b""
    for row in reversed(pixels):
        line = b"".join(bytes((b, g, r)) for (r, g, b) in row)
        body += line + b"\0" * (stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    open(path, "wb").write(header + info + body)


def canvas(w, h):
    return [[WHITE] * w for _ in range(h)]


def check_mark():
    p = canvas(16, 16)
    # A tick of two strokes, two pixels thick.
    for i in range(3):
        for t in range(2):
            p[8 + i + t][4 + i] = BLACK
    for i in range(6):
        for t in range(2):
            p[10 - i + t][7 + i] = BLACK
    return p


def mdi_controls():
    p = canvas(48, 16)
    for x in range(4, 12):  # minimise: a bar at the bottom
        p[11][x] = p[12][x] = BLACK
    ox = 16  # restore: two overlapping windows
    for (l, t, r, b) in ((ox + 6, 3, ox + 12, 9), (ox + 3, 6, ox + 9, 12)):
        for x in range(l, r + 1):
            p[t][x] = p[t + 1][x] = p[b][x] = BLACK
        for y in range(t, b + 1):
            p[y][l] = p[y][r] = BLACK
        for y in range(t + 2, b):
            for x in range(l + 1, r):
                if (l, t) == (ox + 3, 6):
                    p[y][x] = WHITE
    ox = 32  # close: a cross
    for i in range(8):
        for t in range(2):
            p[4 + i][ox + 4 + i + t] = BLACK
            p[4 + i][ox + 11 - i - t] = BLACK
    return p


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    write_bmp(f"{out}/menu_checked.bmp", check_mark())
    write_bmp(f"{out}/mdi_controls.bmp", mdi_controls())
