#!/usr/bin/env python3
"""Writes icon files for the icon scenario: one per kind of image an icon
directory holds (1, 4, 8, 24 and 32 bits, and 256 x 256 PNG), each the
first of several images, each picture blue on its left half and red on its
right half.

Usage: icons.py FOLDER. Writes FOLDER/<kind>.ico."""
import os
import struct
import sys
import zlib

from dib_rows import pack_indices, padded_stride

BLUE, RED = (0, 0, 255), (255, 0, 0)


def colour(x, size):
    return BLUE if x < size // 2 else RED


stride = padded_stride


def bmp_entry(size, bits):
    """A DIB of size x size (height doubled for the AND mask), bottom up."""
    if bits <= 8:
        table = [(0, 0, 0)] * (1 << bits)
        table[0], table[1] = BLUE, RED
        palette = b''.join(bytes((b, g, r, 0)) for r, g, b in table)
    else:
        palette = b''
    rows = b''
    for y in range(size):
        if bits <= 8:
            rows += pack_indices([0 if x < size // 2 else 1 for x in range(size)], bits)
        else:
            line = b''.join(bytes(colour(x, size)[::-1]) + (b'\xff' if bits == 32 else b'') for x in range(size))
            rows += line + b'\0' * (stride(size, bits) - len(line))
    mask = b'\0' * stride(size, 1) * size  # all opaque
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, len(rows) + len(mask), 0, 0,
                         len(palette) // 4, 0)
    return header + palette + rows + mask


def png_entry(size, colour_type=6):
    """Truecolour with alpha (6), truecolour (2) or with a palette (3)."""
    raw = b''
    for y in range(size):
        if colour_type == 3:
            raw += b'\0' + bytes(0 if x < size // 2 else 1 for x in range(size))
        else:
            alpha = b'\xff' if colour_type == 6 else b''
            raw += b'\0' + b''.join(bytes(colour(x, size)) + alpha for x in range(size))

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    palette = chunk(b'PLTE', bytes(BLUE + RED)) if colour_type == 3 else b''
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, colour_type, 0, 0, 0)) +
            palette + chunk(b'IDAT', zlib.compress(raw)) + chunk(b'IEND', b''))


def icon(entries):
    """entries: (size, bits, data); the first is the one the program shows."""
    out = struct.pack('<HHH', 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    body = b''
    for size, bits, data in entries:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, bits, len(data), offset + len(body))
        body += data
    return out + body


def main(folder):
    os.makedirs(folder, exist_ok=True)
    others = [(16, 32, bmp_entry(16, 32)), (48, 8, bmp_entry(48, 8))]
    kinds = {
        'bits1': [(32, 1, bmp_entry(32, 1))],
        'bits4': [(32, 4, bmp_entry(32, 4))],
        'bits8': [(48, 8, bmp_entry(48, 8))],
        'bits24': [(32, 24, bmp_entry(32, 24))],
        'bits32': [(64, 32, bmp_entry(64, 32))],
        'png256': [(256, 32, png_entry(256))],
        'png256_rgb': [(256, 32, png_entry(256, 2))],
        'png256_palette': [(256, 32, png_entry(256, 3))],
    }
    kinds['png256_cut'] = [(256, 32, png_entry(256)[:100])]  # damaged: dropped
    for name, first in kinds.items():
        open(os.path.join(folder, name + '.ico'), 'wb').write(icon(first + others))


main(sys.argv[1])
