#!/usr/bin/env python3
"""skin_window_menu_check.py ART SKINFILE GLYPHS: the screenshot checks of
skin_window_menu_test.sh that menu_shot_check.py does not make. The shot of
the form switched off must equal the shot before skinning pixel for pixel;
the system menu opened on the caption must be painted in the skin's menu
colours; the maximised MDI child's control buttons must show the engine's
own glyphs (GLYPHS: mdi_controls.bmp, white transparent) on the menu bar."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                "../../menu/win32/tests"))
from menu_shot_check import Shot, find_masked, read_bmp, skin_colours  # noqa: E402

art, skinfile, glyphs = sys.argv[1:4]
failures = 0


def check(ok, name, why=""):
    global failures
    print(("PASS " if ok else "FAIL ") + name + ("" if ok else ": " + why))
    if not ok:
        failures += 1


def rect(name):
    return list(map(int, open(f"{art}/{name}.rect").read().split()))


plain, off = Shot(f"{art}/plain.png"), Shot(f"{art}/off.png")
l, t, r, b = rect("plain")
diff = sum(1 for y in range(t, b) for x in range(l, r) if plain.px(x, y) != off.px(x, y))
check(diff == 0 and rect("off") == rect("plain"), "switched-off-form-equals-never-skinned",
      f"{diff} pixels differ")

# The system menu below and right of the right click: items and left bar.
colours = skin_colours(skinfile)
shot = Shot(f"{art}/sysmenu.png")
at = [line.split()[1:3] for line in open(f"{art}/menu.log", encoding="utf-8")
      if line.startswith("sysmenu ")]
sx, sy = map(int, at[-1])
region = (sx, sy, min(shot.w, sx + 220), min(shot.h, sy + 120))
items = shot.count(colours["SKIN2_MENUITEMCOLOR"], *region)
left = shot.count(colours["SKIN2_LEFTBARSTARTCOLOR"], *region)
check(items > 1000 and left >= 20, "system-menu-in-skin-menu-colours", f"{items}, {left} pixels")

# The control buttons: minimise, restore and close glyphs at (1, 1) of each.
w, h, rows = read_bmp(f"{glyphs}/mdi_controls.bmp")
shot = Shot(f"{art}/mdimax.png")
buttons = {}
for line in open(f"{art}/menu.log", encoding="utf-8"):
    parts = line.split()
    if parts[:1] == ["ctl"]:
        buttons[int(parts[1])] = tuple(map(int, parts[2:6]))
white = (255, 255, 255)
for i in range(3):
    frame = (w // 3, h, [row[i * (w // 3):(i + 1) * (w // 3)] for row in rows])
    x, y, bw, bh = buttons[i]
    found = find_masked(shot, frame, white, (x, y, x + bw, y + bh))
    check(found == [(x + 1, y + 1)], f"control-button-{i}-shows-its-glyph", str(found))
sys.exit(1 if failures else 0)
