"""Checks the resources linked into the program: every bitmap by name or
number with its size and colour depth, every icon group with its 32 x 32
16-colour image (the program icons also with their true-colour images
with alpha at 24, 32, 48 and 256 pixels, the last one as PNG), the 38
sounds (RIFF WAVE, PCM, mono, 8-bit, at their sample rates) and the 51
word categories; and that the DLLs Windows loads with the program are the
system DLLs its first paint needs, no more (the others are loaded at their
first call).

    python3 tests/assets/check_resources.py build/win64/wordloft.exe

Prints one summary line; exits 1 with a message per fault."""

import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import art_tables  # noqa: E402
import pe_resources  # noqa: E402

RT_BITMAP, RT_ICON, RT_GROUP_ICON = 2, 3, 14
# What the program imports when it starts; cmake/delay_load.cmake names
# the DLLs it loads at their first call.
START_DLLS = {'kernel32.dll', 'user32.dll', 'gdi32.dll', 'advapi32.dll', 'msvcrt.dll'}


def dib_header(blob):
    """(width, height, bits per pixel) of a DIB's BITMAPINFOHEADER."""
    if blob[:8] == b'\x89PNG\r\n\x1a\n':
        raise ValueError('a PNG image where a DIB belongs')
    if len(blob) < 40 or struct.unpack_from('<I', blob)[0] != 40:
        raise ValueError('no BITMAPINFOHEADER')
    w, h, _, bpp = struct.unpack_from('<iiHH', blob, 4)
    return w, abs(h), bpp


def check_bitmaps(res, faults):
    bitmaps = res.get(RT_BITMAP, {})
    wanted = dict((k.upper(), v) for k, v in art_tables.BITMAPS.items())
    for name, (w, h, bpp) in sorted(wanted.items()):
        if name not in bitmaps:
            faults.append('bitmap "%s" is missing' % name)
            continue
        got = dib_header(bitmaps[name])
        if got != (w, h, bpp):
            faults.append('bitmap "%s" is %dx%d at %d bits, should be %dx%d at %d'
                          % ((name,) + got + (w, h, bpp)))
    for number, bpp in sorted(art_tables.NUMBERED_BITMAPS.items()):
        if number not in bitmaps:
            faults.append('bitmap %d is missing' % number)
        elif dib_header(bitmaps[number])[2] != bpp:
            faults.append('bitmap %d is not %d bits per pixel' % (number, bpp))
    return len(wanted) + len(art_tables.NUMBERED_BITMAPS)


def icon_image_header(blob):
    """(width, height, bits per pixel) of an icon image: a DIB with its
    doubled height halved, or an 8-bit RGBA PNG."""
    if blob[:8] == b'\x89PNG\r\n\x1a\n':
        w, h, depth, colour = struct.unpack_from('>IIBB', blob, 16)
        if blob[12:16] != b'IHDR' or (depth, colour) != (8, 6):
            raise ValueError('a PNG icon image that is not 8-bit RGBA')
        return w, h, 32
    w, h, bpp = dib_header(blob)
    return w, h // 2, bpp


ICON_SIZES = []  # "number: sizes" of the program icons, for the summary


def check_icons(res, faults):
    groups, images = res.get(RT_GROUP_ICON, {}), res.get(RT_ICON, {})
    for number in art_tables.ICON_GROUPS:
        if number not in groups:
            faults.append('icon group %d is missing' % number)
            continue
        blob = groups[number]
        _, kind, count = struct.unpack_from('<HHH', blob)
        sizes = []
        for i in range(count):
            w, h, _, _, _, bpp, _, image_id = struct.unpack_from('<BBBBHHIH', blob, 6 + 14 * i)
            if image_id not in images:
                faults.append('icon group %d names missing image %d' % (number, image_id))
                continue
            real = icon_image_header(images[image_id])
            if real != (w or 256, h or 256, bpp):
                faults.append('icon group %d: image %d is %r, entry says %r'
                              % (number, image_id, real, (w or 256, h or 256, bpp)))
            sizes.append((w or 256, bpp))
        if kind != 1 or (32, 4) not in sizes:
            faults.append('icon group %d has no 32x32 16-colour image' % number)
        if number in art_tables.DEEP_ICON_SIZES:
            deep = sorted(w for w, bpp in sizes if bpp == 32)
            if deep != art_tables.DEEP_ICON_SIZES[number]:
                faults.append('icon group %d has true-colour sizes %r, expected %r'
                              % (number, deep, art_tables.DEEP_ICON_SIZES[number]))
            ICON_SIZES.append('%d: %s' % (number, ' '.join(
                '%d/%d' % s for s in sorted(sizes, key=lambda s: (s[1], s[0])))))
    return len(art_tables.ICON_GROUPS)


def wave_format(blob):
    """(format tag, channels, sample rate, bits per sample) of a RIFF
    WAVE image, after checking that its chunks add up."""
    if blob[:4] != b'RIFF' or blob[8:12] != b'WAVE':
        raise ValueError('not a RIFF WAVE image')
    if struct.unpack_from('<I', blob, 4)[0] + 8 > len(blob):
        raise ValueError('RIFF size runs past the end')
    pos, fmt, data = 12, None, False
    while pos + 8 <= len(blob):
        tag, size = blob[pos:pos + 4], struct.unpack_from('<I', blob, pos + 4)[0]
        if tag == b'fmt ':
            tagfmt, ch, rate, _, _, bits = struct.unpack_from('<HHIIHH', blob, pos + 8)
            fmt = (tagfmt, ch, rate, bits)
        elif tag == b'data':
            data = size > 0 and pos + 8 + size <= len(blob)
        pos += 8 + size + (size & 1)
    if fmt is None or not data:
        raise ValueError('no fmt chunk or no sound data')
    return fmt


def check_sounds(res, faults):
    sounds = res.get('WAV', {})
    for name, rate in sorted(art_tables.SOUND_RATES.items()):
        if name not in sounds:
            faults.append('sound "%s" is missing' % name)
            continue
        try:
            fmt = wave_format(sounds[name])
        except ValueError as e:
            faults.append('sound "%s": %s' % (name, e))
            continue
        if fmt != (1, 1, rate, 8):
            faults.append('sound "%s" is format %d, %d channels, %d Hz, %d bits; should be '
                          'PCM mono 8-bit at %d Hz' % ((name,) + fmt + (rate,)))
    extra = set(sounds) - set(art_tables.SOUND_RATES)
    if extra:
        faults.append('unexpected sounds: %s' % ', '.join(sorted(map(str, extra))))
    return len(art_tables.SOUND_RATES)


# The languages of the words: English (United States), then German, French
# and Spanish with a neutral sublanguage.
WORD_LANGUAGES = {0x0409: 'English', 0x0007: 'German', 0x000C: 'French', 0x000A: 'Spanish'}


def check_categories(res, faults):
    texts = res.get('WLTW', {})
    for name in art_tables.CATEGORIES:
        for language, language_name in WORD_LANGUAGES.items():
            text = texts.get(name, {}).get(language)
            if text is None:
                faults.append('category "%s" is missing in %s' % (name, language_name))
            elif not text.endswith(b'\r\n'):
                faults.append('category "%s" in %s does not end with CR LF' % (name, language_name))
        extra = set(texts.get(name, {})) - set(WORD_LANGUAGES)
        if extra:
            faults.append('category "%s" in unexpected languages: %s' % (name, sorted(extra)))
    extra = set(texts) - set(art_tables.CATEGORIES)
    if extra:
        faults.append('unexpected categories: %s' % ', '.join(sorted(map(str, extra))))
    return len(art_tables.CATEGORIES) * len(WORD_LANGUAGES)


def check_imports(data, faults):
    dlls = pe_resources.imported_dlls(data)
    extra = sorted(set(dlls) - START_DLLS)
    if extra:
        faults.append('loaded with the program, not at first call: %s' % ', '.join(extra))
    return len(dlls)


def main(argv):
    if len(argv) != 2:
        print('usage: check_resources.py PROGRAM.exe')
        return 2
    try:
        with open(argv[1], 'rb') as f:
            data = f.read()
        res = pe_resources.read_resources(data)
        res['WLTW'] = pe_resources.read_resources(data, every_language=True).get('WLTW', {})
    except (OSError, pe_resources.PeError, struct.error) as e:
        print('check_resources: cannot read %s: %s' % (argv[1], e))
        return 1
    faults = []
    counts = []
    for check in (check_bitmaps, check_icons, check_sounds, check_categories):
        try:
            counts.append(check(res, faults))
        except (ValueError, struct.error) as e:
            faults.append('%s: %s' % (check.__name__, e))
            counts.append(0)
    try:
        counts.append(check_imports(data, faults))
    except (pe_resources.PeError, struct.error, ValueError) as e:
        faults.append('imports: %s' % e)
        counts.append(0)
    for fault in faults:
        print('FAULT: ' + fault)
    print('check_resources: program icons (size/bits) %s' % '; '.join(ICON_SIZES))
    print('check_resources: %d bitmaps, %d icon groups, %d sounds, %d categories, %d imported '
          'DLLs checked; %d faults' % (tuple(counts) + (len(faults),)))
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
