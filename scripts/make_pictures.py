#!/usr/bin/env python3
"""Draws the toolbar pictures and the application icon into resources/, with tavra.qrc,
and the same icon in the desktop's sizes into resources/icons/ (installed, not compiled in).

Each toolbar picture is 16 x 16 (and 32 x 32 for scaled screens, name@2x.png) with a disabled variant (the dark parts of the picture
embossed in grey, as disabled buttons look on the desktop). The shapes are described in a
16-unit square and rendered with 4 x 4 supersampling, so the icon can be drawn larger too.
Pure Python (zlib only). Run from anywhere:

    python3 scripts/make_pictures.py
"""

import math
import pathlib
import struct
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "resources"
SUB = 4  # supersampling per axis


# ---- shapes: functions (x, y) -> bool in the 16-unit square -------------------------------

def polygon(points):
    def inside(x, y):
        result = False
        n = len(points)
        for i in range(n):
            x1, y1 = points[i]
            x2, y2 = points[(i + 1) % n]
            if (y1 > y) != (y2 > y):
                cross = x1 + (y - y1) * (x2 - x1) / (y2 - y1)
                if x < cross:
                    result = not result
        return result
    return inside


def rect(x1, y1, x2, y2):
    return lambda x, y: x1 <= x < x2 and y1 <= y < y2


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def stroke(points, width, closed=False):
    segments = list(zip(points, points[1:]))
    if closed:
        segments.append((points[-1], points[0]))
    half = width / 2

    def inside(x, y):
        for (x1, y1), (x2, y2) in segments:
            dx, dy = x2 - x1, y2 - y1
            length2 = dx * dx + dy * dy
            t = 0 if length2 == 0 else max(0, min(1, ((x - x1) * dx + (y - y1) * dy) / length2))
            px, py = x1 + t * dx, y1 + t * dy
            if (x - px) ** 2 + (y - py) ** 2 <= half * half:
                return True
        return False
    return inside


def outlined(points, fill, edge, width=1.0):
    return [(fill, polygon(points)), (edge, stroke(points, width, closed=True))]


# Digits 1 to 3 as strokes in a 3 x 5 box whose top left corner is (x, y).
def digit(n, x, y, colour):
    paths = {
        1: [[(x + 0.5, y + 1.2), (x + 1.6, y), (x + 1.6, y + 5)]],
        2: [[(x, y + 0.8), (x + 0.8, y), (x + 2.2, y), (x + 3, y + 0.8), (x + 3, y + 1.8),
             (x, y + 5), (x + 3.2, y + 5)]],
        3: [[(x, y + 0.3), (x + 2.6, y + 0.3), (x + 1.2, y + 2.2), (x + 2.4, y + 2.4),
             (x + 3, y + 3.4), (x + 2.2, y + 4.8), (x + 0.8, y + 4.8), (x, y + 4.2)]],
    }
    return [(colour, stroke(path, 1.3)) for path in paths[n]]


# ---- colours -----------------------------------------------------------------------------

GREEN = (34, 139, 34)
DARK_GREEN = (0, 80, 0)
RED = (200, 30, 30)
DARK_RED = (120, 0, 0)
BLUE = (40, 70, 170)
DARK_BLUE = (10, 25, 90)
BROWN = (150, 90, 40)
DARK_BROWN = (80, 45, 15)
PAGE = (250, 250, 240)
GREY_LINE = (120, 120, 120)
GOLD = (230, 180, 40)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


# ---- pictures ----------------------------------------------------------------------------

def arrow_back():
    return outlined([(1.5, 8), (8, 1.5), (8, 5), (14.5, 5), (14.5, 11), (8, 11), (8, 14.5)],
                    GREEN, DARK_GREEN)


def arrow_forward():
    return mirrored(arrow_back())


def double_back():
    return (outlined([(0.8, 8), (7.6, 1.8), (7.6, 14.2)], GREEN, DARK_GREEN)
            + outlined([(7.6, 8), (14.6, 1.8), (14.6, 14.2)], GREEN, DARK_GREEN))


def double_forward():
    return mirrored(double_back())


def mirrored(layers):
    return [(colour, (lambda f: lambda x, y: f(16 - x, y))(shape)) for colour, shape in layers]


def today():
    layers = outlined([(1.5, 2), (14.5, 2), (14.5, 14.5), (1.5, 14.5)], PAGE, GREY_LINE)
    layers += [(RED, rect(1.5, 2, 14.5, 5.5)), (DARK_RED, stroke([(1.5, 2), (14.5, 2)], 1.0))]
    layers += [(DARK_BROWN, rect(4, 0.5, 5.5, 3.5)), (DARK_BROWN, rect(10.5, 0.5, 12, 3.5))]
    layers += [(RED, circle(8, 10, 2.6)), (DARK_RED, stroke([(5.2, 10), (5.6, 8.6), (6.6, 7.6), (8, 7.2),
                                                            (9.4, 7.6), (10.4, 8.6), (10.8, 10),
                                                            (10.4, 11.4), (9.4, 12.4), (8, 12.8),
                                                            (6.6, 12.4), (5.6, 11.4)], 0.7, True))]
    return layers


def closed_book(number):
    pages = [(4, 13), (13.5, 13), (13.5, 14.5), (4, 14.5)]
    layers = outlined(pages, PAGE, GREY_LINE, 0.8)
    cover = [(3, 1.5), (13.5, 1.5), (13.5, 13), (3, 13)]
    layers += outlined(cover, BLUE, DARK_BLUE)
    layers += [(DARK_BLUE, rect(2.5, 1.5, 4.6, 14.5))]
    layers += [(GOLD, stroke([(3.6, 2.5), (3.6, 13.5)], 0.6))]
    layers += digit(number, 7.4, 4.5, WHITE)
    return layers


def open_book():
    left = [(1, 3.5), (7.6, 4.8), (7.6, 14), (1, 12.6)]
    right = [(8.4, 4.8), (15, 3.5), (15, 12.6), (8.4, 14)]
    layers = [(DARK_BROWN, polygon([(0.3, 4.5), (8, 6), (15.7, 4.5), (15.7, 14), (8, 15.3), (0.3, 14)]))]
    layers += outlined(left, PAGE, GREY_LINE, 0.7) + outlined(right, PAGE, GREY_LINE, 0.7)
    for i in range(4):
        y = 6.3 + i * 1.9
        layers.append((GREY_LINE, stroke([(2.5, y), (6.6, y + 0.8)], 0.6)))
        layers.append((GREY_LINE, stroke([(9.4, y + 0.8), (13.5, y)], 0.6)))
    layers.append((RED, polygon([(10.5, 0.5), (12, 0.5), (12, 5.5), (11.25, 4.6), (10.5, 5.5)])))
    return layers


def exit_sign():
    frame = [(2, 1), (10, 1), (10, 15), (2, 15)]
    layers = outlined(frame, (90, 90, 90), (40, 40, 40))
    layers += outlined([(2.8, 1.8), (7.5, 3.2), (7.5, 15), (2.8, 14.2)], BROWN, DARK_BROWN, 0.8)
    layers += [(GOLD, circle(6.4, 8.6, 0.7))]
    layers += outlined([(8, 6.6), (11.8, 6.6), (11.8, 4), (15.6, 8), (11.8, 12), (11.8, 9.4), (8, 9.4)],
                       RED, DARK_RED, 0.9)
    return layers


def app_icon():
    layers = [(BLUE, circle(8, 8, 7.8)), (DARK_BLUE, stroke(
        [(8 + 7.6 * math.cos(a / 24 * 2 * math.pi), 8 + 7.6 * math.sin(a / 24 * 2 * math.pi))
         for a in range(24)], 0.5, True))]
    left = [(2.2, 5), (7.7, 6), (7.7, 13), (2.2, 12)]
    right = [(8.3, 6), (13.8, 5), (13.8, 12), (8.3, 13)]
    layers += outlined(left, PAGE, GREY_LINE, 0.4) + outlined(right, PAGE, GREY_LINE, 0.4)
    layers += [(GOLD, stroke([(8, 1.6), (8, 5.2)], 0.9)), (GOLD, stroke([(6.6, 2.8), (9.4, 2.8)], 0.9))]
    for i in range(3):
        y = 7.2 + i * 1.6
        layers.append((GREY_LINE, stroke([(3.4, y), (6.8, y + 0.6)], 0.35)))
        layers.append((GREY_LINE, stroke([(9.2, y + 0.6), (12.6, y)], 0.35)))
    return layers


# ---- rendering ---------------------------------------------------------------------------

def render(layers, size):
    """RGBA pixels, rows top first; later layers cover earlier ones."""
    scale = 16 / size
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(SUB):
                for sx in range(SUB):
                    x = (px + (sx + 0.5) / SUB) * scale
                    y = (py + (sy + 0.5) / SUB) * scale
                    for colour, shape in reversed(layers):
                        if shape(x, y):
                            r += colour[0]
                            g += colour[1]
                            b += colour[2]
                            a += 1
                            break
            n = SUB * SUB
            if a == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
        pixels.append(row)
    return pixels


def disabled(pixels):
    """The dark parts as a grey shape over a white one shifted by one pixel."""
    size = len(pixels)
    weight = [[0.0] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            r, g, b, a = pixels[y][x]
            luminance = (0.299 * r + 0.587 * g + 0.114 * b) / 255
            weight[y][x] = a / 255 if luminance < 0.7 else 0.0
    out = []
    for y in range(size):
        row = []
        for x in range(size):
            dark = weight[y][x]
            light = weight[y - 1][x - 1] if x > 0 and y > 0 else 0.0
            alpha = dark + light * (1 - dark)
            if alpha == 0:
                row.append((0, 0, 0, 0))
                continue
            grey = (128 * dark + 255 * light * (1 - dark)) / alpha
            v = round(grey)
            row.append((v, v, v, round(255 * alpha)))
        out.append(row)
    return out


def write_png(path, pixels):
    size_y, size_x = len(pixels), len(pixels[0])
    raw = b"".join(b"\x00" + bytes(c for p in row for c in p) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = (b"\x89PNG\r\n\x1a\n"
           + chunk(b"IHDR", struct.pack(">IIBBBBB", size_x, size_y, 8, 6, 0, 0, 0))
           + chunk(b"IDAT", zlib.compress(raw, 9))
           + chunk(b"IEND", b""))
    path.write_bytes(png)


TOOLBAR = {
    "week_back": double_back,
    "day_back": arrow_back,
    "today": today,
    "day_forward": arrow_forward,
    "week_forward": double_forward,
    "reading1": lambda: closed_book(1),
    "reading2": lambda: closed_book(2),
    "reading3": lambda: closed_book(3),
    "pericope": open_book,
    "exit": exit_sign,
}


def main():
    (OUT / "toolbar").mkdir(parents=True, exist_ok=True)
    for name, draw in TOOLBAR.items():
        # The same shapes drawn at twice the pixels serve screens scaled to 150 % and 200 %.
        for size, suffix in ((16, ""), (32, "@2x")):
            pixels = render(draw(), size)
            write_png(OUT / "toolbar" / f"{name}{suffix}.png", pixels)
            write_png(OUT / "toolbar" / f"{name}_disabled{suffix}.png", disabled(pixels))
    for size in (16, 32, 48):
        write_png(OUT / f"tavra_{size}.png", render(app_icon(), size))
        write_png(OUT / f"tavra_{size}@2x.png", render(app_icon(), 2 * size))
    (OUT / "icons").mkdir(exist_ok=True)
    for size in DESKTOP_ICON_SIZES:
        write_png(OUT / "icons" / f"tavra_{size}.png", render(app_icon(), size))
    write_resource_file()


DESKTOP_ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def write_resource_file():
    files = sorted(p.relative_to(OUT).as_posix() for p in OUT.rglob("*.png")
                   if p.relative_to(OUT).parts[0] != "icons")
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '  <qresource prefix="/">']
    lines += [f"    <file>{f}</file>" for f in files]
    lines += ["  </qresource>", "</RCC>", ""]
    (OUT / "tavra.qrc").write_text("\n".join(lines))


if __name__ == "__main__":
    main()
