#!/usr/bin/env python3
"""Draws the options page's skin pictures into resources/skin/ as 24-bit BMP
files: the check box's four 15 x 15 state images side by side on magenta,
which the check box leaves transparent wherever it occurs.

   x =  1  unchecked: white square, grey border
   x = 20  unchecked, pointer inside: white square, blue border
   x = 39  checked, pointer inside: paler green square, white tick
   x = 58  checked: green square, white tick

All at y = 1; skin.ini names the rectangles. Standard library only; the
output is the same on every run.
"""
import os
import struct
import sys

MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
BLUE = (215, 120, 0)[::-1]
GREEN = (46, 160, 67)
PALE_GREEN = (120, 200, 130)
SIZE = 15


def write_bmp(path, width, height, pixel):
    """pixel(x, y) -> (r, g, b), y from the top; stored bottom-up, 24 bits."""
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        rows.append(bytes(row) + b"\0" * (stride - len(row)))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def tick_pixels():
    """The white tick: two pixels thick, from (3, 7) down to (6, 10), up to (11, 4)."""
    points = set()
    for i in range(4):
        points |= {(3 + i, 7 + i), (3 + i, 6 + i)}
    for i in range(6):
        points |= {(6 + i, 10 - i), (6 + i, 9 - i)}
    return points


def state_image(border, fill, ticked):
    tick = tick_pixels() if ticked else set()
    corners = {(0, 0), (SIZE - 1, 0), (0, SIZE - 1), (SIZE - 1, SIZE - 1)}

    def pixel(x, y):
        if (x, y) in corners:
            return MAGENTA
        if x in (0, SIZE - 1) or y in (0, SIZE - 1):
            return border
        return WHITE if (x, y) in tick else fill
    return pixel


def main(out):
    images = {
        1: state_image(GREY, WHITE, False),
        20: state_image(BLUE, WHITE, False),
        39: state_image(PALE_GREEN, PALE_GREEN, True),
        58: state_image(GREEN, GREEN, True),
    }

    def pixel(x, y):
        for left, image in images.items():
            if left <= x < left + SIZE and 1 <= y < 1 + SIZE:
                return image(x - left, y - 1)
        return MAGENTA
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "checkbox.bmp"), 77, 17, pixel)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else
         os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "skin"))
