#!/usr/bin/env python3
"""Pictures of the toolkit's Windows test: a page background, a button face
(normal and lit) and a 32x32 cursor, written as BMP and CUR files."""
import struct
import sys


def bmp(path, width, height, pixel):
    """24-bit bottom-up BMP; pixel(x, y) gives (r, g, b) with y from the top."""
    row = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        line = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        line += b"\0" * (row - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def background(x, y):
    t = y / 446.0
    return (int(236 - 30 * t), int(242 - 24 * t), int(250 - 10 * t))


def button(lit):
    def face(x, y):
        if x in (0, 95) or y in (0, 22):
            return (40, 70, 120)
        t = y / 22.0
        if lit:
            return (int(120 + 90 * (1 - t)), int(170 + 70 * (1 - t)), 255)
        return (int(50 + 60 * (1 - t)), int(90 + 70 * (1 - t)), int(170 + 60 * (1 - t)))
    return face


def cursor(path):
    """A 32x32 monochrome pointing-hand-like arrow, hot spot at 1,1."""
    size = 32
    shape = set()
    for y in range(20):
        for x in range(0, min(y, 12) + 1):
            shape.add((x + 1, y + 1))
    for y in range(18, 28):
        for x in range(5, 9):
            shape.add((x, y))
    outline = set()
    for (x, y) in shape:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                p = (x + dx, y + dy)
                if p not in shape and 0 <= p[0] < size and 0 <= p[1] < size:
                    outline.add(p)
    xor_rows = []
    and_rows = []
    for y in range(size - 1, -1, -1):
        xor_bits = 0
        and_bits = 0
        for x in range(size):
            bit = 1 << (31 - x)
            if (x, y) in shape:
                xor_bits |= bit  # white
            elif (x, y) in outline:
                pass  # black
            else:
                and_bits |= bit  # transparent
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    palette = struct.pack("<4B4B", 0, 0, 0, 0, 255, 255, 255, 0)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    image = info + palette + b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, 1, 1, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(header + entry + image)


out = sys.argv[1]
bmp(out + "/back.bmp", 460, 447, background)
bmp(out + "/button.bmp", 96, 23, button(False))
bmp(out + "/button_lit.bmp", 96, 23, button(True))
cursor(out + "/pointer.cur")
