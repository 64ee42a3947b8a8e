#!/usr/bin/env python3
"""JPEG files the scenarios need, made from a JPEG that ImageMagick drew.

  jpegs.py orient SOURCE TARGET N [motorola]
      SOURCE with an EXIF segment whose orientation is N (1 to 8), in
      Intel byte order unless motorola is named, put right after its start.
  jpegs.py undecodable SOURCE TARGET
      SOURCE made progressive, and the Huffman table before its second scan
      given more codes than a table holds: the header reads, libjpeg stops
      the decode with "Bogus Huffman table definition".
"""
import os
import struct
import subprocess
import sys


def exif_segment(orientation, motorola):
    order = '>' if motorola else '<'
    tiff = (b'MM' if motorola else b'II') + struct.pack(order + 'HI', 42, 8)
    tiff += struct.pack(order + 'H', 1) + struct.pack(order + 'HHIHH', 0x0112, 3, 1, orientation, 0)
    tiff += struct.pack(order + 'I', 0)
    data = b'Exif\0\0' + tiff
    return b'\xff\xe1' + struct.pack('>H', len(data) + 2) + data


def marker_after(data, code, start):
    at = data.find(bytes([0xFF, code]), start)
    if at < 0:
        sys.exit(f'jpegs.py: no marker FF{code:02X} after byte {start}')
    return at


def main():
    verb, source, target = sys.argv[1:4]
    if verb == 'orient':
        data = open(source, 'rb').read()
        segment = exif_segment(int(sys.argv[4]), len(sys.argv) > 5 and sys.argv[5] == 'motorola')
        open(target, 'wb').write(data[:2] + segment + data[2:])
    elif verb == 'undecodable':
        subprocess.run(['convert', source, '-interlace', 'JPEG', target], check=True,
                       env=dict(os.environ, LC_ALL='C'))
        data = bytearray(open(target, 'rb').read())
        table = marker_after(data, 0xC4, marker_after(data, 0xDA, 2))
        data[table + 5:table + 21] = b'\xff' * 16  # its sixteen code counts
        open(target, 'wb').write(bytes(data))
    else:
        sys.exit(f'jpegs.py: no verb {verb}')


main()
