#!/usr/bin/env python3
"""Writes PNG pictures into a C++ source as runs of one colour, which the
window reads without an image decoder: make_runs.py OUT.cpp IN.png...

Each run is four bytes: how many pixels (1 to 255), then red, green, blue.
The runs follow the rows from the top left. Only 8-bit RGB pictures without
interlacing are read, as the artwork is drawn."""
import os
import struct
import sys
import zlib


def rgb_rows(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit(path + ": not a PNG picture")
    at, header, packed = 8, None, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            packed += body
        at += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, 2, 0):
        raise SystemExit(path + ": not an 8-bit RGB picture without interlacing")
    raw = zlib.decompress(packed)
    stride, rows, previous = width * 3, [], bytearray(width * 3)
    for y in range(height):
        line = raw[y * (stride + 1):(y + 1) * (stride + 1)]
        kind, row = line[0], bytearray(line[1:])
        for x in range(stride):
            left = row[x - 3] if x >= 3 else 0
            up = previous[x]
            corner = previous[x - 3] if x >= 3 else 0
            if kind == 1:
                row[x] = (row[x] + left) & 0xFF
            elif kind == 2:
                row[x] = (row[x] + up) & 0xFF
            elif kind == 3:
                row[x] = (row[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                guess = left + up - corner
                near = min((abs(guess - left), 0, left), (abs(guess - up), 1, up),
                           (abs(guess - corner), 2, corner))
                row[x] = (row[x] + near[2]) & 0xFF
        rows.append(bytes(row))
        previous = row
    return width, height, rows


def runs(rows):
    pixels = [row[x:x + 3] for row in rows for x in range(0, len(row), 3)]
    out, at = bytearray(), 0
    while at < len(pixels):
        count = 1
        while count < 255 and at + count < len(pixels) and pixels[at + count] == pixels[at]:
            count += 1
        out += bytes([count]) + pixels[at]
        at += count
    return bytes(out)


def main(out, inputs):
    lines = ["// Written by ui/artwork/make_runs.py from the artwork's PNG files.",
             '#include "ui/run_pictures.h"', "", "namespace wv {", "", "namespace {", ""]
    entries = []
    for n, path in enumerate(inputs):
        width, height, rows = rgb_rows(path)
        data = runs(rows)
        lines.append("constexpr unsigned char kRuns%d[] = {" % n)
        for at in range(0, len(data), 24):
            lines.append("    " + ", ".join(str(b) for b in data[at:at + 24]) + ",")
        lines.append("};")
        entries.append('    {"%s", %d, %d, kRuns%d},' % (os.path.basename(path), width, height, n))
    lines += ["", "constexpr RunPicture kPictures[] = {"] + entries + ["};", "", "}  // namespace", "",
              "std::span<const RunPicture> RunPictures() {", "  return kPictures;", "}", "",
              "}  // namespace wv", ""]
    with open(out, "w") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    main(sys.argv[1], sys.argv[2:])
