"""Pixel rows as bitmap files and icons store them."""


def padded_stride(width, bits):
    """Bytes in a row of width pixels of bits each, padded to 4 bytes."""
    return (width * bits + 31) // 32 * 4


def pack_indices(row, bits):
    """A row of palette indices of 1, 2, 4 or 8 bits, packed from the high
    bits of each byte and padded to 4 bytes."""
    value, used, line = 0, 0, bytearray()
    for v in row:
        value = value << bits | v
        used += bits
        if used == 8:
            line.append(value)
            value, used = 0, 0
    if used:
        line.append(value << (8 - used))
    return bytes(line) + b'\0' * (padded_stride(len(row), bits) - len(line))
