#!/usr/bin/env python3
"""Writes resources/HAND-M.CUR: the pointing-hand cursor shown over push buttons.

The picture below is the whole design ('#' outline, '.' fill, ' ' transparent);
the file is a one-image 32x32 Windows cursor with a 32-bit BGRA bitmap and an
AND mask, hot spot at the tip of the index finger. Run it again after changing
the picture.
"""
import struct
import sys
from pathlib import Path

HAND = """
      ##
     #..#
     #..#
     #..#
     #..#
     #..###
     #..#..###
     #..#..#..##
  ## #..#..#..#.#
 #..##........#..#
 #...#...........#
  #..............#
   #.............#
   #.............#
    #............#
    #...........#
     #..........#
     #..........#
      #........#
      #........#
      ##########
"""
HOTSPOT = (7, 1)
SIZE = 32


def pixels():
    rows = HAND.strip("\n").split("\n")
    grid = [[None] * SIZE for _ in range(SIZE)]
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch == "#":
                grid[y + 1][x] = (0, 0, 0, 255)
            elif ch == ".":
                grid[y + 1][x] = (255, 255, 255, 255)
    return grid


def cursor_bytes():
    grid = pixels()
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):  # bitmaps are stored bottom-up
        bits = 0
        for x in range(SIZE):
            px = grid[y][x]
            if px is None:
                xor += bytes((0, 0, 0, 0))
                bits |= 1 << (SIZE - 1 - x)  # 1 in the AND mask: transparent
            else:
                r, g, b, a = px
                xor += bytes((b, g, r, a))
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, HOTSPOT[0], HOTSPOT[1], len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    out = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "resources" / "HAND-M.CUR")
    out.write_bytes(cursor_bytes())
    print(f"wrote {out} ({out.stat().st_size} bytes)")
