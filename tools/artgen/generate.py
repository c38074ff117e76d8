"""Makes every bitmap and icon of Wordloft and the resource script that
links them.

    python3 tools/artgen/generate.py --out DIR [--review PNG]

writes DIR/bitmaps/*.bmp, DIR/icons/*.ico and DIR/art.rc, and optionally
a review sheet showing every picture at twice its size. The output
depends only on this source: the same source gives the same bytes."""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import catalog  # noqa: E402
import deep_icons  # noqa: E402
import language_pictures  # noqa: E402


def review_checker(x, y):
    """The light checks the review sheet shows behind transparent pixels."""
    return 0xFAE2B4 if (x // 4 + y // 4) % 2 else 0xE8C896


def build():
    """Every output file as {relative path: bytes}, plus the drawn
    canvases for the review sheet."""
    files, drawn = {}, []
    for b in catalog.BITMAPS:
        c = b.draw()
        files[b.path] = catalog.bitmap_file(b, c)
        drawn.append(('%s %dx%d' % (b.name, c.w, c.h), b, [c]))
    for icon in catalog.ICONS:
        cs = [d() for d in icon.draws]
        files[icon.path] = catalog.icon_file(icon, cs)
        drawn.append(('%d %s' % (icon.number, icon.name), icon, cs))
        for size, pixels in catalog.deep_images(icon, cs):
            drawn.append(('%d %s %d 32-bit' % (icon.number, icon.name, size), icon,
                          [deep_icons.on_background(size, pixels, review_checker)]))
    packed, lines = language_pictures.build()
    files.update(packed)
    files['art.rc'] = catalog.rc_script(lines)
    return files, drawn


def write(files, out):
    for rel, data in sorted(files.items()):
        path = os.path.join(out, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, 'wb') as f:
            f.write(data)


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    ap.add_argument('--out', required=True, help='folder for bitmaps/, icons/ and art.rc')
    ap.add_argument('--review', help='write a review sheet PNG here')
    args = ap.parse_args(argv)
    files, drawn = build()
    write(files, args.out)
    if args.review:
        import review
        review.write_sheet(args.review, drawn)
    print('%d files written to %s' % (len(files), args.out))


if __name__ == '__main__':
    main()
