"""Readers for device-independent bitmaps and icon files, written apart
from the generator's writers so that a fault in either shows up."""

import struct
import zlib

PNG_SIGNATURE = b'\x89PNG\r\n\x1a\n'


class Dib:
    """A decoded DIB: size, depth, palette and rows of 0xRRGGBB colours
    (top row first); 0xAARRGGBB at 32 bits per pixel."""

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
            if bpp == 32:
                b, g, rr, a = raw[4 * x:4 * x + 4]
                row.append((a << 24) | (rr << 16) | (g << 8) | b)
            elif bpp == 24:
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


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


def read_png_rgba(data):
    """An 8-bit RGBA PNG (colour type 6) as a Dib of 0xAARRGGBB rows."""
    if data[:8] != PNG_SIGNATURE:
        raise ValueError('no PNG signature')
    pos, idat, header = 8, b'', None
    while pos < len(data):
        length, kind = struct.unpack_from('>I4s', data, pos)
        body = data[pos + 8:pos + 8 + length]
        if zlib.crc32(kind + body) & 0xFFFFFFFF != struct.unpack_from('>I', data, pos + 8 + length)[0]:
            raise ValueError('PNG chunk %r fails its CRC' % kind)
        if kind == b'IHDR':
            header = struct.unpack('>IIBBBBB', body)
        elif kind == b'IDAT':
            idat += body
        pos += 12 + length
    if header is None or header[2:] != (8, 6, 0, 0, 0):
        raise ValueError('not an 8-bit RGBA PNG: %r' % (header,))
    w, h = header[:2]
    raw = zlib.decompress(idat)
    stride, rows, previous = 4 * w, [], bytearray(4 * w)
    for y in range(h):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - 4] if i >= 4 else 0
            b = previous[i]
            c = previous[i - 4] if i >= 4 else 0
            line[i] = (line[i] + (0, a, b, (a + b) // 2, _paeth(a, b, c))[kind]) & 0xFF
        rows.append([(line[4 * x + 3] << 24) | (line[4 * x] << 16) | (line[4 * x + 1] << 8) |
                     line[4 * x + 2] for x in range(w)])
        previous = line
    return Dib(w, h, 32, [], rows)


def read_ico(data):
    """All images of an .ico file as (Dib, mask) pairs, after checking the
    directory against each image; a PNG image's mask is where its alpha is
    0."""
    reserved, kind, count = struct.unpack_from('<HHH', data, 0)
    if reserved != 0 or kind != 1 or count == 0:
        raise ValueError('not an icon file')
    images = []
    for i in range(count):
        w, h, colours, _, planes, bpp, size, offset = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
        blob = data[offset:offset + size]
        if blob[:8] == PNG_SIGNATURE:
            dib = read_png_rgba(blob)
            mask = [[1 if v >> 24 == 0 else 0 for v in row] for row in dib.pixels]
        else:
            dib, mask = parse_icon_image(blob)
        if (dib.width, dib.height, dib.bpp) != (w or 256, h or 256, bpp):
            raise ValueError('directory entry %d does not match its image' % i)
        images.append((dib, mask))
    return images


def visible(dib, mask):
    """The pixels DrawIcon paints: {(x, y): colour} where the mask is 0."""
    return {(x, y): dib.at(x, y) for y in range(dib.height) for x in range(dib.width)
            if mask[y][x] == 0}
