#!/usr/bin/env python3
"""Draws the programs' icons: resources/Brenlo.ico (standard edition, blue),
resources/Brenlopro.ico (PRO edition, deep red with a gold band) and
resources/BrenloView.ico (the viewer of reports, green with a lens).

Each icon is a page with ruled lines and a coloured band, at 16, 32 and 48
pixels, stored as 32-bit BMP images with an alpha channel. Run once after a
change of design; the build takes the .ico files as they are.

    tools/gen-icons.py [RESOURCES_DIR]
"""
import struct
import sys
from pathlib import Path

EDITIONS = {
    "Brenlo": {"band": (0x2E, 0x6F, 0xD0), "accent": (0x2E, 0x6F, 0xD0), "mark": "square"},
    "Brenlopro": {"band": (0x9C, 0x1C, 0x2B), "accent": (0xD4, 0xA0, 0x17), "mark": "square"},
    "BrenloView": {"band": (0x1F, 0x8A, 0x4C), "accent": (0x1F, 0x8A, 0x4C), "mark": "lens"},
}
PAPER = (0xFF, 0xFF, 0xFF)
EDGE = (0x40, 0x40, 0x40)
RULE = (0xA0, 0xA8, 0xB8)
SIZES = (16, 32, 48)


def draw(size, band, accent, mark):
    """Rows of (r, g, b, a), top row first."""
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]
    unit = size / 16.0
    left, right = round(2 * unit), round(14 * unit) - 1
    top, bottom = round(1 * unit), round(15 * unit) - 1
    fold = round(4 * unit)
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            # The page's top right corner is folded.
            if x - (right - fold) > y - top:
                continue
            on_edge = x in (left, right) or y in (top, bottom) or x - (right - fold) == y - top
            pixels[y][x] = (*(EDGE if on_edge else PAPER), 0xFF)
    band_top, band_bottom = round(4 * unit), round(6 * unit)
    for y in range(band_top, band_bottom + 1):
        for x in range(left + 1, right - fold):
            pixels[y][x] = (*band, 0xFF)
    y = round(8 * unit)
    while y < bottom - 1:
        for x in range(left + max(1, round(2 * unit)), right - max(1, round(1 * unit))):
            pixels[y][x] = (*RULE, 0xFF)
        y += max(2, round(2 * unit))
    # The program's mark in the lower right corner: the editions' square, the
    # viewer's lens (a ring with a handle).
    extent = max(3, round(4 * unit))
    if mark == "square":
        for y in range(bottom - extent, bottom + 1):
            for x in range(right - extent, right + 1):
                pixels[y][x] = (*accent, 0xFF)
        return pixels
    radius = max(2.5, 3.2 * unit)
    cx, cy = right - radius - 1.5 * unit, bottom - radius - 1.5 * unit
    ring = max(1.0, 1.1 * unit)

    def is_handle(dx, dy, d):
        """The handle runs from the ring towards the corner."""
        return dx > -0.5 and dy > -0.5 and abs(dx - dy) <= ring and d <= radius + 2.6 * unit

    for y in range(size):
        for x in range(size):
            d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
            if radius - ring <= d <= radius:
                pixels[y][x] = (*accent, 0xFF)
            elif d < radius - ring:
                pixels[y][x] = (*PAPER, 0xFF)
            elif is_handle(x - cx, y - cy, d):
                pixels[y][x] = (*accent, 0xFF)
    return pixels


def bmp_image(pixels):
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    mask = b"".join(
        bytes(
            sum(0x80 >> (x % 8) for x in range(k * 8, min(size, k * 8 + 8)) if row[x][3] == 0)
            for k in range(mask_row)
        )
        for row in reversed(pixels)
    )
    return header + colour + mask


def icon_file(band, accent, mark):
    images = [bmp_image(draw(size, band, accent, mark)) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "resources"
    for name, colours in EDITIONS.items():
        (folder / f"{name}.ico").write_bytes(icon_file(colours["band"], colours["accent"], colours["mark"]))


if __name__ == "__main__":
    main()
