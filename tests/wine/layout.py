#!/usr/bin/env python3
"""Compares the layout of two screenshots of the main window (binary PPM):
the program under Wine and the same window on Linux. What must match is
where the display's panels are: every pixel is classed as panel (the black
panels with their yellow, red, green or dark grey digits) or not, and the
panel areas of both must cover each other almost wholly, whatever the digits
show. Also checks that the points given lie in a lit segment (yellow).

usage: layout.py <shot.ppm> <reference.ppm> [x,y ...]
Prints the overlap; exit status 1 when the layouts differ."""

import sys

MIN_OVERLAP = 0.97


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


def is_panel(r, g, b):
    if r < 24 and g < 24 and b < 24:
        return True  # the panels' black
    if r > 200 and g > 200 and b < 80:
        return True  # lit segments
    if 40 <= r <= 90 and 40 <= g <= 90 and 40 <= b <= 90:
        return True  # unlit leading digits
    return (r > 200 and g < 60 and b < 60) or (g > 100 and r < 60 and b < 60)  # behind / ahead


def panel_mask(image):
    width, height, pixels = image
    return {i for i in range(width * height) if is_panel(*pixels[3 * i:3 * i + 3])}


def main():
    shot, reference = read_ppm(sys.argv[1]), read_ppm(sys.argv[2])
    if shot[:2] != reference[:2]:
        print("FAIL: the window is %d × %d, on Linux %d × %d" % (shot[:2] + reference[:2]))
        return 1
    a, b = panel_mask(shot), panel_mask(reference)
    overlap = len(a & b) / max(1, len(a | b))
    failed = overlap < MIN_OVERLAP
    print("%s: the panels overlap those on Linux by %.3f (%d and %d pixels)"
          % ("FAIL" if failed else "ok:  ", overlap, len(a), len(b)))
    width, _, pixels = shot
    for point in sys.argv[3:]:
        x, y = map(int, point.split(","))
        r, g, b = pixels[3 * (y * width + x):3 * (y * width + x) + 3]
        lit = r > 200 and g > 200 and b < 80
        failed |= not lit
        print("%s: segment at %d,%d is %s" % ("ok:  " if lit else "FAIL", x, y,
                                               "lit" if lit else "%d,%d,%d" % (r, g, b)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
