#!/usr/bin/env python3
"""Draws Velvora's image assets into assets/: window icons, the Done button's bitmap, the design
picture of the preview controls and the slideshow backdrop.

Pure Python (zlib and struct only), so the images are reproducible on any machine:
    python3 tools/make_assets.py [output folder]
"""
import math
import os
import struct
import sys
import zlib

# The 16 colours of the standard VGA palette, for the images that hold 16 colours.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)

BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


class Canvas:
    """A grid of palette indexes (16-colour images) or RGB tuples (true colour)."""

    def __init__(self, width, height, fill):
        self.width, self.height = width, height
        self.px = [[fill] * width for _ in range(height)]

    def put(self, x, y, value):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = value

    def rect(self, x0, y0, x1, y1, value):
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.px[y][x] = value

    def disc(self, cx, cy, r, value):
        for y in range(int(cy - r), int(cy + r) + 1):
            for x in range(int(cx - r), int(cx + r) + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.put(x, y, value)

    def glyph(self, rows, x0, y0, scale, value):
        """Draws a bitmap given as strings ('#' set) at a whole-number scale."""
        for gy, row in enumerate(rows):
            for gx, ch in enumerate(row):
                if ch == "#":
                    self.rect(x0 + gx * scale, y0 + gy * scale, x0 + (gx + 1) * scale,
                              y0 + (gy + 1) * scale, value)


def dither(x, y, t, dark, light):
    """One of two palette colours, mixed in the proportion t (0..1) by ordered dithering."""
    return light if t * 16 > BAYER4[y % 4][x % 4] + 0.5 else dark


def ramp(x, y, level, dark, middle, light):
    """Dithers a level of 0..1 over three palette colours."""
    if level < 0.5:
        return dither(x, y, level * 2, dark, middle)
    return dither(x, y, level * 2 - 1, middle, light)


# ---- file formats ----

def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def write_png_rgb(path, canvas):
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in canvas.px)
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 2, 0, 0, 0)
    write_png(path, header, raw, b"")


def write_png_16(path, canvas, transparent=None):
    """A 4-bit palette PNG: the 16-colour image as it is; one palette entry may be clear."""
    rows = []
    for row in canvas.px:
        packed = bytearray()
        for i in range(0, len(row), 2):
            low = row[i + 1] if i + 1 < len(row) else 0
            packed.append((row[i] << 4) | low)
        rows.append(b"\0" + bytes(packed))
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 4, 3, 0, 0, 0)
    palette = png_chunk(b"PLTE", bytes(c for rgb in VGA for c in rgb))
    if transparent is not None:
        palette += png_chunk(b"tRNS", bytes(0 if i == transparent else 255 for i in range(16)))
    write_png(path, header, b"".join(rows), palette)


def write_png(path, header, raw, extra):
    data = (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) + extra +
            png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))
    with open(path, "wb") as out:
        out.write(data)


def write_ico(path, canvases, transparent):
    """An icon file with one 32-bit image per canvas (palette indexes); `transparent` is clear."""
    images = []
    for c in canvases:
        xor = bytearray()
        and_mask = bytearray()
        mask_stride = ((c.width + 31) // 32) * 4
        for row in reversed(c.px):  # bottom-up, as bitmaps are stored
            bits = bytearray(mask_stride)
            for x, index in enumerate(row):
                r, g, b = VGA[index]
                clear = index == transparent
                xor += bytes((b, g, r, 0 if clear else 255))
                if clear:
                    bits[x // 8] |= 0x80 >> (x % 8)
            and_mask += bits
        info = struct.pack("<IiiHHIIiiII", 40, c.width, c.height * 2, 1, 32, 0,
                           len(xor) + len(and_mask), 0, 0, 0, 0)
        images.append((c.width, c.height, info + bytes(xor) + bytes(and_mask)))
    offset = 6 + 16 * len(images)
    head = struct.pack("<HHH", 0, 1, len(images))
    body = b""
    for width, height, data in images:
        head += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
        body += data
    with open(path, "wb") as out:
        out.write(head + body)


def write_icon(folder, name, canvases, transparent):
    """The window icon as .ico (Windows resources) and its largest image as .png (other toolkits)."""
    write_ico(os.path.join(folder, name + ".ico"), canvases, transparent)
    write_png_16(os.path.join(folder, name + ".png"), max(canvases, key=lambda c: c.width),
                 transparent)


# ---- the pictures ----

QUESTION = [" ### ", "#   #", "    #", "   # ", "  #  ", "     ", "  #  "]


def saver_icon():
    """A framed landscape: the slideshow."""
    c = Canvas(32, 32, FUCHSIA)
    c.rect(1, 3, 31, 29, OLIVE)
    c.rect(3, 5, 29, 27, AQUA)
    c.disc(22, 11, 3.5, YELLOW)
    for x in range(3, 29):
        top = int(19 + 3 * math.sin(x / 4.0))
        c.rect(x, top, x + 1, 27, GREEN)
    return [c]


def setup_icon():
    """A picture list with a plus: the setup dialog."""
    c = Canvas(32, 32, FUCHSIA)
    c.rect(2, 2, 26, 30, BLACK)
    for i in range(4):
        c.rect(5, 6 + 6 * i, 22, 8 + 6 * i, LIME)
    c.rect(20, 16, 31, 31, WHITE)
    c.rect(21, 17, 30, 30, NAVY)
    c.rect(24, 19, 27, 28, YELLOW)
    c.rect(22, 22, 29, 25, YELLOW)
    return [c]


def help_icon():
    """A blue disc with a question mark, at 16 and 32 pixels."""
    images = []
    for size, scale in ((16, 1), (32, 3)):
        c = Canvas(size, size, FUCHSIA)
        half = (size - 1) / 2
        c.disc(half, half, size / 2 - 0.5, BLUE)
        c.glyph(QUESTION, int(half - 2.5 * scale) + 1, int(half - 3.5 * scale) + 1, scale, WHITE)
        images.append(c)
    return images


def options_icon():
    """A spinner and a colour swatch: the options dialog."""
    c = Canvas(32, 32, FUCHSIA)
    c.rect(1, 4, 31, 28, SILVER)
    c.rect(4, 8, 16, 16, WHITE)
    c.glyph(["##", "##"], 7, 10, 2, BLACK)
    c.rect(17, 8, 22, 16, GREY)
    c.glyph(["  #  ", " ### "], 17, 9, 1, BLACK)
    c.glyph([" ### ", "  #  "], 17, 13, 1, BLACK)
    c.rect(4, 19, 22, 25, BLACK)
    c.rect(5, 20, 21, 24, RED)
    return [c]


def done_bitmap():
    """960 x 45, 16 colours: a flat black plate between navy bands, bevelled at its edges. The
    buttons show its middle under their captions: plain black gives the setup dialog's green
    caption the strongest contrast, and the buttons outline a dark caption (the help window's)
    in white. No dithering under the text."""
    c = Canvas(960, 45, BLACK)
    c.rect(0, 2, 960, 8, NAVY)
    c.rect(0, 37, 960, 43, NAVY)
    c.rect(0, 8, 960, 9, BLUE)
    c.rect(0, 36, 960, 37, BLUE)
    c.rect(0, 0, 960, 2, WHITE)
    c.rect(0, 0, 2, 45, WHITE)
    c.rect(0, 43, 960, 45, GREY)
    c.rect(958, 0, 960, 45, GREY)
    return c


def design_picture():
    """600 x 400, true colour: evening hills under a sun, the picture shown before any preview."""
    w, h = 600, 400
    c = Canvas(w, h, (0, 0, 0))
    horizon = 250
    for y in range(h):
        for x in range(w):
            if y < horizon:
                t = y / horizon
                rgb = (int(40 + 200 * t), int(60 + 100 * t), int(140 - 40 * t))
                d = math.hypot(x - 420, y - 190)
                if d < 45:
                    rgb = (255, 230, 120)
                elif d < 90:
                    glow = (90 - d) / 45
                    rgb = tuple(int(v + (255 - v) * glow * 0.5) for v in rgb)
            else:
                t = (y - horizon) / (h - horizon)
                rgb = (int(30 + 30 * t), int(90 + 60 * t), int(50 + 10 * t))
            c.px[y][x] = rgb
    for layer, (base, amp, freq, colour) in enumerate(
            ((215, 25, 90.0, (70, 60, 110)), (240, 18, 60.0, (40, 80, 60)))):
        for x in range(w):
            top = int(base + amp * math.sin(x / freq + layer))
            for y in range(top, horizon + 20 * layer):
                c.px[y][x] = colour
    return c


def backdrop():
    """640 x 480, 16 colours: a dark radial glow behind the slideshow."""
    w, h = 640, 480
    c = Canvas(w, h, BLACK)
    for y in range(h):
        for x in range(w):
            d = math.hypot((x - w / 2) / (w / 2), (y - h / 2) / (h / 2)) / math.sqrt(2)
            t = max(0.0, 1 - d) ** 1.5
            c.px[y][x] = ramp(x, y, t, BLACK, NAVY, PURPLE)
    return c


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "assets")
    os.makedirs(folder, exist_ok=True)
    write_icon(folder, "saver", saver_icon(), FUCHSIA)
    write_icon(folder, "setup", setup_icon(), FUCHSIA)
    write_icon(folder, "help", help_icon(), FUCHSIA)
    write_icon(folder, "options", options_icon(), FUCHSIA)
    write_png_16(os.path.join(folder, "done.png"), done_bitmap())
    write_png_rgb(os.path.join(folder, "design.png"), design_picture())
    write_png_16(os.path.join(folder, "backdrop.png"), backdrop())


if __name__ == "__main__":
    main()
