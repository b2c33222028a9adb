#!/usr/bin/env python3
"""Draws qorvix.svg's shapes (rounded rectangles only) into PNG files of the
sizes the desktop asks for; no image library needed."""
import re
import struct
import sys
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent


def shapes():
    svg = (HERE / "qorvix.svg").read_text()
    for m in re.finditer(r'<rect ([^>]*)/>', svg):
        attrs = dict(re.findall(r'(\w+)="([^"]*)"', m.group(1)))
        colour = attrs["fill"].lstrip("#")
        yield (float(attrs["x"]), float(attrs["y"]), float(attrs["width"]), float(attrs["height"]),
               float(attrs.get("rx", 0)), tuple(int(colour[i:i + 2], 16) for i in (0, 2, 4)))


def inside(px, py, x, y, w, h, r):
    if px < x or py < y or px >= x + w or py >= y + h:
        return False
    cx = min(max(px, x + r), x + w - r)
    cy = min(max(py, y + r), y + h - r)
    return (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def render(size, samples=4):
    rects = list(shapes())
    scale = 256.0 / size
    rows = []
    for j in range(size):
        row = bytearray()
        for i in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sj in range(samples):
                for si in range(samples):
                    px = (i + (si + 0.5) / samples) * scale
                    py = (j + (sj + 0.5) / samples) * scale
                    colour = None
                    for x, y, w, h, r, c in rects:
                        if inside(px, py, x, y, w, h, r):
                            colour = c
                    if colour:
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
                        acc[3] += 1
            n = samples * samples
            alpha = acc[3] / n
            if acc[3]:
                row += bytes([round(acc[0] / acc[3]), round(acc[1] / acc[3]), round(acc[2] / acc[3]),
                              round(alpha * 255)])
            else:
                row += bytes([0, 0, 0, 0])
        rows.append(bytes([0]) + bytes(row))
    raw = b"".join(rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    for size in (16, 32, 48, 64, 128, 256):
        (HERE / f"qorvix-{size}.png").write_bytes(render(size))
    sys.exit(0)
