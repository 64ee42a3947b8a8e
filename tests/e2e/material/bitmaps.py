#!/usr/bin/env python3
"""Writes bitmap files of every kind the format allows, and damaged ones,
with the pixels each should show, for the bitmap scenario.

Usage: bitmaps.py FOLDER. Writes FOLDER/<name>.bmp and FOLDER/expected.txt:
one line per file, "<name> <width> <height> <tolerance> <rgb hex>" for a
file to show, "<name> refused" for one to drop."""
import os
import struct
import sys

from dib_rows import pack_indices

W, H = 7, 5
# A picture of 7 x 5 pixels in colours every depth here holds exactly.
PALETTE = [(0, 0, 0), (255, 255, 255), (255, 0, 0), (0, 128, 0), (0, 0, 255), (255, 255, 0), (128, 0, 128),
           (0, 255, 255), (192, 192, 192), (128, 128, 128), (128, 0, 0), (0, 0, 128), (255, 0, 255),
           (0, 255, 0), (128, 128, 0), (0, 128, 128)]
INDEX = [[(x * 3 + y * 5) % 16 for x in range(W)] for y in range(H)]


def pixels(levels=16):
    return [[PALETTE[INDEX[y][x] % levels] for x in range(W)] for y in range(H)]


def stride(bits):
    return (W * bits + 31) // 32 * 4


def pack_rows(rows, bits, top_down):
    return b''.join(pack_indices(row, bits) for row in (rows if top_down else rows[::-1]))


def file_header(size, offset):
    return b'BM' + struct.pack('<IHHI', size, 0, 0, offset)


def info_header(size, width, height, bits, compression=0, image=0, colours=0, extra=b''):
    base = struct.pack('<iiHHIIiiII', width, height, 1, bits, compression, image, 2835, 2835, colours, 0)
    return struct.pack('<I', size) + (base + extra).ljust(size - 4, b'\0')[:size - 4]


def bitmap(header, table, data, offset=None):
    offset = 14 + len(header) + len(table) if offset is None else offset
    body = header + table
    return file_header(offset + len(data), offset) + body + b'\0' * (offset - 14 - len(body)) + data


def quads(colours):
    return b''.join(bytes((b, g, r, 0)) for r, g, b in colours)


def triples(colours):
    return b''.join(bytes((b, g, r)) for r, g, b in colours)


def indexed(bits, top_down=False, header_size=40, colours=None, table=None):
    levels = 1 << bits
    rows = [[INDEX[y][x] % levels for x in range(W)] for y in range(H)]
    table = quads(PALETTE[:levels]) if table is None else table
    if colours is None and len(table) // 4 < levels:
        colours = len(table) // 4  # the table holds what the picture uses
    height = -H if top_down else H
    header = info_header(header_size, W, height, bits, colours=colours or 0)
    return bitmap(header, table, pack_rows(rows, bits, top_down))


def direct(bits, rows_bytes, top_down=False, compression=0, header_size=40, masks=b'', extra=b''):
    height = -H if top_down else H
    header = info_header(header_size, W, height, bits, compression, extra=extra)
    return bitmap(header, masks, rows_bytes)


def rows_of(encode, bits, top_down=False):
    out = b''
    picture = pixels()
    for row in (picture if top_down else picture[::-1]):
        line = b''.join(encode(*p) for p in row)
        out += line + b'\0' * (stride(bits) - len(line))
    return out


def rle8():
    out = b''
    for row in [[INDEX[y][x] for x in range(W)] for y in range(H)][::-1]:
        # Two runs of one pixel, then the other five in absolute mode
        # (padded to a whole word), then the end of the line.
        out += bytes((1, row[0], 1, row[1], 0, 5)) + bytes(row[2:]) + b'\0' + b'\0\0'
    return out + b'\0\1'


def rle4():
    out = b''
    for row in [[INDEX[y][x] for x in range(W)] for y in range(H)][::-1]:
        pairs = [row[i] << 4 | (row[i + 1] if i + 1 < W else 0) for i in range(0, W, 2)]
        out += bytes((0, W)) + bytes(pairs) + b'\0' * (len(pairs) % 2) + b'\0\0'  # absolute, word-aligned
    return out + b'\0\1'


def main(folder):
    os.makedirs(folder, exist_ok=True)
    good, bad = {}, {}
    full = pixels()
    for bits in (1, 2, 4, 8):
        for top_down in (False, True):
            good[f'pal{bits}{"_topdown" if top_down else ""}'] = (indexed(bits, top_down), pixels(1 << bits), 0)
    good['pal8_os2_core'] = (bitmap(struct.pack('<IHHHH', 12, W, H, 1, 8), triples(PALETTE) + b'\0' * 3 * 240,
                                    pack_rows(INDEX, 8, False)), full, 0)
    good['pal4_os2_v2'] = (indexed(4, header_size=64), full, 0)
    good['pal8_v4'] = (indexed(8, header_size=108), full, 0)
    good['pal8_v5_topdown'] = (indexed(8, True, header_size=124), full, 0)
    # A table shorter than the depth: indices past it are black.
    short = [[(p if INDEX[y][x] < 6 else (0, 0, 0)) for x, p in enumerate(row)] for y, row in enumerate(full)]
    good['pal8_short_table'] = (indexed(8, colours=6, table=quads(PALETTE[:6])), short, 0)
    # A table longer than the depth: the extra entries are passed over.
    good['pal4_long_table'] = (indexed(4, colours=40, table=quads(PALETTE) + quads([(9, 9, 9)] * 24)), full, 0)
    good['rgb24'] = (direct(24, rows_of(lambda r, g, b: bytes((b, g, r)), 24)), full, 0)
    good['rgb24_topdown'] = (direct(24, rows_of(lambda r, g, b: bytes((b, g, r)), 24, True), True), full, 0)
    good['rgb24_os2_core'] = (bitmap(struct.pack('<IHHHH', 12, W, H, 1, 24), b'',
                                     rows_of(lambda r, g, b: bytes((b, g, r)), 24)), full, 0)
    good['rgb32'] = (direct(32, rows_of(lambda r, g, b: bytes((b, g, r, 0)), 32)), full, 0)
    good['rgb32_topdown'] = (direct(32, rows_of(lambda r, g, b: bytes((b, g, r, 0)), 32, True), True), full, 0)
    five = lambda v: v >> 3
    good['rgb16_555'] = (direct(16, rows_of(lambda r, g, b: struct.pack('<H', five(r) << 10 | five(g) << 5 | five(b)), 16)), full, 8)
    masks565 = struct.pack('<III', 0xF800, 0x07E0, 0x001F)
    enc565 = lambda r, g, b: struct.pack('<H', (r >> 3) << 11 | (g >> 2) << 5 | b >> 3)
    good['rgb16_565_bitfields'] = (direct(16, rows_of(enc565, 16), compression=3, masks=masks565), full, 8)
    good['rgb16_565_v5_topdown'] = (direct(16, rows_of(enc565, 16, True), True, 3, 124, extra=masks565), full, 8)
    masks_rgbx = struct.pack('<III', 0xFF000000, 0x00FF0000, 0x0000FF00)
    enc_rgbx = lambda r, g, b: struct.pack('<I', r << 24 | g << 16 | b << 8)
    good['rgb32_bitfields'] = (direct(32, rows_of(enc_rgbx, 32), compression=3, masks=masks_rgbx), full, 0)
    good['rgb32_alphabitfields'] = (direct(32, rows_of(enc_rgbx, 32), compression=6, masks=masks_rgbx + b'\0' * 4), full, 0)
    good['rle8'] = (bitmap(info_header(40, W, H, 8, 1, len(rle8())), quads(PALETTE) + b'\0' * 4 * 240, rle8()), full, 0)
    good['rle4'] = (bitmap(info_header(40, W, H, 4, 2, len(rle4())), quads(PALETTE), rle4()), full, 0)

    plain = indexed(8)
    bad['truncated'] = plain[:-9]
    bad['width_0'] = bitmap(info_header(40, 0, H, 8), quads(PALETTE), b'')
    bad['height_0'] = bitmap(info_header(40, W, 0, 8), quads(PALETTE), b'\0' * 8)
    bad['planes_2'] = plain[:26] + b'\2' + plain[27:]
    bad['depth_3'] = plain[:28] + b'\3' + plain[29:]
    bad['jpeg_inside'] = bitmap(info_header(40, W, H, 0, 4, 10), b'', b'\xff\xd8' + b'\0' * 8)
    bad['huge_sizes'] = bitmap(info_header(40, 1000000, 1000000, 24), b'', b'\0' * 64)
    bad['huge_rle'] = bitmap(info_header(40, 60000, -60000, 8, 1, 4), quads(PALETTE), b'\0\1\0\1')
    bad['pixels_past_the_end'] = plain[:10] + struct.pack('<I', len(plain) + 100) + plain[14:]
    bad['header_200'] = plain[:14] + struct.pack('<I', 200) + plain[18:]
    bad['bitfields_24'] = direct(24, rows_of(lambda r, g, b: bytes((b, g, r)), 24), compression=3, masks=masks565)
    bad['os2_huffman'] = bitmap(info_header(64, W, H, 1, 3, 8), quads(PALETTE[:2]), b'\0' * 8)
    bad['not_a_bitmap'] = b'PK\3\4' + b'\0' * 60

    with open(os.path.join(folder, 'expected.txt'), 'w') as expected:
        for name, (data, picture, tolerance) in sorted(good.items()):
            open(os.path.join(folder, name + '.bmp'), 'wb').write(data)
            rgb = bytes(c for row in picture for p in row for c in p).hex()
            expected.write(f'{name} {W} {H} {tolerance} {rgb}\n')
        for name, data in sorted(bad.items()):
            open(os.path.join(folder, name + '.bmp'), 'wb').write(data)
            expected.write(f'{name} refused\n')


main(sys.argv[1])
