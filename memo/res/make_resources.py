#!/usr/bin/env python3
"""Draws KVMemo's icon and hand-shaped cursors and writes them as .ico/.cur files.

Run from anywhere: python3 make_resources.py [--out DIR] [--preview sheet.png]
The output is deterministic, so the committed binaries only change when the drawings do.
"""
import argparse
import os
import struct
import zlib

# Sprites: '#' black, '.' white, ' ' transparent.
POINTING_HAND = [
    "     ##         ",
    "    #..#        ",
    "    #..#        ",
    "    #..#        ",
    "    #..#        ",
    "    #..###      ",
    "    #..#..###   ",
    "    #..#..#..## ",
    " ## #..#..#..#.#",
    "#..##..#..#..#.#",
    "#...#..........#",
    " #..#..........#",
    " #.............#",
    "  #............#",
    "  #............#",
    "   #..........# ",
    "   #..........# ",
    "    #........#  ",
    "    #........#  ",
    "    ##########  ",
    "    #........#  ",
    "    ##########  ",
]

CLOSED_HAND = [
    "    ## ## ##    ",
    "   #..#..#..##  ",
    "   #..#..#..#.# ",
    " ###..#..#..#..#",
    "#..#..#..#..#..#",
    "#..#...........#",
    "#..............#",
    " #.............#",
    "  #............#",
    "  #...........# ",
    "   #..........# ",
    "    #........#  ",
    "    ##########  ",
    "    #........#  ",
    "    ##########  ",
]

HOURGLASS = [
    "#########",
    " #.....# ",
    " #.....# ",
    "  #...#  ",
    "   #.#   ",
    "   #.#   ",
    "  #.#.#  ",
    " #..#..# ",
    " #.###.# ",
    "#########",
]

TEXT_BLOCK = [
    "############",
    "#..........#",
    "#.#######..#",
    "#..........#",
    "#.########.#",
    "#..........#",
    "#.#####....#",
    "#..........#",
    "############",
]

SIZE = 32
BLACK, WHITE = 0, 1


class Canvas:
    """A 32x32 monochrome cursor picture; None marks a transparent pixel."""

    def __init__(self):
        self.px = [[None] * SIZE for _ in range(SIZE)]

    def paste(self, sprite, x0, y0):
        for y, row in enumerate(sprite):
            for x, ch in enumerate(row):
                if ch != " " and 0 <= x0 + x < SIZE and 0 <= y0 + y < SIZE:
                    self.px[y0 + y][x0 + x] = BLACK if ch == "#" else WHITE

    def stamp(self, points, cx, cy):
        """Draws black points around (cx, cy) with a white rim, so they show on any background."""
        black = {(cx + x, cy + y) for x, y in points}
        for x, y in black:
            for dx in (-1, 0, 1):
                for dy in (-1, 0, 1):
                    nx, ny = x + dx, y + dy
                    if (nx, ny) not in black and 0 <= nx < SIZE and 0 <= ny < SIZE:
                        self.px[ny][nx] = WHITE
        for x, y in black:
            self.px[y][x] = BLACK


def double_arrow(half=7, head=3):
    """Points of a horizontal double arrow centred on (0, 0)."""
    pts = {(x, 0) for x in range(-half, half + 1)}
    for k in range(head + 1):
        for y in range(-k, k + 1):
            pts.add((-half + k, y))
            pts.add((half - k, y))
    return pts


def diagonal_cross(half=6, head=3):
    """Points of both diagonal double arrows: one picture serves every corner."""
    pts = set()
    for t in range(-half, half + 1):
        pts.add((t, t))
        pts.add((t, -t))
    for sx in (-1, 1):
        for sy in (-1, 1):
            for i in range(head + 1):
                for j in range(head + 1 - i):
                    pts.add((sx * (half - i), sy * (half - j)))
    return pts


def transpose(points):
    return {(y, x) for x, y in points}


def pointing(extra=None):
    c = Canvas()
    c.paste(POINTING_HAND, 1, 0)
    if extra:
        extra(c)
    return c, (6, 0)


def closed(extra=None):
    c = Canvas()
    c.paste(CLOSED_HAND, 1, 2)
    if extra:
        extra(c)
    return c, (9, 8)


def sizing(hand, arrows, centre, hand_at):
    c = Canvas()
    c.paste(hand, *hand_at)
    c.stamp(arrows, *centre)
    return c, centre


def build_cursors():
    """Maps each cursor file name to (canvas, hot spot); names follow resource.h."""
    horiz, vert, diag = double_arrow(), transpose(double_arrow()), diagonal_cross()
    return {
        "pointer_wait": pointing(lambda c: c.paste(HOURGLASS, 17, 8)),
        "pointer_caption_pressed": closed(),
        "pointer_2003": pointing(),
        "pointer_2004": closed(),
        "pointer_size_we_pressed": sizing(CLOSED_HAND, horiz, (11, 4), (3, 11)),
        "pointer_size_we": sizing(POINTING_HAND, horiz, (11, 4), (5, 9)),
        "pointer_2007": pointing(),
        "pointer_text_drag": pointing(lambda c: c.paste(TEXT_BLOCK, 13, 19)),
        "pointer_caption": pointing(),
        "pointer_size_diag_pressed": sizing(CLOSED_HAND, diag, (8, 8), (15, 16)),
        "pointer_size_diag": sizing(POINTING_HAND, diag, (8, 8), (13, 10)),
        "pointer_arrow": pointing(),
        "pointer_2013": pointing(),
        "pointer_2014": closed(),
        "pointer_size_ns_pressed": sizing(CLOSED_HAND, vert, (4, 11), (11, 10)),
        "pointer_size_ns": sizing(POINTING_HAND, vert, (4, 11), (9, 6)),
    }


def mask_rows(bits_of_row, width):
    """Packs bottom-up 1-bit rows, each padded to a multiple of 32 bits."""
    stride = (width + 31) // 32 * 4
    out = bytearray()
    for bits in bits_of_row:
        row = bytearray(stride)
        for x, bit in enumerate(bits):
            if bit:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def cursor_bytes(canvas, hot):
    rows = list(reversed(canvas.px))
    xor = mask_rows([[p == WHITE for p in r] for r in rows], SIZE)
    and_ = mask_rows([[p is None for p in r] for r in rows], SIZE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, len(xor) + len(and_), 0, 0, 2, 2)
    image = header + bytes([0, 0, 0, 0, 255, 255, 255, 0]) + xor + and_
    # In a cursor directory the planes and bit-count fields hold the hot spot.
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, hot[0], hot[1], len(image), 6 + 16)
    return struct.pack("<HHH", 0, 2, 1) + entry + image


def memo_sheet(n):
    """RGBA rows of a yellow memo sheet with ruled lines and a turned-down corner."""
    s = n / 32
    outline, paper = (110, 80, 0, 255), (255, 236, 120, 255)
    band, rule, fold = (240, 190, 40, 255), (90, 120, 190, 255), (225, 190, 70, 255)
    left, right, top, bottom = round(3 * s), n - 1 - round(3 * s), round(2 * s), n - 1 - round(2 * s)
    dog, step = round(7 * s), max(2, round(4 * s))
    img = [[(0, 0, 0, 0)] * n for _ in range(n)]
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            corner = (x - (right - dog)) + (y - (bottom - dog))
            if corner > dog:
                img[y][x] = (0, 0, 0, 0)
            elif x in (left, right) or y in (top, bottom) or corner == dog:
                img[y][x] = outline
            elif y <= top + round(4 * s):
                img[y][x] = band
            elif (y - top) % step == 0 and left + round(3 * s) <= x <= right - round(3 * s):
                img[y][x] = rule
            else:
                img[y][x] = paper
    # The corner folded over the sheet: the cut-off triangle mirrored across the cut.
    for i in range(dog + 1):
        for j in range(dog + 1 - i):
            edge = i == 0 or j == 0 or i + j == dog
            img[bottom - dog + j][right - dog + i] = outline if edge else fold
    return img


ICON_SIZES = [16, 32, 48, 256]


def icon_image(n):
    """One image of the icon: a 32-bit DIB with its mask, or a PNG from 256 pixels up."""
    if n >= 256:
        return png_bytes(memo_sheet(n), alpha=True)
    rows = list(reversed(memo_sheet(n)))
    pixels = b"".join(bytes([b, g, r, a]) for row in rows for (r, g, b, a) in row)
    and_ = mask_rows([[p[3] == 0 for p in row] for row in rows], n)
    size = len(pixels) + len(and_)
    header = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 32, 0, size, 0, 0, 0, 0)
    return header + pixels + and_


def icon_bytes(sizes):
    images = [(n, icon_image(n)) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in images:
        # A directory entry writes 256 as 0.
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def png_bytes(rows, alpha=False):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in rows)
    ihdr = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 6 if alpha else 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")


def preview(cursors, icon_sizes, scale=4):
    """A sheet of the cursors in id order (four per row, hot spot in red) above the icons."""
    cell = SIZE * scale + 8
    width = max(cell * 4, sum(n * scale + 8 for n in icon_sizes))
    height = cell * 4 + max(icon_sizes) * scale + 8
    sheet = [[(160, 200, 200)] * width for _ in range(height)]
    for i, (canvas, hot) in enumerate(cursors):
        ox, oy = (i % 4) * cell + 4, (i // 4) * cell + 4
        for y in range(SIZE):
            for x in range(SIZE):
                p = canvas.px[y][x]
                colour = (255, 0, 0) if (x, y) == hot else None
                if colour is None and p is not None:
                    colour = (0, 0, 0) if p == BLACK else (255, 255, 255)
                for dy in range(scale):
                    for dx in range(scale):
                        if colour:
                            sheet[oy + y * scale + dy][ox + x * scale + dx] = colour
    ox = 4
    for n in icon_sizes:
        img = memo_sheet(n)
        for y in range(n):
            for x in range(n):
                r, g, b, a = img[y][x]
                if a:
                    for dy in range(scale):
                        for dx in range(scale):
                            sheet[cell * 4 + 4 + y * scale + dy][ox + x * scale + dx] = (r, g, b)
        ox += n * scale + 8
    return png_bytes(sheet)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.dirname(os.path.abspath(__file__)))
    parser.add_argument("--preview", help="also write a PNG sheet of every picture")
    args = parser.parse_args()
    cursors = build_cursors()
    for name, (canvas, hot) in cursors.items():
        with open(os.path.join(args.out, name + ".cur"), "wb") as f:
            f.write(cursor_bytes(canvas, hot))
    with open(os.path.join(args.out, "KVMemo.ico"), "wb") as f:
        f.write(icon_bytes(ICON_SIZES))
    if args.preview:
        with open(args.preview, "wb") as f:
            f.write(preview(list(cursors.values()), ICON_SIZES))


if __name__ == "__main__":
    main()
