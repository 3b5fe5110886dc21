#!/usr/bin/env python3
"""Writes the 16 and 24 pixel icons, drawn for their size in flat colours, each pixel on or off:
scaled down, the large icon's gradient, wave and bridge become a blur. The same green tile, white C
and white field below, with fewer details.

    python3 dist/icons/small_icons.py    (writes hicolor/16x16 and hicolor/24x24)
"""
import math
import os
import struct
import zlib

CLEAR = (0, 0, 0, 0)
EDGE = (0x14, 0x5e, 0x33, 255)    # the tile's edge and the bridge
GREEN = (0x2e, 0x9e, 0x5b, 255)   # the banner
WHITE = (0xff, 0xff, 0xff, 255)   # the C and the field below

# size: corner radius, C centre (x, y), C radii (inner, outer), half the opening (degrees),
# first row of the white field, and whether the field carries the bridge's arch.
DESIGNS = {
    16: dict(corner=3.5, centre=(7.5, 7.0), radii=(2.1, 4.4), opening=42, field=13, bridge=False),
    24: dict(corner=5, centre=(11.5, 10.0), radii=(3.4, 6.6), opening=40, field=18, bridge=True),
}


def inside_tile(x, y, n, r):
    """Whether the pixel centre (x, y) lies in the n-by-n square with corners rounded by r."""
    cx = min(max(x, r), n - r)
    cy = min(max(y, r), n - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def colour(n, d, px, py):
    x, y = px + 0.5, py + 0.5
    if not inside_tile(x, y, n, d['corner']):
        return CLEAR
    if not all(
            inside_tile(x + dx, y + dy, n, d['corner']) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
        return EDGE
    if py >= d['field']:
        if d['bridge']:
            # The bridge: one arch over the field, from edge to edge of the C's width.
            span = n * 0.3
            arch = d['field'] + 1.0 + 3.0 * ((x - n / 2) / span) ** 2
            if abs(x - n / 2) <= span + 0.5 and abs(y - arch) < 0.75:
                return EDGE
        return WHITE
    cx, cy = d['centre']
    distance = math.hypot(x - cx, y - cy)
    angle = abs(math.degrees(math.atan2(y - cy, x - cx)))
    inner, outer = d['radii']
    if inner <= distance <= outer and angle > d['opening']:
        return WHITE
    return GREEN


def png(n, pixels):
    raw = b''.join(b'\0' + b''.join(struct.pack('4B', *pixels(x, y)) for x in range(n)) for y in range(n))

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff)

    header = struct.pack('>IIBBBBB', n, n, 8, 6, 0, 0, 0)
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b'')


if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    for n, design in DESIGNS.items():
        folder = os.path.join(here, 'hicolor', f'{n}x{n}', 'apps')
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, 'cn.zhiqiao.CTutor.png'), 'wb') as f:
            f.write(png(n, lambda x, y: colour(n, design, x, y)))
