#!/usr/bin/env python3
"""skin_shots.py SKIN_DIR CHECK ARGS...: pixel checks of the skinned frame
scenario (gallery_skin_scenario.sh) against the skin's own bitmaps, as
`skintool extract` wrote them to SKIN_DIR. Window rectangles are given as
"L T R B" in screen pixels. Exit status 0 when the check holds; a failing
check prints why.

  button SHOT L T R B MIN INDEX FRAME   the caption button INDEX (0 the
        rightmost) of the window shows frame FRAME (1..18) of the title
        button strip; MIN 1 for a minimised window's placing
  nobutton SHOT L T R B INDEX           no caption button there: the title
        images only
  icon SHOT L T R B OUT                 saves the 16 x 16 icon area to OUT
  noicon SHOT L T R B ICON              the icon saved in ICON is not there
  skintitle SHOT L T R B X              the title's column X pixels left of
        the window's right edge is one of the skin's middle image
  equal SHOT1 SHOT2                     the two screenshots are equal
  equalrect SHOT1 SHOT2 L T R B         equal inside the rectangle
  minimised SHOT L T R B                the minimised-title image fills the
        window left of the buttons where no caption or icon is drawn
"""
import subprocess
import sys

BTN_X, BTN_Y, FRAMES = 6, 4, 18  # SKIN2_TITLEBARBUTTONPOSX/Y, strip frames
ICON_X, ICON_Y = 8, 5            # SKIN2_TITLEBARICONPOSX/Y


class Image:
    def __init__(self, path):
        size = subprocess.run(["/usr/bin/identify", "-format", "%w %h", path], check=True,
                              capture_output=True, text=True).stdout.split()
        self.w, self.h = int(size[0]), int(size[1])
        self.data = subprocess.run(["/usr/bin/convert", path, "-depth", "8", "rgb:-"], check=True,
                                   capture_output=True).stdout

    def px(self, x, y):
        i = (y * self.w + x) * 3
        return self.data[i:i + 3]


skin_dir = sys.argv[1]
check = sys.argv[2]
args = sys.argv[3:]
_cache = {}


def skin(name):
    if name not in _cache:
        _cache[name] = Image(f"{skin_dir}/{name}.bmp")
    return _cache[name]


TRANS = bytes([0xFF, 0x00, 0xFF])  # SKIN2_TRANSCOLOR


def fail(why):
    print("  " + why)
    sys.exit(1)


def window(a):
    shot = Image(a[0])
    l, t, r, b = map(int, a[1:5])
    return shot, l, t, r - l, b - t


def button_origin(w, minimised, index):
    strip = skin("titlebuttons")
    bw = strip.w // FRAMES
    if minimised:
        x = w - bw - 5
        y = max(0, (26 - strip.h) // 2)
        if y + strip.h < 22:
            y += 2
    else:
        x, y = w - BTN_X - bw, BTN_Y
    return x - index * (bw + 2), y, bw, strip.h


def title_pixel(w, x, y):
    """What the title images put at window pixel (x, y) of an unminimised
    window whose caption and icon lie elsewhere; None where the images do not
    decide (transparent)."""
    t1, t2, t3 = skin("titlebar1"), skin("titlebar2"), skin("titlebar3")
    if x < t1.w:
        p = t1.px(x, y)
    elif x >= w - t3.w:
        p = t3.px(x - (w - t3.w), y)
    else:
        cols = {t2.px(c, y) for c in range(t2.w)}
        if len(cols) != 1:
            return None  # a middle image that varies across: not decided
        p = next(iter(cols))
    return None if p == TRANS else p


if check == "button":
    shot, l, t, w, h = window(args)
    minimised, index, frame = int(args[5]), int(args[6]), int(args[7])
    x0, y0, bw, bh = button_origin(w, minimised, index)
    strip = skin("titlebuttons")
    bad = 0
    for y in range(bh):
        for x in range(bw):
            if y0 + y >= h:
                continue
            if shot.px(l + x0 + x, t + y0 + y) != strip.px((frame - 1) * bw + x, y):
                bad += 1
    if bad:
        fail(f"button {index} is not frame {frame}: {bad} of {bw * bh} pixels differ")
elif check == "nobutton":
    shot, l, t, w, h = window(args)
    x0, y0, bw, bh = button_origin(w, False, int(args[5]))
    bad = 0
    for y in range(bh):
        for x in range(bw):
            want = title_pixel(w, x0 + x, y0 + y)
            if want is not None and shot.px(l + x0 + x, t + y0 + y) != want:
                bad += 1
    if bad:
        fail(f"something is drawn at button {args[5]}: {bad} pixels differ from the title images")
elif check == "icon":
    shot, l, t, w, h = window(args)
    with open(args[5], "wb") as out:
        for y in range(16):
            for x in range(16):
                out.write(shot.px(l + ICON_X + x, t + ICON_Y + y))
elif check == "noicon":
    shot, l, t, w, h = window(args)
    icon = open(args[5], "rb").read()
    here = b"".join(shot.px(l + ICON_X + x, t + ICON_Y + y) for y in range(16) for x in range(16))
    same = sum(1 for i in range(0, len(icon), 3) if icon[i:i + 3] == here[i:i + 3])
    # The title's own pixels may match the icon's where it is transparent;
    # a drawn icon matches everywhere.
    if same == 256:
        fail("the icon is drawn")
    background = sum(1 for y in range(16) for x in range(16)
                     if title_pixel(w, ICON_X + x, ICON_Y + y) == icon[(y * 16 + x) * 3:(y * 16 + x) * 3 + 3])
    if same > background + 16:
        fail(f"{same} of 256 icon pixels are there")
elif check == "skintitle":
    shot, l, t, w, h = window(args)
    t2 = skin("titlebar2")
    x = w - int(args[5])
    column = [shot.px(l + x, t + y) for y in range(t2.h)]
    columns = [[t2.px(c, y) for y in range(t2.h)] for c in range(t2.w)]
    if column not in columns:
        fail("the title's middle is not the skin's image")
elif check == "equal":
    a, b = Image(args[0]), Image(args[1])
    if (a.w, a.h) != (b.w, b.h):
        fail("sizes differ")
    diff = sum(1 for i in range(0, len(a.data), 3) if a.data[i:i + 3] != b.data[i:i + 3])
    if diff:
        fail(f"{diff} pixels differ")
elif check == "equalrect":
    a, b = Image(args[0]), Image(args[1])
    l, t, r, bottom = map(int, args[2:6])
    diff = sum(1 for y in range(t, bottom) for x in range(l, r) if a.px(x, y) != b.px(x, y))
    if diff:
        fail(f"{diff} pixels differ in {l},{t}-{r},{bottom}")
elif check == "minimised":
    shot, l, t, w, h = window(args)
    m = skin("minimizedtitle")
    # Stretched over the window: in the rows below the buttons' reach, the
    # columns between the caption and the buttons are the image's.
    x0, _, _, _ = button_origin(w, True, 2)
    bad = checked = 0
    for y in range(h):
        sy = y * m.h // h
        for x in range(x0 - 8, x0 - 2):
            sx = x * m.w // w
            if m.px(sx, sy) == TRANS:
                continue
            checked += 1
            # Resampling may round a source row or column either way.
            near = {m.px(min(max(sx + dx, 0), m.w - 1), min(max(sy + dy, 0), m.h - 1))
                    for dx in (-1, 0, 1) for dy in (-1, 0, 1)}
            if shot.px(l + x, t + y) not in near:
                bad += 1
    if checked == 0 or bad:
        fail(f"not the minimised-title image: {bad} of {checked} pixels differ")
else:
    fail("unknown check " + check)
