#!/usr/bin/env python3
"""Makes a picture list that a slideshow must survive: broken, empty, lying and oversized files,
odd entries of the file system, with good pictures between them.

    python3 tools/make_hostile_pictures.py FOLDER

Writes the files into FOLDER, FOLDER/list.txt (one absolute path a line, in list order; the
names sort in that order) and FOLDER/colours.txt (for each good picture its entry name, red,
green and blue, and "shown", or "never" for one the program must not be able to read). Good
pictures are solid colours that no transition draws (never a pure primary), so a test can tell
on the screen which one is shown. PNG, BMP and the hand-made headers are written here with the standard library;
JPEG and GIF come from ImageMagick's `convert`.
"""
import os
import random
import struct
import subprocess
import sys
import zlib

# Entry name -> the colour it shows when a loader can decode it.
GOOD = {
    "01-good.png": (200, 40, 40),
    "04-good.bmp": (40, 160, 60),
    "08-good.gif": (50, 70, 200),
    "10-strip.png": (150, 60, 180),     # 1 x 30,000
    "11-cmyk.jpg": (230, 150, 40),      # stored as CMYK
    "13-good.jpg": (210, 200, 60),
    "16-rgba16.png": (30, 150, 150),    # 16 bits a channel, with alpha
    "17-animated.gif": (240, 180, 200),  # the first of two frames
    "22-deep": (100, 60, 20),           # a picture at the end of a path of 4,000 characters
}
# A good picture that the program may not read: the file has no read permission.
NEVER_SHOWN = {"12-unreadable.jpg": (90, 200, 200)}
DEEP_PATH_LENGTH = 4000


def png(width, height, rows, colour_type=2, depth=8):
    """A PNG of the given raw rows (bytes without the filter byte)."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, colour_type, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def solid_png(width, height, rgb):
    return png(width, height, [bytes(rgb) * width] * height)


def bmp(width, height, rgb):
    """A 24-bit BMP of one colour."""
    stride = (width * 3 + 3) // 4 * 4
    row = bytes((rgb[2], rgb[1], rgb[0])) * width + b"\0" * (stride - width * 3)
    data = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


def convert(folder, args, name):
    subprocess.run(["convert", *args, os.path.join(folder, name)], check=True)


def noise_png(path):
    rng = random.Random(12)
    rows = [bytes(rng.randrange(256) for _ in range(320 * 3)) for _ in range(240)]
    with open(path, "wb") as f:
        f.write(png(320, 240, rows))


def write(folder, name, data):
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def cut_in_half(folder, name):
    path = os.path.join(folder, name)
    with open(path, "rb") as f:
        data = f.read()
    write(folder, name, data[: len(data) // 2])


def bomb_png():
    """A PNG whose header claims 60,000 x 60,000 pixels, with one short row of data."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 60000, 60000, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(b"\0" * 1000)) + chunk(b"IEND", b""))


def bomb_gif():
    """A GIF whose screen and image claim 23,000 x 23,000 pixels, with one pixel of data."""
    size = struct.pack("<HH", 23000, 23000)
    screen = b"GIF89a" + size + bytes((0x80, 0, 0)) + bytes((0, 0, 0, 255, 255, 255))
    image = b"\x2c" + struct.pack("<HH", 0, 0) + size + b"\0"
    # Minimum code size 2; codes clear (4), pixel 0, end (5) in 3 bits each.
    data = bytes((2, 2, 0x44, 0x01, 0))
    return screen + image + data + b"\x3b"


def bomb_jpeg(folder, name):
    """A small JPEG whose frame header is changed to claim 40,000 x 40,000 pixels."""
    convert(folder, ["-size", "16x16", "xc:rgb(128,128,128)", "-quality", "90"], name)
    path = os.path.join(folder, name)
    with open(path, "rb") as f:
        data = bytearray(f.read())
    frame = data.index(b"\xff\xc0")
    data[frame + 5:frame + 9] = struct.pack(">HH", 40000, 40000)
    write(folder, name, bytes(data))


def deep_path(folder):
    """Folders nested until the picture's absolute path is exactly DEEP_PATH_LENGTH long."""
    path = os.path.join(os.path.abspath(folder), "22-deep")
    name = "good.png"
    while len(path) + 1 + len(name) < DEEP_PATH_LENGTH:
        room = DEEP_PATH_LENGTH - len(path) - 1 - len(name) - 1
        path = os.path.join(path, "d" * min(200, max(1, room)))
    os.makedirs(path)
    picture = os.path.join(path, name)
    assert len(picture) == DEEP_PATH_LENGTH, len(picture)
    with open(picture, "wb") as f:
        f.write(solid_png(240, 180, GOOD["22-deep"]))
    return picture


def make(folder):
    os.makedirs(folder, exist_ok=True)
    rgb = lambda c: "rgb(%d,%d,%d)" % c
    noise = os.path.join(folder, "noise.png")
    noise_png(noise)

    write(folder, "01-good.png", solid_png(320, 240, GOOD["01-good.png"]))
    convert(folder, [noise, "-quality", "92"], "02-truncated.jpg")
    cut_in_half(folder, "02-truncated.jpg")
    write(folder, "03-empty.jpg", b"")
    write(folder, "04-good.bmp", bmp(200, 300, GOOD["04-good.bmp"]))
    write(folder, "05-text.jpg", b"This is not a picture, whatever its name says.\n")
    write(folder, "06-bomb.png", bomb_png())
    os.mkdir(os.path.join(folder, "07-x.jpg"))
    convert(folder, ["-size", "256x192", "xc:" + rgb(GOOD["08-good.gif"])], "08-good.gif")
    with open(noise, "rb") as f:
        write(folder, "09-truncated.png", f.read())
    cut_in_half(folder, "09-truncated.png")
    write(folder, "10-strip.png", solid_png(1, 30000, GOOD["10-strip.png"]))
    convert(folder, ["-size", "320x240", "xc:" + rgb(GOOD["11-cmyk.jpg"]), "-colorspace", "CMYK", "-quality", "95"],
            "11-cmyk.jpg")
    convert(folder, ["-size", "320x240", "xc:" + rgb(NEVER_SHOWN["12-unreadable.jpg"]), "-quality", "95"],
            "12-unreadable.jpg")
    os.chmod(os.path.join(folder, "12-unreadable.jpg"), 0)
    convert(folder, ["-size", "640x480", "xc:" + rgb(GOOD["13-good.jpg"]), "-quality", "95"], "13-good.jpg")
    os.symlink("14-loop-back.jpg", os.path.join(folder, "14-loop.jpg"))
    os.symlink("14-loop.jpg", os.path.join(folder, "14-loop-back.jpg"))
    convert(folder, [noise], "15-truncated.gif")
    cut_in_half(folder, "15-truncated.gif")
    teal = struct.pack(">HHHH", *(c * 257 for c in GOOD["16-rgba16.png"]), 65535)
    write(folder, "16-rgba16.png", png(160, 120, [teal * 160] * 120, colour_type=6, depth=16))
    convert(folder, ["-delay", "50", "-size", "160x120", "xc:" + rgb(GOOD["17-animated.gif"]), "xc:rgb(20,20,20)",
                     "-loop", "0"], "17-animated.gif")
    write(folder, "18-bomb.gif", bomb_gif())
    bomb_jpeg(folder, "19-bomb.jpg")
    # 20-missing.jpg is listed but never made.
    write(folder, "21-empty.png", b"")
    deep = deep_path(folder)
    os.remove(noise)

    names = sorted(n for n in os.listdir(folder) if n[:2].isdigit() and n != "14-loop-back.jpg")
    names.insert(names.index("21-empty.png"), "20-missing.jpg")
    paths = [deep if n == "22-deep" else os.path.join(os.path.abspath(folder), n) for n in names]
    with open(os.path.join(folder, "list.txt"), "w") as f:
        f.write("".join(p + "\n" for p in paths))
    with open(os.path.join(folder, "colours.txt"), "w") as f:
        for table, word in ((GOOD, "shown"), (NEVER_SHOWN, "never")):
            f.write("".join("%s %d %d %d %s\n" % (name, *rgb, word) for name, rgb in table.items()))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    make(sys.argv[1])
