#!/usr/bin/env python3
"""Draws the program's icon for Windows: an .ico holding the SVG drawn at the
sizes Windows asks for, each as a PNG (read by Windows Vista and later).

usage: make-icon.py <icon.svg> <icon.ico>   (needs rsvg-convert)"""

import struct
import subprocess
import sys

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)


def main():
    svg, ico = sys.argv[1:3]
    images = [subprocess.run(["rsvg-convert", "-w", str(s), "-h", str(s), svg],
                             check=True, capture_output=True).stdout for s in SIZES]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b""
    for size, png in zip(SIZES, images):
        # width and height 0 stand for 256
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(png), offset)
        offset += len(png)
    with open(ico, "wb") as out:
        out.write(header + entries + b"".join(images))


if __name__ == "__main__":
    main()
