#!/usr/bin/env python3
"""Pixel checks of the skinned Configurator against its own skin archive.

    skin_shot_check.py SKIN_DIR SHOT.png CHECK ARGS...

SKIN_DIR holds what `skintool extract` wrote (the skin's bitmaps) and
`values.txt`, what `skintool list` printed (the skin's colours and
integers). The expected pixels come from there alone, never from a stored
screenshot. Checks (coordinates are screen pixels of SHOT):

    frame L T R B        the window L T R B: its title rows against
                         SKIN2_TITLEBAR1..3 and its bottom corners against
                         the bottom border images, the cut corners (outside
                         the window region) showing the screen's black
    button L T R B       a push button in its normal frame: the corners of
                         frame 1 of SKIN2_BUTTON, drawn unscaled (their outer
                         three lines, which no glyph or caption reaches)
    form X,Y ...         each point shows the skin's form colour

Prints one line per failed check and exits 1 when any failed."""
import os
import re
import sys

# The skin's BMP files and the screenshot are read as the menu scenario
# reads them.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "skin",
                                "menu", "win32", "tests"))
from menu_shot_check import Shot, read_bmp  # noqa: E402

BLACK = (0, 0, 0)


def read_values(path):
    values = {}
    for line in open(path, encoding="utf-8"):
        m = re.match(r"\s*(\w+)\s+(SKIN2_\w+)\s+(\S+)", line)
        if m and m.group(1) in ("integer", "color", "colour", "boolean"):
            try:
                values[m.group(2)] = int(m.group(3), 0)
            except ValueError:
                pass
    return values


def rgb(value):
    # Skin colours are 0x00BBGGRR.
    return (value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF)


class Checker:
    def __init__(self, skin_dir, shot):
        self.dir = skin_dir
        self.values = read_values(f"{skin_dir}/values.txt")
        self.shot = shot
        self.failures = []
        self.trans = rgb(self.values["SKIN2_TRANSCOLOR"])
        self.form = rgb(self.values["SKIN2_FORMCOLOR"])

    def bitmap(self, name):
        return read_bmp(f"{self.dir}/{name}.bmp")[2]

    def expect(self, what, x, y, want):
        got = self.shot.px(x, y)
        if got != want and len(self.failures) < 20:
            self.failures.append(f"{what}: pixel {x},{y} is {got}, the skin says {want}")
        return got == want

    # A bitmap pixel as a shaped frame shows it: a transparent pixel in the
    # region's scanned rows is cut away (black), elsewhere the form colour.
    def shaped(self, pixel, row, rmin, rmax):
        if pixel != self.trans:
            return pixel
        return BLACK if rmin <= row <= rmax else self.form

    def frame(self, left, top, right, bottom):
        width = right - left
        t1, t2, t3 = (self.bitmap(f"titlebar{i}") for i in (1, 2, 3))
        w1, w2, w3 = len(t1[0]), len(t2[0]), len(t3[0])
        rmin = max(0, self.values.get("SKIN2_TITLEBARREGIONMINY", 0))
        rmax = self.values.get("SKIN2_TITLEBARREGIONMAXY", -1)
        icon_x = self.values.get("SKIN2_TITLEBARICONPOSX", 0)
        buttons_right = self.values.get("SKIN2_TITLEBARBUTTONPOSX", 0)
        buttons_top = self.values.get("SKIN2_TITLEBARBUTTONPOSY", 0)
        buttons_bottom = buttons_top + len(self.bitmap("titlebuttons"))
        height = len(t1)

        def title_pixel(x, y):
            if x < w1:
                return t1[y][x]
            if x >= width - w3:
                return t3[y][x - (width - w3)]
            # The middle piece stretched over the rest, nearest pixel.
            dw = width - w1 - w3
            return t2[y][((2 * (x - w1) + 1) * w2 - 1) // (2 * dw)]

        for y in range(height):
            # Rows above the icon, the caption and the buttons, and below
            # them, are the images alone; in between only the outer columns.
            whole = y < min(buttons_top, self.values.get("SKIN2_TITLEBARCAPTIONTOP", 0)) or \
                y >= buttons_bottom
            columns = range(width) if whole else \
                list(range(icon_x)) + list(range(width - buttons_right, width))
            for x in columns:
                want = self.shaped(title_pixel(x, y), y, rmin, rmax)
                if not self.expect("title", left + x, top + y, want):
                    break

        # The bottom border's two ends at the window's bottom corners.
        b1, b3 = self.bitmap("formbottomborder1"), self.bitmap("formbottomborder3")
        bmin = max(0, self.values.get("SKIN2_BOTTOMREGIONMINY", 0))
        bmax = self.values.get("SKIN2_BOTTOMREGIONMAXY", -1)
        bh = len(b1)
        for y in range(bh):
            for x in range(len(b1[0])):
                self.expect("bottom left", left + x, bottom - bh + y, self.shaped(b1[y][x], y, bmin, bmax))
            w = len(b3[0])
            for x in range(w):
                self.expect("bottom right", right - w + x, bottom - bh + y,
                            self.shaped(b3[y][x], y, bmin, bmax))
        # The cut corners: the top left and top right pixels lie outside.
        for x, y in ((left, top), (right - 1, top)):
            if self.shaped(title_pixel(x - left, 0), 0, rmin, rmax) == BLACK:
                self.expect("cut corner", x, y, BLACK)
            else:
                self.failures.append("the skin's title has no transparent corner to cut")

    def button(self, left, top, right, bottom):
        strip = self.bitmap("button")
        fw, fh = len(strip[0]) // 3, len(strip)
        w, h = right - left, bottom - top
        # The nine-slice corners: half the frame near, half less one far,
        # each at most the button's own half.
        near_x, far_x = min(fw // 2, w // 2), min(max(0, fw // 2 - 1), max(0, w // 2 - 1))
        near_y, far_y = min(fh // 2, h // 2), min(max(0, fh // 2 - 1), max(0, h // 2 - 1))
        corners = [(0, 0, 0, 0, near_x, near_y), (w - far_x, 0, fw - far_x, 0, far_x, near_y),
                   (0, h - far_y, 0, fh - far_y, near_x, far_y),
                   (w - far_x, h - far_y, fw - far_x, fh - far_y, far_x, far_y)]
        ring = 3
        for dx, dy, sx, sy, cw, ch in corners:
            for y in range(ch):
                for x in range(cw):
                    # Distance from the button's outer edges.
                    ex = x if dx == 0 else cw - 1 - x
                    ey = y if dy == 0 else ch - 1 - y
                    if min(ex, ey) < ring:
                        self.expect("button corner", left + dx + x, top + dy + y,
                                    strip[sy + y][sx + x])

    def form_points(self, points):
        for point in points:
            x, y = (int(v) for v in point.split(","))
            self.expect("form colour", x, y, self.form)


def main(argv):
    if len(argv) < 4:
        raise SystemExit(__doc__)
    checker = Checker(argv[1], Shot(argv[2]))
    what, args = argv[3], argv[4:]
    if what == "frame":
        checker.frame(*(int(v) for v in args))
    elif what == "button":
        checker.button(*(int(v) for v in args))
    elif what == "form":
        checker.form_points(args)
    else:
        raise SystemExit(f"unknown check {what}")
    for line in checker.failures:
        print(line)
    return 1 if checker.failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
