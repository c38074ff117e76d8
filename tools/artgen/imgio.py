"""Writers for the picture formats the game links: uncompressed Windows
BMP (1, 4, 8 and 24 bits per pixel, BITMAPINFOHEADER), icon files with
4-bit colour images and AND masks, and plain PNG for the review sheet.

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


def ico_bytes(images):
    """A complete .ico file from a list of (width, height, palette, pixels,
    mask) images, each 16 colours."""
    blobs = [_icon_image(*img) for img in images]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (w, h, _, _, _), blob in zip(images, blobs):
        out += struct.pack('<BBBBHHII', w % 256, h % 256, 16, 0, 1, 4,
                           len(blob), offset)
        offset += len(blob)
    return out + b''.join(blobs)


def png_bytes(width, height, pixels):
    """An RGB PNG of 0xRRGGBB pixels (review sheet only)."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for c in pixels[y * width:(y + 1) * width]:
            raw += bytes(((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF))

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))
    ihdr = struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr) +
            chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))
