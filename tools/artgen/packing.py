"""Packing the pictures of the other languages: a picture file (.bmp
bytes) as the program unpacks it (platform/packed_pictures.cpp), so that
each language's pictures with words cost a few kilobytes.

The packed form: the unpacked size as 4 bytes, little-endian; then
groups of up to eight items, each group led by a byte whose bits, lowest
first, say for each item whether it is one byte as it stands (1) or a copy
of earlier bytes (0): 2 bytes of how far back it starts (1 to 65535,
little-endian) and 1 byte of its length less 4 (4 to 259 bytes)."""

import struct

WINDOW = 65535
SHORTEST, LONGEST = 4, 259
CHAIN = 256   # earlier places looked at for each match


def pack(data):
    out = bytearray(struct.pack('<I', len(data)))
    places = {}
    i, n = 0, len(data)
    while i < n:
        flags_at = len(out)
        out.append(0)
        flags = 0
        for bit in range(8):
            if i >= n:
                break
            best, back = 0, 0
            key = data[i:i + SHORTEST]
            if len(key) == SHORTEST:
                for j in reversed(places.get(key, [])[-CHAIN:]):
                    if i - j > WINDOW:
                        break
                    length = 0
                    while length < LONGEST and i + length < n and data[j + length] == data[i + length]:
                        length += 1
                    if length > best:
                        best, back = length, i - j
                    if length == LONGEST:
                        break
            if best >= SHORTEST:
                out += struct.pack('<HB', back, best - SHORTEST)
                for k in range(best):
                    places.setdefault(data[i + k:i + k + SHORTEST], []).append(i + k)
                i += best
            else:
                flags |= 1 << bit
                out.append(data[i])
                places.setdefault(key, []).append(i)
                i += 1
        out[flags_at] = flags
    return bytes(out)


def unpack(packed):
    size = struct.unpack_from('<I', packed)[0]
    out = bytearray()
    at = 4
    while len(out) < size:
        flags = packed[at]
        at += 1
        for bit in range(8):
            if len(out) >= size:
                break
            if flags >> bit & 1:
                out.append(packed[at])
                at += 1
            else:
                back, length = struct.unpack_from('<HB', packed, at)
                at += 3
                for _ in range(length + SHORTEST):
                    out.append(out[-back])
    return bytes(out)
