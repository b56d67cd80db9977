#!/usr/bin/env python3
"""Draws the wizard's bitmaps, its icon and its button pointer.

Usage: images.py OUTDIR

Everything is drawn with signed distances and simple gradients, so edges are
anti-aliased without any imaging library. Every bitmap is an 8-bit bitmap with
its own colour table: pictures with more colours are reduced to 256 by median
cut, without dithering, so that the 16- and 256-colour displays of the time,
which map each colour to their nearest one, show flat bands rather than noise;
the large ones are run-length encoded (BI_RLE8), which keeps wizard.exe small.
The pointer is a monochrome cursor (it shows on every Windows version).

palette.bin is the palette the wizard realizes on a 256-colour display: 236
colours (the 20 Windows reserves stay) shared by all bitmaps and the colours
the program draws with, as RGB triples. Without it such a display shows every
picture through the 20 reserved colours.
"""
import math
import os
import struct
import sys
from collections import Counter

# The colour behind the option faces and the buttons: the page body.
BODY = (166, 202, 240)
FOOT = (204, 222, 243)      # the button bar below the separator
INK = (24, 52, 86)          # frame of the panels
TEAL = (0, 124, 142)
DEEP_BLUE = (22, 62, 124)


# ---------------------------------------------------------------- helpers

def mix(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def smooth(e0, e1, x):
    t = min(max((x - e0) / (e1 - e0), 0.0), 1.0)
    return t * t * (3 - 2 * t)


def cover(d):
    """Pixel coverage of a shape from the signed distance of the pixel centre."""
    return min(max(0.5 - d, 0.0), 1.0)


def rounded_rect(x, y, x0, y0, x1, y1, r):
    """Signed distance to a rounded rectangle (negative inside)."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    qx = abs(x - cx) - ((x1 - x0) / 2 - r)
    qy = abs(y - cy) - ((y1 - y0) / 2 - r)
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - r


def canvas(w, h, fill):
    return [[fill] * w for _ in range(h)]


def paint(img, fn):
    """Replaces every pixel by fn(x, y, colour) with x, y at the pixel centre."""
    for y, row in enumerate(img):
        for x, c in enumerate(row):
            row[x] = fn(x + 0.5, y + 0.5, c)


def rgb8(c):
    return tuple(int(round(min(max(v, 0), 255))) for v in c)


# ---------------------------------------------------------------- file formats

def reduce_colours(img, colours=256):
    """The picture in at most that many colours (median cut, no dithering)."""
    pixels = [[rgb8(c) for c in row] for row in img]
    counts = Counter(c for row in pixels for c in row)
    if len(counts) <= colours:
        return pixels
    mean = median_cut(counts, colours)
    return [[mean[c] for c in row] for row in pixels]


def rle8(rows):
    """BI_RLE8 data of bottom-up rows of colour indices."""
    out = bytearray()
    for row in rows:
        i, n = 0, len(row)
        while i < n:
            j = i
            while j < n and j - i < 255 and row[j] == row[i]:
                j += 1
            if j - i >= 2 or n - i < 3:
                out += bytes((j - i, row[i]))  # a run
                i = j
                continue
            j = i
            while j < n and j - i < 255 and not (j + 1 < n and row[j] == row[j + 1]):
                j += 1
            if j - i < 3:  # absolute mode needs three or more
                for k in range(i, j):
                    out += bytes((1, row[k]))
            else:
                out += bytes((0, j - i)) + bytes(row[i:j]) + bytes((j - i) & 1)  # word-aligned
            i = j
        out += b'\0\0'  # end of line
    out[-2:] = b'\0\1'  # end of bitmap
    return bytes(out)


def median_cut(counts, colours):
    """At most that many colours for the weighted colours in counts (a dict):
    boxes of the colour space are split at their weighted median along their
    widest channel, widest and most populous first. Maps each colour to the
    weighted mean of its box."""
    def widest(box):
        ranges = [max(c[ch] for c, _ in box) - min(c[ch] for c, _ in box) for ch in range(3)]
        return max(ranges), ranges.index(max(ranges))

    boxes = [list(counts.items())]
    while len(boxes) < colours:
        scored = [(widest(b)[0] * sum(k for _, k in b) ** 0.5, i) for i, b in enumerate(boxes) if len(b) > 1]
        if not scored:
            break
        box = boxes.pop(max(scored)[1])
        channel = widest(box)[1]
        box.sort(key=lambda entry: entry[0][channel])
        total, seen, cut = sum(k for _, k in box), 0, 1
        for cut, (_, k) in enumerate(box, 1):
            seen += k
            if 2 * seen >= total:
                break
        cut = min(max(cut, 1), len(box) - 1)
        boxes += [box[:cut], box[cut:]]
    mean = {}
    for box in boxes:
        total = sum(k for _, k in box)
        colour = tuple(int(round(sum(c[ch] * k for c, k in box) / total)) for ch in range(3))
        for c, _ in box:
            mean[c] = colour
    return mean


# The colours the program draws with itself (texts, the progress bar, the
# dialogs' grey) besides those of its pictures.
DRAWN = [(16, 32, 64), (96, 104, 120), (6, 154, 154), (128, 128, 128), (192, 192, 192),
         (0, 0, 0), (255, 255, 255)]


def write_palette(path, pictures, size=236):
    """The shared display palette of the pictures as their bitmaps hold them
    (already reduced): each weighs the same whatever its size, so that the
    buttons and option faces keep their colours next to the 800 x 600
    background."""
    counts = Counter()
    for img in pictures:
        own = Counter(c for row in img for c in row)
        total = sum(own.values())
        for c, k in own.items():
            counts[c] += k / total
    for c in DRAWN:
        counts.pop(c, None)
    colours = sorted(set(median_cut(counts, size - len(DRAWN)).values()))
    colours += [c for c in DRAWN if c not in colours]
    assert len(colours) <= size, len(colours)
    with open(path, 'wb') as f:
        f.write(b''.join(bytes(c) for c in colours))


def write_bmp8(path, img):
    """8-bit bitmap, run-length encoded where that is smaller."""
    h, w = len(img), len(img[0])
    pixels = reduce_colours(img)
    palette = sorted({c for row in pixels for c in row})
    index = {c: i for i, c in enumerate(palette)}
    rows = [[index[c] for c in row] for row in reversed(pixels)]
    stride = (w + 3) & ~3
    data = b''.join(bytes(row) + bytes(stride - w) for row in rows)
    compression = 0
    encoded = rle8(rows)
    if len(encoded) < len(data):
        data, compression = encoded, 1  # BI_RLE8
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 8, compression, len(data), 3780, 3780, len(palette), 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    with open(path, 'wb') as f:
        f.write(header + info + table + data)


def mask_rows(bits, w):
    """Packs rows of 0/1 into bottom-up 1-bit rows padded to 32 bits."""
    stride = ((w + 31) // 32) * 4
    out = bytearray()
    for row in reversed(bits):
        line = bytearray(stride)
        for x, bit in enumerate(row):
            if bit:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return out


def write_cursor(path, art, hotspot):
    """Monochrome cursor from ASCII art: '#' black, '.' white, ' ' transparent."""
    size = 32
    rows = [line.ljust(size)[:size] for line in art] + [' ' * size] * (size - len(art))
    xor = [[1 if ch == '.' else 0 for ch in line] for line in rows]
    andm = [[1 if ch == ' ' else 0 for ch in line] for line in rows]
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    image = info + bytes((0, 0, 0, 0, 255, 255, 255, 0)) + mask_rows(xor, size) + mask_rows(andm, size)
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', size, size, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    with open(path, 'wb') as f:
        f.write(directory + entry + image)


def write_icon(path, img, alpha):
    """32 x 32 icon with 256 colours and a transparency mask (alpha < 0.5 is clear)."""
    size = len(img)
    pixels = [[tuple(v // 12 * 12 for v in rgb8(c)) for c in row] for row in img]
    palette = sorted({c for row in pixels for c in row})
    assert len(palette) <= 256, len(palette)
    palette += [(0, 0, 0)] * (256 - len(palette))
    index = {c: i for i, c in enumerate(palette)}
    data = bytearray()
    for row in reversed(pixels):
        data += bytes(index[c] for c in row)
    andm = mask_rows([[1 if a < 0.5 else 0 for a in row] for row in alpha], size)
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    image = info + table + data + andm
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', size, size, 0, 0, 1, 8, len(image), 6 + 16)
    with open(path, 'wb') as f:
        f.write(directory + entry + image)


# ---------------------------------------------------------------- motifs

def waves(x, y, cx, cy, spacing, width):
    """Intensity 0..1 of concentric rings around (cx, cy)."""
    d = math.hypot(x - cx, y - cy)
    to_ring = spacing / 2 - abs((d % spacing) - spacing / 2)
    return cover(to_ring - width / 2)


def signal_mark(x, y, cx, cy, scale):
    """Coverage of a broadcast mark: a dot with three arcs opening to the upper right."""
    dx, dy = x - cx, y - cy
    d = math.hypot(dx, dy)
    best = cover(d - 3.2 * scale)
    angle = math.atan2(-dy, dx)
    in_sector = smooth(0.0, 0.12, angle) * (1 - smooth(math.pi / 2 - 0.12, math.pi / 2, angle))
    for r in (8, 13.5, 19):
        ring = cover(abs(d - r * scale) - 1.6 * scale)
        best = max(best, ring * in_sector)
    return best


# ---------------------------------------------------------------- pictures

PANEL_X, PANEL_Y, PANEL_W, PANEL_H = 196, 107, 460, 447


def screen_background():
    w, h = 800, 600
    top, bottom = (8, 38, 68), (6, 88, 104)

    def px(x, y, _):
        c = mix(top, bottom, 0.35 * x / w + 0.65 * y / h)
        # A soft light behind the page panel.
        glow = 1 - min(math.hypot(x - 426, y - 330) / 560, 1.0)
        c = mix(c, (40, 140, 160), 0.35 * glow * glow)
        # Faint radio waves from the lower left and the upper right.
        ring = max(waves(x, y, -60, 660, 38, 1.4) * (1 - smooth(120, 640, math.hypot(x + 60, y - 660))),
                   waves(x, y, 860, -80, 38, 1.4) * (1 - smooth(100, 420, math.hypot(x - 860, y + 80))))
        c = mix(c, (120, 200, 210), 0.16 * ring)
        # Shadow under the page panel.
        d = rounded_rect(x, y, PANEL_X + 4, PANEL_Y + 7, PANEL_X + PANEL_W + 4, PANEL_Y + PANEL_H + 7, 6)
        c = mix(c, (0, 8, 16), 0.55 * (1 - smooth(-6, 12, d)))
        return c

    img = canvas(w, h, (0, 0, 0))
    paint(img, px)
    return img


def page_panel(w, h, separator_y):
    header = 94

    def px(x, y, _):
        if y < header:
            c = mix((255, 255, 255), (222, 233, 245), y / header)
            mark = signal_mark(x, y, 40, 66, 1.25)
            c = mix(c, mix(TEAL, DEEP_BLUE, (66 - y) / 40), mark)
            # Gentle waves fading to the right, clear of the version text.
            ring = waves(x, y, 40, 66, 14, 1.0) * (1 - smooth(40, 210, math.hypot(x - 40, y - 66)))
            c = mix(c, (196, 216, 234), 0.4 * ring * (1 - mark))
        elif y < header + 4:
            c = mix(TEAL, DEEP_BLUE, x / w)
            if y < header + 1:
                c = mix(c, (255, 255, 255), 0.35)
        else:
            # Flat where the option faces sit (x < 56), lighter towards the upper right.
            c = mix(BODY, (192, 218, 246), 0.7 * smooth(56, w, x) * (1 - smooth(header, separator_y, y)))
            c = mix((132, 168, 208), c, smooth(header + 4, header + 12, y))  # shade below the band
            if y >= separator_y + 2:
                c = mix(FOOT, (184, 206, 234), smooth(h - 60, h, y))
            elif y >= separator_y + 1:
                c = (255, 255, 255)
            elif y >= separator_y:
                c = (122, 156, 198)
        # Frame: a dark outline with a light bevel inside.
        edge = min(x, y, w - x, h - y)
        if edge < 1:
            c = INK
        elif edge < 2:
            c = mix(c, (255, 255, 255), 0.55)
        return c

    img = canvas(w, h, BODY)
    paint(img, px)
    return img


def button(lit):
    w, h = 96, 23
    if lit:
        border, top, bottom, shine = (0, 112, 152), (255, 255, 255), (178, 226, 246), (255, 255, 255)
    else:
        border, top, bottom, shine = (70, 98, 140), (246, 249, 253), (202, 216, 234), (255, 255, 255)

    def px(x, y, _):
        d = rounded_rect(x, y, 0.5, 0.5, w - 0.5, h - 0.5, 5)
        face = mix(top, bottom, smooth(0, h, y))
        face = mix(face, shine, 0.6 * (1 - smooth(1.5, 3.5, y)))  # highlight under the top edge
        inner = cover(d + 1.2)                                     # face inside a 1.2 px border
        c = mix(border, face, inner)
        return mix(FOOT, c, cover(d))

    img = canvas(w, h, FOOT)
    paint(img, px)
    return img


def option(kind):
    fills = {'grey': ((214, 214, 214), (196, 196, 196)),
             'off': ((255, 255, 255), (238, 243, 250)),
             'on': ((255, 255, 255), (238, 243, 250))}
    fill_top, fill_bottom = fills[kind]

    def px(x, y, _):
        d = math.hypot(x - 7, y - 7) - 6.0
        light = ((x - 7) + (y - 7)) / 12 + 0.5                  # 0 upper left .. 1 lower right
        rim = mix((84, 100, 124), (150, 168, 192), light)
        face = mix(fill_top, fill_bottom, y / 14)
        c = mix(rim, face, cover(d + 1.1))
        if kind == 'on':
            c = mix(c, (16, 24, 36), cover(math.hypot(x - 7, y - 7) - 2.4))
        return mix(BODY, c, cover(d))

    img = canvas(14, 14, BODY)
    paint(img, px)
    return img


def program_icon():
    size = 32
    img = canvas(size, size, (0, 0, 0))
    alpha = [[0.0] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            cx, cy = x + 0.5, y + 0.5
            d = rounded_rect(cx, cy, 1, 1, 31, 31, 6)
            c = mix(TEAL, DEEP_BLUE, (cx + cy) / 64)
            c = mix((12, 40, 70), c, cover(d + 1))
            c = mix(c, (255, 255, 255), signal_mark(cx, cy, 10, 22, 0.82))
            img[y][x] = c
            alpha[y][x] = cover(d)
    return img, alpha


POINTER = [
    '     ##',
    '    #..#',
    '    #..#',
    '    #..#',
    '    #..#',
    '    #..###',
    '    #..#..###',
    '    #..#..#..##',
    '    #..#..#..#.#',
    ' ## #..#..#..#..#',
    '#..##........#..#',
    '#...#...........#',
    ' #..............#',
    '  #.............#',
    '  #.............#',
    '   #............#',
    '   #...........#',
    '    #..........#',
    '    #.........#',
    '     #........#',
    '     #........#',
    '     ##########',
]


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    pictures = [('page.bmp', page_panel(460, 447, 334)), ('screen.bmp', screen_background()),
                ('closeapp.bmp', page_panel(461, 447, 352)), ('button.bmp', button(False)),
                ('button_lit.bmp', button(True))]
    pictures += [('option_%s.bmp' % name, option(name)) for name in ('grey', 'off', 'on')]
    pictures = [(name, reduce_colours(img)) for name, img in pictures]
    for name, img in pictures:
        write_bmp8(os.path.join(out, name), img)
    write_palette(os.path.join(out, 'palette.bin'), [img for _, img in pictures])
    write_cursor(os.path.join(out, 'pointer.cur'), POINTER, (5, 0))
    write_icon(os.path.join(out, 'wizard.ico'), *program_icon())


if __name__ == '__main__':
    main()
