#!/usr/bin/env python3
"""Packs PNG pictures into one .ico file, each stored as PNG, as Windows
Vista and later read them: make_icon.py OUT.ico IN.png...  The sizes are read
from the pictures' own headers."""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit("not a PNG picture")
    return struct.unpack(">II", data[16:24])


def main(out, inputs):
    pictures = []
    for name in inputs:
        with open(name, "rb") as f:
            data = f.read()
        width, height = png_size(data)
        pictures.append((width, height, data))
    pictures.sort(key=lambda p: p[0])
    header = struct.pack("<HHH", 0, 1, len(pictures))
    offset = 6 + 16 * len(pictures)
    entries, bodies = b"", b""
    for width, height, data in pictures:
        # 0 stands for 256 in the one-byte size fields.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        bodies += data
        offset += len(data)
    with open(out, "wb") as f:
        f.write(header + entries + bodies)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    main(sys.argv[1], sys.argv[2:])
