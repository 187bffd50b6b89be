#!/usr/bin/env python3
"""Packs square PNG pictures into one Windows icon (.ico), each kept as PNG
(Windows Vista and later read them so):

    packaging/make_ico.py OUT.ico PICTURE.png...

orvane.ico is made from orvane.svg drawn at 16, 24, 32, 48, 64 and 256 pixels."""

import struct
import sys


def png_size(data, name):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        sys.exit(f"{name}: not a PNG file")
    width, height = struct.unpack(">II", data[16:24])
    if width != height or not 1 <= width <= 256:
        sys.exit(f"{name}: {width}x{height}; an icon picture is square, 1 to 256 pixels")
    return width


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    pictures = []
    for name in sys.argv[2:]:
        with open(name, "rb") as source:
            data = source.read()
        pictures.append((png_size(data, name), data))
    pictures.sort(key=lambda picture: picture[0])
    header = struct.pack("<HHH", 0, 1, len(pictures))
    offset = len(header) + 16 * len(pictures)
    entries, images = b"", b""
    for size, data in pictures:
        # A size of 256 is written as 0; 32 bits a pixel, one plane.
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        images += data
        offset += len(data)
    with open(sys.argv[1], "wb") as out:
        out.write(header + entries + images)


if __name__ == "__main__":
    main()
