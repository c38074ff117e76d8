"""Writers for the picture formats the game links: uncompressed Windows
BMP (1, 4, 8 and 24 bits per pixel, BITMAPINFOHEADER), icon files with
4-bit colour images and AND masks and 32-bit images with an alpha channel
(the 256-pixel one as PNG, as Windows keeps its large icons), and plain
PNG for the review sheet.

Pixels arrive as palette indices (palettized formats) or as 0xRRGGBB
integers (true colour). Every writer is a pure function of its input, so
the same picture always gives the same bytes."""

import struct
import zlib


def _row_stride(width, bpp):
    return ((width * bpp + 31) // 32) * 4


def _pack_row(values, bpp):
    """Packs one row of palette indices (or colours for 24 bpp) into bytes,
    padded to a 4-byte boundary as DIBs require."""
    out = bytearray()
    if bpp == 24:
        for c in values:
            out += bytes((c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF))
    elif bpp == 8:
        out += bytes(values)
    else:
        per_byte = 8 // bpp
        for i in range(0, len(values), per_byte):
            b = 0
            for j in range(per_byte):
                v = values[i + j] if i + j < len(values) else 0
                b |= v << (8 - bpp * (j + 1))
            out.append(b)
    stride = _row_stride(len(values), bpp)
    out += bytes(stride - len(out))
    return bytes(out)


def _palette_bytes(palette, entries):
    out = bytearray()
    for i in range(entries):
        c = palette[i] if i < len(palette) else 0
        out += bytes((c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF, 0))
    return bytes(out)


def _info_header(width, height, bpp, image_size):
    # biSize, biWidth, biHeight, biPlanes, biBitCount, biCompression (BI_RGB),
    # biSizeImage, biXPelsPerMeter, biYPelsPerMeter (96 dpi), biClrUsed,
    # biClrImportant
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bpp, 0,
                       image_size, 3780, 3780, 0, 0)


def bmp_bytes(width, height, bpp, pixels, palette=None):
    """A complete .bmp file. pixels is a row-major list (top row first) of
    palette indices, or of 0xRRGGBB colours when bpp is 24."""
    assert bpp in (1, 4, 8, 24)
    assert len(pixels) == width * height
    rows = [_pack_row(pixels[y * width:(y + 1) * width], bpp)
            for y in range(height - 1, -1, -1)]
    image = b''.join(rows)
    pal = b''
    if bpp != 24:
        assert palette is not None and len(palette) <= (1 << bpp)
        pal = _palette_bytes(palette, 1 << bpp)
    offset = 14 + 40 + len(pal)
    header = struct.pack('<2sIHHI', b'BM', offset + len(image), 0, 0, offset)
    return header + _info_header(width, height, bpp, len(image)) + pal + image


def _icon_image(width, height, palette, pixels, mask):
    """One 4-bit icon image: header with doubled height, 16-entry colour
    table, XOR bits, then the 1-bit AND mask (1 = transparent)."""
    xor = b''.join(_pack_row(pixels[y * width:(y + 1) * width], 4)
                   for y in range(height - 1, -1, -1))
    andm = b''.join(_pack_row(mask[y * width:(y + 1) * width], 1)
                    for y in range(height - 1, -1, -1))
    header = _info_header(width, 2 * height, 4, len(xor) + len(andm))
    return header + _palette_bytes(palette, 16) + xor + andm


def _deep_icon_image(size, pixels):
    """One 32-bit icon image of 0xAARRGGBB pixels: header with doubled
    height, BGRA bits, then the AND mask (1 where wholly transparent)."""
    xor = b''.join(struct.pack('<%dI' % size, *pixels[y * size:(y + 1) * size])
                   for y in range(size - 1, -1, -1))
    mask = [1 if v >> 24 == 0 else 0 for v in pixels]
    andm = b''.join(_pack_row(mask[y * size:(y + 1) * size], 1)
                    for y in range(size - 1, -1, -1))
    return _info_header(size, 2 * size, 32, len(xor) + len(andm)) + xor + andm


def ico_bytes(images, deep=()):
    """A complete .ico file from a list of (width, height, palette, pixels,
    mask) images, each 16 colours, followed by the 32-bit images of deep,
    (size, 0xAARRGGBB pixels) each; a 256-pixel one is stored as PNG."""
    entries = [(w, h, 16, 4, _icon_image(w, h, p, px, m)) for w, h, p, px, m in images]
    for size, pixels in deep:
        blob = png_rgba_bytes(size, size, pixels) if size == 256 else _deep_icon_image(size, pixels)
        entries.append((size, size, 0, 32, blob))
    out = struct.pack('<HHH', 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for w, h, colours, bpp, blob in entries:
        out += struct.pack('<BBBBHHII', w % 256, h % 256, colours, 0, 1, bpp,
                           len(blob), offset)
        offset += len(blob)
    return out + b''.join(blob for _, _, _, _, blob in entries)


def _png(width, height, colour_type, raw):
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))
    ihdr = struct.pack('>IIBBBBB', width, height, 8, colour_type, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr) +
            chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def png_rgba_bytes(width, height, pixels):
    """An RGBA PNG of 0xAARRGGBB pixels."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for c in pixels[y * width:(y + 1) * width]:
            raw += bytes(((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF, c >> 24))
    return _png(width, height, 6, raw)


def png_bytes(width, height, pixels):
    """An RGB PNG of 0xRRGGBB pixels (review sheet only)."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for c in pixels[y * width:(y + 1) * width]:
            raw += bytes(((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF))
    return _png(width, height, 2, raw)
