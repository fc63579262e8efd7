#!/usr/bin/env python3
"""compare_shots.py ART: checks the probe's screenshots (see skin_window_test.sh)."""
import subprocess
import sys

art = sys.argv[1]
failures = 0


def check(ok, name, why=""):
    global failures
    print(("PASS " if ok else "FAIL ") + name + ("" if ok else ": " + why))
    if not ok:
        failures += 1


def load_png(name):
    out = subprocess.run(["/usr/bin/convert", f"{art}/{name}.png", "-depth", "8", "rgb:-"],
                         check=True, capture_output=True).stdout
    size = subprocess.run(["/usr/bin/identify", "-format", "%w %h", f"{art}/{name}.png"],
                          check=True, capture_output=True, text=True).stdout.split()
    return int(size[0]), int(size[1]), out


def load_ppm(name):
    data = open(f"{art}/{name}.ppm", "rb").read()
    parts = data.split(b"\n", 3)
    w, h = map(int, parts[1].split())
    return w, h, parts[3]


def rect(name):
    return list(map(int, open(f"{art}/{name}.rect").read().split()))


def px(img, x, y):
    w, _, data = img
    i = (y * w + x) * 3
    return data[i:i + 3]


def ppx(img, x, y):
    w, _, data = img
    i = (y * w + x) * 3
    return data[i:i + 3]


plain = load_png("plain")
for other in ["inactive", "off1", "off2", "destroyed"]:
    shot = load_png(other)
    diff = sum(1 for i in range(0, len(plain[2]), 3) if plain[2][i:i + 3] != shot[2][i:i + 3])
    check(diff == 0 and rect(other) == rect("plain"), f"screenshot-{other}-equals-never-skinned",
          f"{diff} pixels differ")

metrics = {}
for line in open(f"{art}/probe.log"):
    if line.startswith("METRICS"):
        metrics = {k: v for k, v in (p.split("=") for p in line.split()[1:])}
trans = bytes.fromhex(metrics["trans"])  # 00BBGGRR as the probe prints it
trans = bytes([trans[2], trans[1], trans[0]])
skinned = load_png("skinned")
left, top, right, bottom = rect("skinned")
width = right - left
t1, t2, t3 = load_ppm("titlebar1"), load_ppm("titlebar2"), load_ppm("titlebar3")
iconx = int(metrics["iconx"])

# The left end, left of the icon, where not transparent.
bad = 0
for y in range(t1[1]):
    for x in range(max(iconx, 0)):
        want = ppx(t1, x, y)
        if want != trans and px(skinned, left + x, top + y) != want:
            bad += 1
check(bad == 0 and iconx > 0, "title-left-end-is-the-skin-image", f"{bad} pixels")
# Beyond the caption and before the buttons the middle piece is stretched:
# each screen column is one of the middle image's columns.
cols = {bytes(b"".join(ppx(t2, x, y) for y in range(t2[1]))) for x in range(t2[0])}
mid = left + width // 2 + 40
column = bytes(b"".join(px(skinned, mid, top + y) for y in range(t2[1])))
check(column in cols, "title-middle-is-the-skin-image")
# The right end's last columns, right of the buttons.
btnx = int(metrics["btnx"])
bad = 0
for y in range(t3[1]):
    for x in range(t3[0] - btnx + 1, t3[0]):
        want = ppx(t3, x, y)
        if want != trans and px(skinned, right - t3[0] + x, top + y) != want:
            bad += 1
check(bad == 0, "title-right-end-is-the-skin-image", f"{bad} pixels")
# The corner pixels that the skin marks transparent are cut away (the root
# window's black shows there).
corner = px(skinned, left, top)
check(ppx(t1, 0, 0) != trans or corner == b"\0\0\0", "cut-corner-shows-the-screen-behind",
      corner.hex())
sys.exit(1 if failures else 0)
