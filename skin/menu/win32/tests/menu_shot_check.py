#!/usr/bin/env python3
"""Pixel checks of menu_window_test.sh against the skin's own colours and
bitmaps: menu_shot_check.py CHECK SHOT.png SKINFILE BITMAPS LOG.

The expected colours come from the skin description (0x00BBGGRR values),
the expected pictures from the skin's bitmaps; nothing is compared with a
stored screenshot."""
import re
import struct
import subprocess
import sys


def skin_colours(path):
    colours = {}
    for line in open(path, encoding="utf-8"):
        m = re.match(r"color\s+(\S+)\s+0x([0-9A-Fa-f]{8})", line)
        if m:
            v = int(m.group(2), 16)
            colours[m.group(1)] = (v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF)
    return colours


def read_bmp(path):
    data = open(path, "rb").read()
    offset = struct.unpack_from("<I", data, 10)[0]
    w, h = struct.unpack_from("<ii", data, 18)
    bpp = struct.unpack_from("<H", data, 28)[0]
    assert bpp == 24, path
    stride = (w * 3 + 3) & ~3
    rows = []
    for y in range(abs(h)):
        src = y if h < 0 else abs(h) - 1 - y
        row = data[offset + src * stride: offset + src * stride + w * 3]
        rows.append([(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]) for x in range(w)])
    return w, abs(h), rows


class Shot:
    def __init__(self, path):
        size = subprocess.check_output(["/usr/bin/identify", "-format", "%w %h", path]).split()
        self.w, self.h = int(size[0]), int(size[1])
        self.data = subprocess.check_output(["/usr/bin/convert", path, "-depth", "8", "rgb:-"])

    def px(self, x, y):
        i = (y * self.w + x) * 3
        return tuple(self.data[i:i + 3])

    def count(self, colour, x0, y0, x1, y1):
        return sum(1 for y in range(y0, y1) for x in range(x0, x1) if self.px(x, y) == colour)


def stretch(t, dw, sw, columns):
    # The device's nearest-pixel mapping (see skin/draw/canvas.h).
    if dw >= sw:
        return ((2 * t + 1) * sw - 1) // (2 * dw)
    if columns:
        return ((2 * t + 2) * sw - dw) // (2 * dw)
    return (2 * t * sw + dw) // (2 * dw)


def find_masked(shot, bitmap, key, region):
    """Where the bitmap's pixels other than KEY appear in region."""
    w, h, rows = bitmap
    # The longest run of picture pixels of one row finds candidates.
    best = (0, 0, 0)
    for y, row in enumerate(rows):
        x = 0
        while x < w:
            if row[x] == key:
                x += 1
                continue
            s = x
            while x < w and row[x] != key:
                x += 1
            if x - s > best[2]:
                best = (y, s, x - s)
    by, bx, bn = best
    needle = bytes(c for p in rows[by][bx:bx + bn] for c in p)
    x0, y0, x1, y1 = region
    found = []
    for sy in range(y0, y1):
        line = shot.data[(sy * shot.w + x0) * 3:(sy * shot.w + x1) * 3]
        at = line.find(needle)
        while at >= 0:
            if at % 3 == 0:
                ox, oy = x0 + at // 3 - bx, sy - by
                if all(rows[y][x] == key or shot.px(ox + x, oy + y) == rows[y][x]
                       for y in range(h) for x in range(w)):
                    found.append((ox, oy))
            at = line.find(needle, at + 1)
    return found


def main():
    check, shot_path, skin_path, bitmaps, log = sys.argv[1:6]
    c = skin_colours(skin_path)
    shot = Shot(shot_path)
    lines = open(log, encoding="utf-8").read().split("\n")
    buttons = {}
    bar = None
    for line in lines:
        parts = line.split()
        if parts[:1] == ["button"]:
            buttons[int(parts[1])] = tuple(map(int, parts[2:6]))
        if parts[:1] == ["bar"]:
            bar = tuple(map(int, parts[1:5]))
    failures = []

    def expect(cond, what):
        print(("ok   " if cond else "FAIL ") + what)
        if not cond:
            failures.append(what)

    bx, by, bw, bh = bar
    if check == "bar":
        # Right of the buttons the bar shows "SKIN2_MENUBAR" stretched.
        mw, mh, mrows = read_bmp(bitmaps + "/menubar.bmp")
        bad = 0
        for y in range(bh):
            for x in range(bw - 40, bw):
                want = mrows[stretch(y, bh, mh, False)][stretch(x, bw, mw, True)]
                bad += shot.px(bx + x, by + y) != want
        expect(bad == 0, "bar background is SKIN2_MENUBAR stretched (%d pixels differ)" % bad)
    if check in ("click", "keys"):
        # The open item's button: filled with the top selected colour,
        # framed with its border colour.
        index = 1 if check == "click" else 0
        x, y, w, h = buttons[index]
        border = c["SKIN2_TOPSELECTEDMENUBORDERCOLOR"]
        fill = c["SKIN2_TOPSELECTEDMENUCOLOR"]
        expect(shot.px(x, y) == border and shot.px(x + w - 1, y + h - 1) == border,
               "open button %d framed in SKIN2_TOPSELECTEDMENUBORDERCOLOR" % index)
        expect(shot.px(x + 2, y + h // 2) == fill, "open button %d filled" % index)
        # The popup below it: item background and left bar colours.
        region = (x, y + h, min(shot.w, x + 300), min(shot.h, y + h + 200))
        items = shot.count(c["SKIN2_MENUITEMCOLOR"], *region)
        expect(items > 1000, "popup items in SKIN2_MENUITEMCOLOR (%d pixels)" % items)
        bar_start = shot.count(c["SKIN2_LEFTBARSTARTCOLOR"], *region)
        expect(bar_start >= 20, "left bar starts in SKIN2_LEFTBARSTARTCOLOR (%d pixels)" % bar_start)
        if check == "keys":
            sel = shot.count(c["SKIN2_SELECTEDMENUCOLOR"], *region)
            selb = shot.count(c["SKIN2_SELECTEDMENUBORDERCOLOR"], *region)
            expect(sel > 500 and selb > 100,
                   "selected item filled and framed (%d, %d pixels)" % (sel, selb))
            glyph = read_bmp(bitmaps + "/checkedmenuicon.bmp")
            key = c["SKIN2_TRANSCOLOR"]
            found = find_masked(shot, glyph, key, region)
            expect(len(found) == 1, "the skin's check mark shown once: %s" % found)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
