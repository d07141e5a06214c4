#!/usr/bin/env python3
"""Writes the test skin of the skin model tests into test_skin/: an options
text using every image-value form, inheritance over three levels, a section
of one state and a self-naming parent, an 8-bit master bitmap with key-colour
corners, a PNG with alpha, a 1-bit top-down and a 4-bit bottom-up bitmap.
The JPEG textures (small and large) are made by the tests themselves.
Standard library only."""
import os
import struct
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "test_skin")


def bmp(w, h, bpp, pixel_rows, palette, top_down=False):
    stride = ((w * bpp + 31) // 32) * 4
    rows = [pixel_rows(y).ljust(stride, b"\0") for y in range(h)]
    data = b"".join(rows if top_down else rows[::-1])
    pal = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    off = 54 + len(pal)
    return (struct.pack("<2sIHHI", b"BM", off + len(data), 0, 0, off) +
            struct.pack("<IiiHHIIiiII", 40, w, -h if top_down else h, 1, bpp, 0, len(data), 0, 0, len(palette), 0) +
            pal + data)


def pack_bits(values, bpp):
    out, acc, n = bytearray(), 0, 0
    for v in values:
        acc = acc << bpp | v
        n += bpp
        if n == 8:
            out.append(acc)
            acc, n = 0, 0
    if n:
        out.append(acc << (8 - n))
    return bytes(out)


def png_rgba(w, h, rgba):
    raw = b"".join(b"\0" + bytes(rgba[y * w * 4:(y + 1) * w * 4]) for y in range(h))
    chunk = lambda t, d: struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d) & 0xFFFFFFFF)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def master():
    # Palette: 0 magenta (key), 1 grey, 2 blue, 3 white.
    palette = [(255, 0, 255), (200, 200, 200), (40, 100, 200), (255, 255, 255)]
    w, h = 240, 40

    def row(y):
        px = [1] * w
        for x in range(w):
            if x < 30 and y < 10:
                px[x] = 2  # glyph strip
            if 206 <= x < 230 and y < 26:
                fx = (x - 206) % 8
                if (fx == 0 or fx == 7) and (y == 0 or y == 12):
                    px[x] = 0  # key-colour corners in each frame's picture band
        return bytes(px)
    return bmp(w, h, 8, row, palette)


OPTIONS = """; The test skin of the skin model tests.
[GLOBALINFO]
VERSION=8.00
AUTHOR=tester
MASTERBITMAP=master.BMP
COLOR=12632256
SH_SOURCE=1
SH_MASK=^0206^0000^0230^0026^0003^0003^0003^0003^3^1^1^1
LO_SOURCE=2
LO_COLORT=255
BICONCLOSE=@0000@0000@0030@0010@3@0
TITLEHEIGHT=0

[grandparent]
FONTCOLOR=-2147483640
GLOW=300
GLOWMARGIN=-5
GRADIENTDATA=N/A
HOTGRADIENTDATA=N/A
GRADIENTPERCENT=40
HOTGRADIENTPERCENT=40
BORDERSMASK=^0206^0000^0230^0026^0003^0003^0003^0003^3^1^1^1

[PARENT]
PARENTCLASS=grandparent
COLOR=255
GIVEOWNFONT=TRUE

[CHILD]
PARENTCLASS=PARENT
STATES=1
HOTCOLOR=65280
TCLEFT=-2147483643

[OWNREF]
FONTCOLOR=-2147483640

[SELFISH]
PARENTCLASS=selfish
COLOR=-1

[CYCLEA]
PARENTCLASS=CYCLEB

[CYCLEB]
PARENTCLASS=CYCLEA
TRANSPARENCY=150

[IMAGES]
STATES=2
BORDER=^0206^0000^0230^0026^0003^0003^0003^0003^3^1^1^1
GLYPH=@0000@0000@0030@0010@3@0
TEXTURE=~0000~0010~0020~0030~01~1
FILE4=!glyph.png!2!0!4
FILE9=!Mono.bmp!1!0!9!0002!0002!0001!0001!3
PLAIN=tex4.bmp
HASH=#MASTER (0,10,30,22) (3,1,0,4)
NOTIMAGE=#
NUMBER=12
MISSING=!Nowhere.png!1!0!0
GRADIENTDATA=16777215;15126203;97;0;0;15126203;15126203;0;0;0
GRADIENTPERCENT=100
PATTERN=small.jpg
HOTPATTERN=large.jpg

[BUTTON_HUGE]
BORDERSMASK=^0206^0000^0230^0026^0003^0003^0003^0003^3^1^1^1

[MENUITEM]
STATES=2
HOTCOLOR=16711680
HOTFONTCOLOR=16711935

[EDIT]
COLOR=-2147483643
FONTCOLOR=128
"""


def main():
    os.makedirs(OUT, exist_ok=True)
    with open(os.path.join(OUT, "Options.dat"), "w", newline="") as f:
        f.write(OPTIONS.replace("\n", "\r\n"))
    with open(os.path.join(OUT, "Master.bmp"), "wb") as f:
        f.write(master())
    # Two 4 x 4 frames: red at alpha 128 and white at alpha 0.
    with open(os.path.join(OUT, "Glyph.png"), "wb") as f:
        f.write(png_rgba(8, 4, ([255, 0, 0, 128] * 4 + [255, 255, 255, 0] * 4) * 4))
    # 1 bit, top-down: the first row white, the rest black.
    with open(os.path.join(OUT, "Mono.bmp"), "wb") as f:
        f.write(bmp(6, 6, 1, lambda y: pack_bits([1 if y == 0 else 0] * 6, 1), [(0, 0, 0), (255, 255, 255)],
                    top_down=True))
    # 4 bits, bottom-up: colour index = x % 3 (black, red, magenta).
    with open(os.path.join(OUT, "Tex4.bmp"), "wb") as f:
        f.write(bmp(12, 9, 4, lambda y: pack_bits([x % 3 for x in range(12)], 4),
                    [(0, 0, 0), (255, 0, 0), (255, 0, 255)]))


if __name__ == "__main__":
    main()
