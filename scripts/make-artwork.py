#!/usr/bin/env python3
"""Draws Tessaline's own artwork: the application icon (32, 48, 128 and 256
pixel PNGs) and the hand cursor HAND-M.CUR. Run from the project root; the
results are committed under resources/."""
import struct
import zlib

ICON_SIZES = (32, 48, 128, 256)


def png(width, height, rgba_rows):
    raw = b"".join(b"\x00" + bytes(row) for row in rgba_rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def icon_colour(x, y):
    """The icon in unit coordinates: a teal tile, a white letter sheet with
    lines of text, and a gold quill stroke across it."""
    # Rounded tile.
    r = 0.18
    cx = min(max(x, r), 1 - r)
    cy = min(max(y, r), 1 - r)
    if (x - cx) ** 2 + (y - cy) ** 2 > r * r:
        return None
    colour = (31, 111, 139)
    # Letter sheet.
    if 0.24 <= x <= 0.70 and 0.16 <= y <= 0.84:
        colour = (250, 250, 246)
        for top in (0.28, 0.38, 0.48, 0.58, 0.68):
            if top <= y <= top + 0.035 and 0.31 <= x <= (0.63 if top != 0.68 else 0.5):
                colour = (120, 130, 140)
    # Quill: a slanted band from lower left to upper right.
    d = (x - 0.45) * 0.8 + (y - 0.80) * 0.6
    along = -(x - 0.45) * 0.6 + (y - 0.80) * 0.8
    if abs(d) < 0.045 and -0.62 < along < 0.0:
        colour = (232, 178, 48)
    return colour


def draw_icon(size):
    samples = 4
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    c = icon_colour((px + (sx + 0.5) / samples) / size, (py + (sy + 0.5) / samples) / size)
                    if c is not None:
                        acc[0] += c[0]; acc[1] += c[1]; acc[2] += c[2]; acc[3] += 255
            n = samples * samples
            alpha = acc[3] // n
            if alpha:
                row += [acc[0] * 255 // acc[3], acc[1] * 255 // acc[3], acc[2] * 255 // acc[3], alpha]
            else:
                row += [0, 0, 0, 0]
        rows.append(row)
    return png(size, size, rows)


# The hand pointer, 32 by 32: '#' outline, '.' fill; hot spot at the tip of
# the index finger.
HAND = [
    "      ##                        ",
    "     #..#                       ",
    "     #..#                       ",
    "     #..#                       ",
    "     #..#                       ",
    "     #..###                     ",
    "     #..#..###                  ",
    "     #..#..#..##                ",
    "  ## #..#..#..#.#               ",
    " #..##........#..#              ",
    " #...#...........#              ",
    "  #..............#              ",
    "   #.............#              ",
    "   #.............#              ",
    "    #...........#               ",
    "    #...........#               ",
    "     #.........#                ",
    "     #.........#                ",
    "     ###########                ",
] + [" " * 32] * 13
HOTSPOT = (6, 0)


def draw_cursor():
    size = 32
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):  # bottom-up rows
        bits = 0
        for x in range(size):
            ch = HAND[y][x]
            if ch == "#":
                xor += bytes((0, 0, 0, 255))
            elif ch == ".":
                xor += bytes((255, 255, 255, 255))
            else:
                xor += bytes((0, 0, 0, 0))
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, HOTSPOT[0], HOTSPOT[1], len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    for s in ICON_SIZES:
        with open(f"resources/icons/tessaline-{s}.png", "wb") as f:
            f.write(draw_icon(s))
    with open("resources/HAND-M.CUR", "wb") as f:
        f.write(draw_cursor())
