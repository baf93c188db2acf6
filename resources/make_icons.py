#!/usr/bin/env python3
"""Draw Quorvan's icons and write them as .ico files.

    python3 resources/make_icons.py

writes resources/window.ico (monitor, globe and network strip) and
resources/button.ico (globe above a network strip).  Each file holds 128, 64,
48, 32 and 16 pixel images, 32-bit BGRA with a 1-bit AND mask, stored as
plain DIBs rather than PNG so that CreateIconFromResourceEx on Windows XP can
load every one of them.  Output is deterministic: rerunning the script gives
byte-identical files, so the .ico files can be checked in next to it.

The drawings are simple signed-distance shapes rendered with 4x4
supersampling.  The 16 px images (the ones shown in the title bar, task bar
and on the Repair button) are drawn from their own, simpler layouts on a
16-unit grid so edges land on pixel boundaries instead of blurring.
"""
import math
import os
import struct

SIZES = (128, 64, 48, 32, 16)
SS = 4  # samples per pixel along each axis


def rgba(hexstr, a=1.0):
    return tuple(int(hexstr[i:i + 2], 16) / 255.0 for i in (1, 3, 5)) + (a,)


def mix(c0, c1, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


# Shapes are (sdf, bbox): sdf(x, y) <= 0 inside.  The bbox only lets the
# renderer skip samples that cannot be covered.

def circle(cx, cy, r):
    return (lambda x, y: math.hypot(x - cx, y - cy) - r,
            (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, a, b):
    # First-order distance estimate; exact enough near the outline, which is
    # all that matters for both fills and thin rings.
    def f(x, y):
        u, v = (x - cx) / a, (y - cy) / b
        g = math.hypot(u / a, v / b) * 2.0
        return (u * u + v * v - 1.0) / max(g, 1e-9)
    return f, (cx - a, cy - b, cx + a, cy + b)


def rrect(x0, y0, x1, y1, r=0.0):
    r = max(0.0, min(r, (x1 - x0) / 2, (y1 - y0) / 2))
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def f(x, y):
        dx, dy = abs(x - cx) - hx, abs(y - cy) - hy
        return math.hypot(max(dx, 0.0), max(dy, 0.0)) + min(max(dx, dy), 0.0) - r
    return f, (x0, y0, x1, y1)


def line(x0, y0, x1, y1, w):
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy

    def f(x, y):
        t = min(max(((x - x0) * dx + (y - y0) * dy) / ll, 0.0), 1.0)
        return math.hypot(x - x0 - dx * t, y - y0 - dy * t) - w / 2
    h = w / 2
    return f, (min(x0, x1) - h, min(y0, y1) - h, max(x0, x1) + h, max(y0, y1) + h)


def ring(shape, w):
    f, (a, b, c, d) = shape
    h = w / 2
    return (lambda x, y: abs(f(x, y)) - h), (a - h, b - h, c + h, d + h)


def clip(shape, mask):
    (f, (a, b, c, d)), (g, (e, h, i, j)) = shape, mask
    return (lambda x, y: max(f(x, y), g(x, y))), (max(a, e), max(b, h), min(c, i), min(d, j))


def snap(px, *vals):
    # Straight edges that fall between pixels come out as a grey double line
    # at small sizes; pushing them onto the pixel grid keeps them sharp.
    return [round(v / px) * px for v in vals]


def linear(c0, c1, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy
    return lambda x, y: mix(c0, c1, ((x - x0) * dx + (y - y0) * dy) / ll)


def radial(c0, c1, cx, cy, r):
    return lambda x, y: mix(c0, c1, math.hypot(x - cx, y - cy) / r)


# ---------------------------------------------------------------- parts
# Each part returns a list of (shape, paint) in painting order.  `px` is the
# size of one output pixel in drawing units, used to keep strokes at least
# about a pixel wide at small sizes.

def globe(cx, cy, r, px, level=2):
    """level 2: full grid and highlight; 1: fewer lines; 0: 16 px version."""
    # Centre on a pixel centre so the equator and central meridian are crisp.
    cx, cy = [(math.floor(v / px) + 0.5) * px for v in (cx, cy)]
    rim = max(0.05 * r, px)
    grid = max(0.045 * r, px if level == 0 else 0.9 * px)
    inside = circle(cx, cy, r - rim * 0.5)
    if level == 0:
        # Tiny globes need more contrast between sea and grid to read at all.
        fill = radial(rgba('#62b0f5'), rgba('#0c3f8c'), cx - 0.3 * r, cy - 0.35 * r, 1.5 * r)
        gcol = rgba('#e8f5ff', 0.95)
    else:
        fill = radial(rgba('#7cc4ff'), rgba('#1450a8'), cx - 0.35 * r, cy - 0.4 * r, 1.45 * r)
        gcol = rgba('#c8e6ff', 0.8)
    parts = [(circle(cx, cy, r), fill)]
    # At 16 px the curved meridians must run through pixel centres or they
    # turn into grey smudges, so their half-width is a whole number of pixels.
    a = round(0.5 * r / px) * px if level == 0 else 0.55 * r
    lines = [line(cx - r, cy, cx + r, cy, grid), line(cx, cy - r, cx, cy + r, grid)]
    parts += [(clip(s, inside), gcol) for s in lines]
    # On a small disc full-strength curved meridians turn it into a cage;
    # fainter ones keep the globe shape while the cross stays dominant.
    faint = gcol[:3] + (0.55 if level == 0 else gcol[3],)
    lines = [ring(ellipse(cx, cy, a, r), grid)]
    if level == 2:
        for k in (-0.5, 0.5):
            lines.append(line(cx - r, cy + k * r, cx + r, cy + k * r, grid * 0.8))
        lines.append(ring(ellipse(cx, cy, 0.88 * r, r), grid * 0.8))
    parts += [(clip(s, inside), faint) for s in lines]
    if level:
        hl = (cx - 0.32 * r, cy - 0.42 * r)
        parts.append((clip(ellipse(hl[0], hl[1], 0.5 * r, 0.34 * r), inside),
                      radial(rgba('#ffffff', 0.6), rgba('#ffffff', 0.0), hl[0], hl[1], 0.5 * r)))
    parts.append((ring(circle(cx, cy, r - rim / 2), rim), rgba('#0d3878')))
    return parts


def netbar(x0, y0, x1, y1, px, pins):
    # A green network strip with a row of gold contacts, like the jack end of
    # a card.  At 16 px the corners stay square: rounding them would only
    # drop a pixel and make the bar look chipped.
    x0, y0, x1, y1 = snap(px, x0, y0, x1, y1)
    edge = max(0.012, px)
    h = y1 - y0
    parts = [(rrect(x0, y0, x1, y1, min(h * 0.25, 2 * px) if px < 0.05 else 0.0),
              rgba('#12521f')),
             (rrect(x0 + edge, y0 + edge, x1 - edge, y1 - edge),
              linear(rgba('#4cc262'), rgba('#1f7a34'), 0, y0, 0, y1))]
    # Pins are whole pixels wide and start on a pixel so they never smear
    # into the body.
    inner = x1 - x0 - 2 * edge
    pw = max(round(inner / (pins * 2 + 1) / px), 1) * px
    gap = (inner - pins * pw) / (pins + 1)
    inset = h * 0.2 if h * 0.2 > 1.5 * px else 0.0
    for i in range(pins):
        left = round((x0 + edge + gap + i * (pw + gap)) / px) * px
        parts.append((rrect(left, y0 + edge + inset, left + pw, y1 - edge - inset),
                      rgba('#f3d470')))
    return parts


def monitor(x0, y0, x1, y1, px, stand_bottom):
    # Dark bezel with a silver lip, light screen, short neck and foot.
    x0, y0, x1, y1, stand_bottom = snap(px, x0, y0, x1, y1, stand_bottom)
    w = x1 - x0
    b = max(0.07 * w, px)
    neck_w = 0.16 * w
    mid = (x0 + x1) / 2
    foot_h = max(0.05 * w, px)
    return [
        (rrect(mid - neck_w / 2, y1 - 0.02, mid + neck_w / 2, stand_bottom), rgba('#5f666f')),
        (rrect(mid - 0.26 * w, stand_bottom - foot_h, mid + 0.26 * w, stand_bottom, foot_h / 2),
         linear(rgba('#a9b0b9'), rgba('#4d535b'), 0, stand_bottom - foot_h, 0, stand_bottom)),
        (rrect(x0, y0, x1, y1, 0.06 * w), rgba('#2b2f35')),
        (rrect(x0 + px, y0 + px, x1 - px, y1 - px, 0.06 * w - px),
         linear(rgba('#c7ccd3'), rgba('#6a717a'), 0, y0, 0, y1)),
        (rrect(x0 + b * 0.45, y0 + b * 0.45, x1 - b * 0.45, y1 - b * 0.45, 0.04 * w),
         linear(rgba('#5b626c'), rgba('#33383f'), 0, y0, 0, y1)),
        (rrect(x0 + b, y0 + b, x1 - b, y1 - b * 1.3),
         linear(rgba('#f7fbff'), rgba('#b7d4ef'), x0, y0, x1, y1)),
    ]


# ---------------------------------------------------------------- scenes

def window_scene(size):
    px = 1.0 / size
    if size <= 16:
        g = 1.0 / 16  # lay out on the pixel grid
        return (monitor(3 * g, 1 * g, 15 * g, 10 * g, px, 12 * g)
                + netbar(1 * g, 12 * g, 15 * g, 15 * g, px, 4)
                + globe(5.5 * g, 8.5 * g, 4.5 * g, px, 0))
    return (monitor(0.14, 0.05, 0.95, 0.64, px, 0.76)
            + netbar(0.06, 0.80, 0.94, 0.95, px, 7 if size >= 48 else 4)
            + globe(0.33, 0.56, 0.28, px, 2 if size >= 48 else 1))


def button_scene(size):
    px = 1.0 / size
    if size <= 16:
        g = 1.0 / 16
        return (netbar(1 * g, 12 * g, 15 * g, 15 * g, px, 4)
                + globe(7.5 * g, 6.5 * g, 5.5 * g, px, 0))
    # A short grey post ties the globe to the strip so the two read as one
    # object rather than two stacked symbols.
    return ([(line(0.5, 0.7, 0.5, 0.82, max(0.07, 2 * px)), rgba('#4a5059'))]
            + netbar(0.08, 0.80, 0.92, 0.95, px, 7 if size >= 48 else 4)
            + globe(0.5, 0.38, 0.34, px, 2 if size >= 48 else 1))


# ---------------------------------------------------------------- output

def render(parts, size):
    """Return rows (top-down) of straight-alpha (r, g, b, a) bytes."""
    n = size * SS
    acc = [[0.0] * 4 for _ in range(size * size)]
    for sy in range(n):
        y = (sy + 0.5) / n
        live = [(f, paint) for (f, (x0, y0, x1, y1)), paint in parts if y0 <= y <= y1]
        for sx in range(n):
            x = (sx + 0.5) / n
            r = g = b = a = 0.0
            for f, paint in live:
                if f(x, y) <= 0.0:
                    cr, cg, cb, ca = paint(x, y) if callable(paint) else paint
                    r, g, b, a = (cr * ca + r * (1 - ca), cg * ca + g * (1 - ca),
                                  cb * ca + b * (1 - ca), ca + a * (1 - ca))
            p = acc[(sy // SS) * size + sx // SS]
            p[0] += r; p[1] += g; p[2] += b; p[3] += a
    out, k = [], 1.0 / (SS * SS)
    for i in range(size):
        row = []
        for r, g, b, a in acc[i * size:(i + 1) * size]:
            a *= k
            ab = int(round(a * 255))
            if ab == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(int(round(min(c * k / a, 1.0) * 255)) for c in (r, g, b)) + (ab,))
        out.append(row)
    return out


def dib(rows):
    size = len(rows)
    xor = b''.join(bytes(c for p in row for c in (p[2], p[1], p[0], p[3]))
                   for row in reversed(rows))
    stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x >> 3] |= 0x80 >> (x & 7)
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + bytes(mask)


def write_ico(path, images):
    offset = 6 + 16 * len(images)
    head, body = [struct.pack('<HHH', 0, 1, len(images))], []
    for size, data in images:
        head.append(struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32,
                                len(data), offset))
        body.append(data)
        offset += len(data)
    with open(path, 'wb') as fh:
        fh.write(b''.join(head + body))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, scene in (('window', window_scene), ('button', button_scene)):
        images = [(s, dib(render(scene(s), s))) for s in SIZES]
        write_ico(os.path.join(here, name + '.ico'), images)


if __name__ == '__main__':
    main()
