#!/usr/bin/env python3
"""Draws the program's icon (32x32, 16 colours), the caption-band picture (65x32) and the OK and
Cancel button glyphs (16x16) and the calendar's arrows (9x8).

Run it from this folder to regenerate DovizClock.ico, Caption.bmp, GlyphOk.bmp, GlyphCancel.bmp and
the Glyph*Year.bmp and Glyph*Month.bmp arrows."""
import math
import struct

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, NAVY, GREY, BLUE, YELLOW, WHITE = 0, 4, 8, 12, 11, 15


def icon_pixels():
    size, c = 32, 15.5
    pix = [[None] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - c, y - c)
            if d <= 15.5:
                pix[y][x] = NAVY if d > 13.5 else BLUE
    # hour marks
    for h in range(12):
        a = h * math.pi / 6
        for r in (11.0, 12.0):
            pix[round(c + r * math.sin(a) - 0.5) + 0][round(c + r * math.cos(a) - 0.5)] = WHITE
    # hands: ten past ten
    for angle, length in ((-math.pi / 3 * 1, 7.5), (math.pi / 3, 10.5)):
        for i in range(int(length * 4)):
            r = i / 4
            x = c + r * math.sin(angle)
            y = c - r * math.cos(angle)
            for dx in (0, -1):
                pix[int(y)][int(x) + dx] = YELLOW
    pix[15][15] = pix[16][16] = pix[15][16] = pix[16][15] = WHITE
    return pix


def write_ico(path):
    pix = icon_pixels()
    header = struct.pack('<IiiHHIIiiII', 40, 32, 64, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in VGA)
    xor = bytearray()
    mask = bytearray()
    for y in range(31, -1, -1):  # bottom-up
        row = pix[y]
        for x in range(0, 32, 2):
            hi = row[x] if row[x] is not None else 0
            lo = row[x + 1] if row[x + 1] is not None else 0
            xor.append((hi << 4) | lo)
        bits = 0
        for x in range(32):
            bits = (bits << 1) | (1 if row[x] is None else 0)
        mask += struct.pack('>I', bits)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', 32, 32, 16, 0, 1, 4, len(image), 22)
    with open(path, 'wb') as f:
        f.write(directory + image)


def write_bmp24(path, w, h, colour_at):
    stride = (w * 3 + 3) & ~3
    rows = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b = colour_at(x, y)
            row += bytes((b, g, r))
        row += b'\0' * (stride - len(row))
        rows += row
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    filehdr = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(rows), 0, 0, 54)
    with open(path, 'wb') as f:
        f.write(filehdr + info + bytes(rows))


def write_caption(path):
    h = 32

    def sheen(x, y):
        # a soft vertical sheen from pale sky to steel blue
        t = y / (h - 1)
        return int(225 - 95 * t), int(235 - 70 * t), int(250 - 30 * t)

    write_bmp24(path, 65, h, sheen)


# The button masks the colour of a glyph's bottom-left pixel, so that pixel stays background.
GLYPH_BACKGROUND = (255, 0, 255)


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def write_glyph(path, strokes, edge, fill):
    def pen(x, y):
        d = min(segment_distance(x, y, *s) for s in strokes)
        if d <= 1.0:
            return fill
        if d <= 1.9:
            return edge
        return GLYPH_BACKGROUND

    write_bmp24(path, 16, 16, pen)


# Arrows small enough for the calendar's 14-pixel buttons; '#' is ink. The blank bottom row keeps
# the bottom-left pixel background, mirrored or not.
ARROW_ONE = ['.....#...',
             '....##...',
             '...###...',
             '..####...',
             '...###...',
             '....##...',
             '.....#...',
             '.........']
ARROW_TWO = ['...#....#',
             '..##...##',
             '.###..###',
             '####.####',
             '.###..###',
             '..##...##',
             '...#....#',
             '.........']
ARROW_INK = (0, 0, 0)


def write_arrow(path, rows, mirrored):
    def ink(x, y):
        row = rows[y][::-1] if mirrored else rows[y]
        return ARROW_INK if row[x] == '#' else GLYPH_BACKGROUND

    write_bmp24(path, len(rows[0]), len(rows), ink)


if __name__ == '__main__':
    write_ico('DovizClock.ico')
    write_caption('Caption.bmp')
    write_glyph('GlyphOk.bmp', [(2.5, 8.5, 6, 12), (6, 12, 13, 3.5)], (0, 100, 0), (40, 190, 40))
    write_glyph('GlyphCancel.bmp', [(3.5, 3.5, 12, 12), (12, 3.5, 3.5, 12)], (140, 0, 0), (230, 40, 40))
    write_arrow('GlyphPrevYear.bmp', ARROW_TWO, False)
    write_arrow('GlyphPrevMonth.bmp', ARROW_ONE, False)
    write_arrow('GlyphNextMonth.bmp', ARROW_ONE, True)
    write_arrow('GlyphNextYear.bmp', ARROW_TWO, True)
