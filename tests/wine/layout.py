#!/usr/bin/env python3
"""Compares the layout of two screenshots of the main window (binary PPM):
the program under Wine and the same window on Linux. What must match is
where the display's two black panels are, the ahead/behind panel and the
time display: in each image the panel is found in its part of the window as
the rows and columns that are mostly black, and its edges must lie within
a few pixels of those on Linux (the Windows style's tab bar is a little
lower than Fusion's), whatever the digits show. Also checks that the points
given lie in a lit segment (yellow).

usage: layout.py <shot.ppm> <reference.ppm> [x,y ...]
Prints each panel's place; exit status 1 when the layouts differ."""

import sys

TOLERANCE = 4  # pixels
# Where to look for each panel: left, top, right, bottom.
PANELS = {"ahead/behind": (280, 10, 708, 250), "time display": (105, 246, 495, 395)}


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or fields[3] != b"255":
        sys.exit(path + ": not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:pos + 1 + 3 * width * height]


def is_black(pixels, width, x, y):
    r, g, b = pixels[3 * (y * width + x):3 * (y * width + x) + 3]
    return r < 24 and g < 24 and b < 24


def panel_box(image, area):
    """The panel within the area: its mostly black rows and columns."""
    width, height, pixels = image
    left, top, right, bottom = area
    right, bottom = min(right, width), min(bottom, height)
    rows = [y for y in range(top, bottom)
            if sum(is_black(pixels, width, x, y) for x in range(left, right)) > (right - left) // 2]
    columns = [x for x in range(left, right)
               if sum(is_black(pixels, width, x, y) for y in range(top, bottom)) > (bottom - top) // 2]
    if not rows or not columns:
        return None
    return columns[0], rows[0], columns[-1], rows[-1]


def main():
    shot, reference = read_ppm(sys.argv[1]), read_ppm(sys.argv[2])
    if shot[:2] != reference[:2]:
        print("FAIL: the window is %d × %d, on Linux %d × %d" % (shot[:2] + reference[:2]))
        return 1
    failed = False
    for name, area in PANELS.items():
        here, there = panel_box(shot, area), panel_box(reference, area)
        same = here is not None and there is not None and \
            all(abs(p - q) <= TOLERANCE for p, q in zip(here, there))
        failed |= not same
        print("%s %s panel at %s, on Linux at %s" % ("ok:  " if same else "FAIL:", name, here, there))
    width, _, pixels = shot
    for point in sys.argv[3:]:
        x, y = map(int, point.split(","))
        r, g, b = pixels[3 * (y * width + x):3 * (y * width + x) + 3]
        lit = r > 200 and g > 200 and b < 80
        failed |= not lit
        print("%s segment at %d,%d is %s" % ("ok:  " if lit else "FAIL:", x, y,
                                               "lit" if lit else "%d,%d,%d" % (r, g, b)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
