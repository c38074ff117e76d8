"""Title lettering: words set in the large font, enlarged with edge
rounding, filled with a sunset gradient, outlined and given a drop
shadow, in the style of a painted saloon sign."""

from canvas import Canvas, rgb, dither_pick, scale2x, scale3x
import font_large

GOLD = (rgb(255, 244, 160), rgb(255, 216, 80), rgb(248, 170, 40), rgb(224, 112, 24))
OUTLINE = rgb(70, 34, 14)
SHADOW = rgb(40, 20, 10)
HIGHLIGHT = rgb(255, 252, 220)


def _trim(mask, w, h):
    rows = [y for y in range(h) if any(mask[y * w:(y + 1) * w])]
    top, bottom = rows[0], rows[-1]
    return mask[top * w:(bottom + 1) * w], w, bottom - top + 1


def title(text, scale, fill=GOLD, outline=OUTLINE, shadow=SHADOW, depth=None):
    """The text as a transparent canvas. scale is 1, 2, 3 or 4."""
    mask, w, h = font_large.text_mask(text)
    mask, w, h = _trim(mask, w, h)
    if scale == 2:
        mask, w, h = scale2x(mask, w, h)
    elif scale == 3:
        mask, w, h = scale3x(mask, w, h)
    elif scale == 4:
        mask, w, h = scale2x(*scale2x(mask, w, h))
    depth = depth if depth is not None else max(1, scale)
    border = 2 if scale >= 2 else 1
    pad = border + depth
    c = Canvas(w + 2 * pad, h + 2 * pad)
    ink = set()
    for y in range(h):
        for x in range(w):
            if mask[y * w + x]:
                ink.add((x + border, y + border))
    for x, y in ink:
        t = (y - border) / max(h - 1, 1)
        col = dither_pick(x, y, t, fill)
        if (x, y - 1) not in ink:
            col = HIGHLIGHT
        c.set(x, y, col)
    for _ in range(border):
        c.outline(outline, diagonal=True)
    if shadow is not None:
        body = c.opaque()
        shade = Canvas(c.w, c.h)
        for x, y in body:
            for d in range(1, depth + 1):
                shade.set(x + d, y + d, shadow)
        shade.blit(c, 0, 0)
        c = shade
    return c
