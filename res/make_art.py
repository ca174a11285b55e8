#!/usr/bin/env python3
"""Draws the program's icon (32x32 and, for screens of 144 DPI, 48x48; 16 colours), the caption-band picture (65x32) and the OK and
Cancel button glyphs (16x16) and the calendar's arrows (9x8).

Also the alarm list's icon (a bell) and the alarm dialogs' small button glyphs.

Run it from this folder to regenerate DovizClock.ico, Alarms.ico, Caption.bmp and the Glyph*.bmp files."""
import math
import struct

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, NAVY, GREY, BLUE, YELLOW, WHITE = 0, 4, 8, 12, 11, 15


def icon_pixels(size=32):
    k = size / 32
    c = size / 2 - 0.5
    pix = [[None] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - c, y - c)
            if d <= c:
                pix[y][x] = NAVY if d > c - 2 * k else BLUE
    # hour marks
    for h in range(12):
        a = h * math.pi / 6
        if size == 32:
            for r in (11.0, 12.0):
                pix[round(c + r * math.sin(a) - 0.5) + 0][round(c + r * math.cos(a) - 0.5)] = WHITE
            continue
        # larger: marks two pixels wide
        for r in (16.0, 17.0, 18.0):
            y, x = c + r * math.sin(a), c + r * math.cos(a)
            for yy in (math.floor(y), math.ceil(y)):
                for xx in (math.floor(x), math.ceil(x)):
                    pix[yy][xx] = WHITE
    # hands: ten past ten
    for angle, length in ((-math.pi / 3 * 1, 7.5 * k), (math.pi / 3, 10.5 * k)):
        for i in range(int(length * 4)):
            r = i / 4
            x = c + r * math.sin(angle)
            y = c - r * math.cos(angle)
            for dx in range(0, -round(2 * k), -1):
                pix[int(y)][int(x) + dx] = YELLOW
    hub = range(size // 2 - 1, size // 2 + 1) if size == 32 else range(size // 2 - 2, size // 2 + 1)
    for y in hub:
        for x in hub:
            pix[y][x] = WHITE
    return pix


def bell_pixels():
    size = 32
    pix = [[None] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            # a bell: a dome widening into a flared rim, a clapper below, a knob on top
            dx = abs(x - 15.5)
            if 4 <= y <= 23:
                half = 4 + (y - 4) * 0.35 + (max(0, y - 18) ** 2) * 0.3
                if dx <= half:
                    pix[y][x] = NAVY if dx > half - 1.5 or y == 23 else YELLOW
            elif 24 <= y <= 27 and dx <= 2.5:
                pix[y][x] = NAVY
            elif 1 <= y <= 3 and dx <= 1.5:
                pix[y][x] = NAVY
    return pix


def ico_image(pix):
    size = len(pix)
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in VGA)
    xor = bytearray()
    mask = bytearray()
    for y in range(size - 1, -1, -1):  # bottom-up
        row = pix[y]
        for x in range(0, size, 2):
            hi = row[x] if row[x] is not None else 0
            lo = row[x + 1] if row[x + 1] is not None else 0
            xor.append((hi << 4) | lo)
        bits = 0
        for x in range(size):
            bits = (bits << 1) | (1 if row[x] is None else 0)
        # mask rows are padded to 32 bits
        pad = -size % 32
        mask += (bits << pad).to_bytes((size + pad) // 8, 'big')
    return header + palette + bytes(xor) + bytes(mask)


def write_ico(path, *pixes):
    pixes = pixes or (icon_pixels(),)
    images = [ico_image(pix) for pix in pixes]
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for pix, image in zip(pixes, images):
        directory += struct.pack('<BBBBHHII', len(pix), len(pix), 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    with open(path, 'wb') as f:
        f.write(directory + b''.join(images))


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


def write_shape_glyph(path, inside, edge, fill):
    """A filled shape: inside(x, y) says whether a pixel centre lies in it; its rim is drawn in edge."""
    def pen(x, y):
        if not inside(x + 0.5, y + 0.5):
            return GLYPH_BACKGROUND
        rim = any(not inside(x + 0.5 + dx, y + 0.5 + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
        return edge if rim else fill

    write_bmp24(path, 16, 16, pen)


def play_triangle(x, y):
    return 4 <= x <= 13 and abs(y - 8) <= (13 - x) * 0.55


def folder(x, y):
    tab = 2 <= x <= 7 and 3 <= y <= 5
    return tab or (1 <= x <= 15 and 5 <= y <= 13)


def dots(x, y):
    return any(math.hypot(x - cx, y - 11) <= 1.6 for cx in (3.5, 8, 12.5))


if __name__ == '__main__':
    write_ico('DovizClock.ico', icon_pixels(32), icon_pixels(48))
    write_caption('Caption.bmp')
    write_glyph('GlyphOk.bmp', [(2.5, 8.5, 6, 12), (6, 12, 13, 3.5)], (0, 100, 0), (40, 190, 40))
    write_glyph('GlyphCancel.bmp', [(3.5, 3.5, 12, 12), (12, 3.5, 3.5, 12)], (140, 0, 0), (230, 40, 40))
    write_arrow('GlyphPrevYear.bmp', ARROW_TWO, False)
    write_arrow('GlyphPrevMonth.bmp', ARROW_ONE, False)
    write_arrow('GlyphNextMonth.bmp', ARROW_ONE, True)
    write_arrow('GlyphNextYear.bmp', ARROW_TWO, True)


    write_ico('Alarms.ico', bell_pixels())
    write_glyph('GlyphAdd.bmp', [(8, 2.5, 8, 13.5), (2.5, 8, 13.5, 8)], (0, 100, 0), (40, 190, 40))
    write_glyph('GlyphDelete.bmp', [(2.5, 8, 13.5, 8)], (140, 0, 0), (230, 40, 40))
    write_glyph('GlyphModify.bmp', [(4.5, 11.5, 12.5, 3.5), (2.5, 13.5, 4, 12)], (60, 60, 60), (230, 180, 40))
    write_shape_glyph('GlyphPlay.bmp', play_triangle, (0, 100, 0), (40, 190, 40))
    write_shape_glyph('GlyphFolder.bmp', folder, (130, 100, 0), (250, 210, 80))
    write_shape_glyph('GlyphEllipsis.bmp', dots, (0, 0, 0), (0, 0, 0))
    write_glyph('GlyphMask.bmp', [(2.5, 4, 13.5, 4), (2.5, 8, 13.5, 8), (2.5, 12, 9, 12)], (0, 0, 120), (60, 90, 220))
