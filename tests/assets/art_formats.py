"""Readers for device-independent bitmaps and icon files, written apart
from the generator's writers so that a fault in either shows up."""

import struct


class Dib:
    """A decoded DIB: size, depth, palette and rows of 0xRRGGBB colours
    (top row first)."""

    def __init__(self, width, height, bpp, palette, pixels):
        self.width, self.height, self.bpp = width, height, bpp
        self.palette, self.pixels = palette, pixels

    def at(self, x, y):
        return self.pixels[y][x]


def parse_dib(data, offset=0, height_factor=1):
    """Decodes a BITMAPINFOHEADER DIB at offset. Returns (Dib, offset of
    the first byte after the colour bits)."""
    (size, w, h, planes, bpp, comp, _, _, _, used, _) = struct.unpack_from(
        '<IiiHHIIiiII', data, offset)
    if size != 40:
        raise ValueError('header size %d, not BITMAPINFOHEADER' % size)
    if planes != 1 or comp != 0:
        raise ValueError('planes %d, compression %d' % (planes, comp))
    h //= height_factor
    bottom_up = h > 0
    h = abs(h)
    pos = offset + 40
    palette = []
    if bpp <= 8:
        n = used or (1 << bpp)
        for i in range(n):
            b, g, r, _ = data[pos + 4 * i:pos + 4 * i + 4]
            palette.append((r << 16) | (g << 8) | b)
        pos += 4 * n
    stride = ((w * bpp + 31) // 32) * 4
    rows = []
    for r in range(h):
        raw = data[pos + r * stride:pos + (r + 1) * stride]
        if len(raw) < stride:
            raise ValueError('colour bits cut short')
        row = []
        for x in range(w):
            if bpp == 24:
                b, g, rr = raw[3 * x:3 * x + 3]
                row.append((rr << 16) | (g << 8) | b)
            else:
                bit = x * bpp
                v = (raw[bit // 8] >> (8 - bpp - bit % 8)) & ((1 << bpp) - 1)
                row.append(palette[v])
        rows.append(row)
    if bottom_up:
        rows.reverse()
    return Dib(w, h, bpp, palette, rows), pos + h * stride


def read_bmp(data):
    if data[:2] != b'BM':
        raise ValueError('no BM signature')
    file_size, _, _, bits_at = struct.unpack_from('<IHHI', data, 2)
    if file_size != len(data):
        raise ValueError('file size field %d, file %d bytes' % (file_size, len(data)))
    dib, end = parse_dib(data, 14)
    if end != len(data):
        raise ValueError('%d bytes after the colour bits' % (len(data) - end))
    return dib


def parse_icon_image(data, offset=0):
    """One icon image: (Dib of the colours, mask rows of 0/1)."""
    dib, pos = parse_dib(data, offset, height_factor=2)
    stride = ((dib.width + 31) // 32) * 4
    mask = []
    for r in range(dib.height):
        raw = data[pos + r * stride:pos + (r + 1) * stride]
        mask.append([(raw[x // 8] >> (7 - x % 8)) & 1 for x in range(dib.width)])
    mask.reverse()
    return dib, mask


def read_ico(data):
    """All images of an .ico file as (Dib, mask) pairs, after checking the
    directory against each image."""
    reserved, kind, count = struct.unpack_from('<HHH', data, 0)
    if reserved != 0 or kind != 1 or count == 0:
        raise ValueError('not an icon file')
    images = []
    for i in range(count):
        w, h, colours, _, planes, bpp, size, offset = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
        dib, mask = parse_icon_image(data[offset:offset + size])
        if (dib.width, dib.height, dib.bpp) != (w or 256, h or 256, bpp):
            raise ValueError('directory entry %d does not match its image' % i)
        images.append((dib, mask))
    return images


def visible(dib, mask):
    """The pixels DrawIcon paints: {(x, y): colour} where the mask is 0."""
    return {(x, y): dib.at(x, y) for y in range(dib.height) for x in range(dib.width)
            if mask[y][x] == 0}
