#!/usr/bin/env python3
"""Makes the help documents and the pictures of the sample installation in data/.

- data/Info.prg and data/OProgramu.prg: the help documents, written in UTF-8 in
  scripts/help/ and stored here in Windows-1250, as every data file of the program.
- data/Autor.jpg: the author window's background (448 x 300), a soft gradient with a
  rising sun and an open book drawn faintly into it.
- data/kniha.jpg, data/svice.gif (animated, transparent) and data/kalendar.bmp: the
  pictures the help documents show.

Pure Python (no imaging library): the JPEG, GIF and BMP writers are below. Run from
anywhere:

    python3 scripts/make_help_files.py
"""

import math
import pathlib
import struct

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "data"
SOURCES = pathlib.Path(__file__).resolve().parent / "help"


# ---- JPEG: baseline, 4:4:4, one Huffman table pair for all components --------------------

LUMA_Q = [
    16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99,
]
CHROMA_Q = [
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
] + [99] * 32

DC_BITS = [0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0]
DC_VALUES = list(range(12))
AC_BITS = [0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 125]
AC_VALUES = [
    0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61, 0x07,
    0x22, 0x71, 0x14, 0x32, 0x81, 0x91, 0xA1, 0x08, 0x23, 0x42, 0xB1, 0xC1, 0x15, 0x52, 0xD1, 0xF0,
    0x24, 0x33, 0x62, 0x72, 0x82, 0x09, 0x0A, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x25, 0x26, 0x27, 0x28,
    0x29, 0x2A, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49,
    0x4A, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69,
    0x6A, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89,
    0x8A, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9A, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7,
    0xA8, 0xA9, 0xAA, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xC2, 0xC3, 0xC4, 0xC5,
    0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xE1, 0xE2,
    0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xEA, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8,
    0xF9, 0xFA,
]


def zigzag_order():
    """Natural (row * 8 + column) index of each zigzag position."""
    order = []
    for s in range(15):
        rows = range(max(0, s - 7), min(s, 7) + 1)
        if s % 2 == 0:
            rows = reversed(list(rows))
        for r in rows:
            order.append(r * 8 + (s - r))
    return order


ZIGZAG = zigzag_order()


def canonical_codes(bits, values):
    """Symbol -> (code, length) of a table given by code counts per length."""
    codes, code, k = {}, 0, 0
    for length in range(1, 17):
        for _ in range(bits[length - 1]):
            codes[values[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.count = 0

    def put(self, value, length):
        for i in range(length - 1, -1, -1):
            self.acc = (self.acc << 1) | ((value >> i) & 1)
            self.count += 1
            if self.count == 8:
                self.out.append(self.acc)
                if self.acc == 0xFF:
                    self.out.append(0)  # byte stuffing
                self.acc = self.count = 0

    def flush(self):
        while self.count:
            self.put(1, 1)  # pad with ones


def magnitude(value):
    """(category, bits) of a coefficient as the entropy coder writes it."""
    size = abs(value).bit_length()
    bits = value if value >= 0 else value + (1 << size) - 1
    return size, bits


def scaled_table(base, quality):
    scale = 5000 // quality if quality < 50 else 200 - 2 * quality
    return [min(255, max(1, (q * scale + 50) // 100)) for q in base]


DCT = [[(math.sqrt(0.5) if u == 0 else 1.0) / 2 * math.cos((2 * x + 1) * u * math.pi / 16) for x in range(8)]
       for u in range(8)]


def forward_dct(block):
    rows = [[sum(DCT[u][x] * block[y * 8 + x] for x in range(8)) for u in range(8)] for y in range(8)]
    return [sum(DCT[v][y] * rows[y][u] for y in range(8)) for v in range(8) for u in range(8)]


def write_jpeg(path, width, height, pixel, quality=88):
    """`pixel(x, y)` gives (r, g, b) in 0..255."""
    tables = [scaled_table(LUMA_Q, quality), scaled_table(CHROMA_Q, quality)]
    dc_codes = canonical_codes(DC_BITS, DC_VALUES)
    ac_codes = canonical_codes(AC_BITS, AC_VALUES)
    assert len(ac_codes) == 162 and set(ac_codes) == {0, 0xF0} | {r << 4 | s for r in range(16) for s in range(1, 11)}

    planes = [[0.0] * (width * height) for _ in range(3)]
    for y in range(height):
        for x in range(width):
            r, g, b = pixel(x, y)
            i = y * width + x
            planes[0][i] = 0.299 * r + 0.587 * g + 0.114 * b
            planes[1][i] = -0.168736 * r - 0.331264 * g + 0.5 * b + 128
            planes[2][i] = 0.5 * r - 0.418688 * g - 0.081312 * b + 128

    writer = BitWriter()
    previous_dc = [0, 0, 0]
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            for c in range(3):
                block = []
                for y in range(8):
                    sy = min(by + y, height - 1)
                    for x in range(8):
                        block.append(planes[c][sy * width + min(bx + x, width - 1)] - 128)
                coefficients = forward_dct(block)
                table = tables[0 if c == 0 else 1]
                quantized = [int(round(coefficients[ZIGZAG[k]] / table[k])) for k in range(64)]
                size, bits = magnitude(quantized[0] - previous_dc[c])
                previous_dc[c] = quantized[0]
                writer.put(*dc_codes[size])
                writer.put(bits, size)
                run = 0
                for k in range(1, 64):
                    if quantized[k] == 0:
                        run += 1
                        continue
                    while run > 15:
                        writer.put(*ac_codes[0xF0])
                        run -= 16
                    size, bits = magnitude(quantized[k])
                    writer.put(*ac_codes[run << 4 | size])
                    writer.put(bits, size)
                    run = 0
                if run:
                    writer.put(*ac_codes[0x00])
    writer.flush()

    def segment(marker, payload):
        return struct.pack(">HH", marker, len(payload) + 2) + payload

    out = bytearray(b"\xFF\xD8")
    out += segment(0xFFE0, b"JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00")
    for i, table in enumerate(tables):
        out += segment(0xFFDB, bytes([i]) + bytes(table))
    out += segment(0xFFC0, struct.pack(">BHHB", 8, height, width, 3) + bytes([1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1]))
    out += segment(0xFFC4, bytes([0x00]) + bytes(DC_BITS) + bytes(DC_VALUES))
    out += segment(0xFFC4, bytes([0x10]) + bytes(AC_BITS) + bytes(AC_VALUES))
    out += segment(0xFFDA, bytes([3, 1, 0x00, 2, 0x00, 3, 0x00, 0, 63, 0]))
    out += writer.out
    out += b"\xFF\xD9"
    path.write_bytes(bytes(out))


# ---- GIF: 89a, global palette, LZW, optional animation ------------------------------------

def lzw_encode(indices, min_size):
    clear, end = 1 << min_size, (1 << min_size) + 1
    out = bytearray()
    acc = count = 0

    def emit(code, size):
        nonlocal acc, count
        acc |= code << count
        count += size
        while count >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            count -= 8

    def fresh():
        return {(i,): i for i in range(clear)}, min_size + 1, end + 1

    table, size, next_code = fresh()
    emit(clear, size)
    word = (indices[0],)
    for k in indices[1:]:
        longer = word + (k,)
        if longer in table:
            word = longer
            continue
        emit(table[word], size)
        if next_code < 4096:
            table[longer] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear, size)
            table, size, next_code = fresh()
        word = (k,)
    emit(table[word], size)
    emit(end, size)
    if count:
        out.append(acc & 0xFF)
    return bytes(out)


def write_gif(path, width, height, palette, frames, transparent=None, delay=0):
    """`palette`: up to 256 (r, g, b); `frames`: lists of palette indices, row by row."""
    bits = max(1, (len(palette) - 1).bit_length())
    palette = list(palette) + [(0, 0, 0)] * ((1 << bits) - len(palette))
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height, 0x80 | (bits - 1) << 4 | (bits - 1), 0, 0)
    for r, g, b in palette:
        out += bytes([r, g, b])
    if len(frames) > 1:
        out += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"
    for frame in frames:
        flags = (2 << 2) | (1 if transparent is not None else 0)
        out += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, flags, delay, transparent or 0, 0)
        out += struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
        min_size = max(2, bits)
        data = lzw_encode(frame, min_size)
        out.append(min_size)
        for i in range(0, len(data), 255):
            chunk = data[i:i + 255]
            out.append(len(chunk))
            out += chunk
        out.append(0)
    out.append(0x3B)
    path.write_bytes(bytes(out))


# ---- BMP: 24 bits, bottom-up -------------------------------------------------------------

def write_bmp(path, width, height, pixel):
    stride = (width * 3 + 3) & ~3
    rows = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes([b, g, r])
        rows += row + b"\x00" * (stride - len(row))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 3780, 3780, 0, 0)
    path.write_bytes(header + info + bytes(rows))


# ---- drawing helpers ---------------------------------------------------------------------

def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def smooth(edge0, edge1, x):
    t = max(0.0, min(1.0, (x - edge0) / (edge1 - edge0)))
    return t * t * (3 - 2 * t)


def book_shape(x, y, cx, cy, w, h):
    """Coverage (0..1) of an open book's two pages, seen from the front, centred at (cx, cy)."""
    u, v = (x - cx) / (w / 2), (y - cy) / (h / 2)
    if abs(u) > 1:
        return 0.0
    # pages rise towards the outer edges and dip at the spine
    top = -0.75 + 0.25 * (1 - abs(u)) ** 2 - 0.1 * abs(u)
    bottom = 0.85 - 0.15 * (1 - abs(u)) ** 2
    inside = smooth(top - 0.04, top + 0.04, v) * (1 - smooth(bottom - 0.04, bottom + 0.04, v))
    return inside * (1 - smooth(0.96, 1.0, abs(u)))


def book_lines(x, y, cx, cy, w, h):
    """The spine and a few text lines on the pages: 0..1."""
    u, v = (x - cx) / (w / 2), (y - cy) / (h / 2)
    spine = 1 - smooth(0.0, 0.025, abs(u))
    lines = 0.0
    if 0.18 < abs(u) < 0.85:
        for row in range(6):
            lv = -0.35 + row * 0.19 + 0.2 * (1 - abs(u)) ** 2 * 0.3
            lines = max(lines, 1 - smooth(0.0, 0.03, abs(v - lv)))
    return max(spine, lines * 0.7)


# ---- the pictures ------------------------------------------------------------------------

def author_background(x, y):
    w, h = 448, 300
    cream, sky = (252, 246, 228), (222, 234, 246)
    colour = mix(cream, sky, y / h)
    # a low sun in the upper right with soft rays
    sx, sy = 400, 70
    d = math.hypot(x - sx, y - sy)
    glow = math.exp(-d / 90.0) * 0.55
    colour = mix(colour, (255, 226, 160), glow)
    angle = math.atan2(y - sy, x - sx)
    ray = (0.5 + 0.5 * math.cos(angle * 14)) ** 6 * smooth(30, 60, d) * (1 - smooth(60, 260, d))
    colour = mix(colour, (255, 236, 190), ray * 0.35)
    colour = mix(colour, (255, 214, 120), 1 - smooth(22, 26, d))
    # a faint open book in the lower right
    cover = book_shape(x, y, 340, 205, 150, 90)
    if cover:
        colour = mix(colour, (250, 246, 236), cover * 0.7)
        colour = mix(colour, (214, 200, 176), book_lines(x, y, 340, 205, 150, 90) * cover * 0.45)
        edge = cover * (1 - cover) * 4
        colour = mix(colour, (196, 180, 150), edge * 0.35)
    return colour


def landscape(x, y):
    """The JPEG of the help: hills at dawn with a path, 160 x 100."""
    w, h = 160, 100
    sky = mix((250, 214, 170), (150, 190, 232), 1 - y / 60)
    d = math.hypot(x - 118, y - 52)
    colour = mix(sky, (255, 240, 200), 1 - smooth(8, 12, d))
    far = 58 + 8 * math.sin(x / 23.0) + 4 * math.sin(x / 9.0 + 1)
    near = 72 + 10 * math.sin(x / 31.0 + 2)
    if y > far:
        colour = mix((120, 150, 120), (96, 130, 96), (y - far) / 30)
    if y > near:
        colour = mix((92, 140, 70), (60, 110, 50), (y - near) / 28)
        path_center = 80 + (100 - y) * 0.9
        half = (y - near) * 0.35
        if abs(x - path_center) < half:
            colour = mix(colour, (200, 176, 130), 0.8)
    return colour


def calendar_page(x, y):
    """The BMP of the help: a torn-off calendar page, 48 x 48."""
    white, red, ink, edge = (255, 255, 255), (200, 40, 40), (40, 40, 60), (150, 150, 160)
    if not (4 <= x < 44 and 3 <= y < 45):
        return (255, 255, 255)
    if x in (4, 43) or y in (3, 44):
        return edge
    if y < 14:
        return red if not (y in (7, 8) and x in (12, 13, 34, 35)) else white
    # a large "7" and a line of small marks below it
    if 17 <= y <= 19 and 15 <= x <= 32:
        return ink
    if 19 < y <= 36 and 0 <= (32 - x) - (y - 19) * 0.6 < 3.5:
        return ink
    if y == 40 and 10 <= x <= 38 and x % 4 != 0:
        return edge
    return white


def candle_frames():
    """The GIF of the help: a candle with a flickering flame, 24 x 32, two frames."""
    palette = [(255, 255, 255), (250, 244, 226), (226, 214, 180), (255, 200, 40), (255, 120, 20), (120, 80, 40)]
    w, h = 24, 32
    frames = []
    for lean in (-1, 1):
        pixels = []
        for y in range(h):
            for x in range(w):
                index = 0
                if 8 <= x < 16 and 14 <= y < 31:
                    index = 2 if x == 15 or y == 30 else 1
                elif 4 <= x < 20 and y == 31:
                    index = 2
                elif y in (12, 13) and x == 12:
                    index = 5
                else:
                    fx = 12 + lean * (11 - y) * 0.25
                    dx, dy = x + 0.5 - fx, (y - 7.5) / 1.9
                    r = math.hypot(dx, dy)
                    if r < 2.0:
                        index = 3
                    elif r < 3.2:
                        index = 4
                pixels.append(index)
        frames.append(pixels)
    return w, h, palette, frames


# ---- the documents -----------------------------------------------------------------------

def convert_document(name):
    text = (SOURCES / (pathlib.Path(name).stem + ".html")).read_text(encoding="utf-8")
    (DATA / name).write_bytes(text.replace("\n", "\r\n").encode("cp1250"))


def main():
    DATA.mkdir(exist_ok=True)
    write_jpeg(DATA / "Autor.jpg", 448, 300, author_background)
    write_jpeg(DATA / "krajina.jpg", 160, 100, landscape)
    write_bmp(DATA / "kalendar.bmp", 48, 48, calendar_page)
    w, h, palette, frames = candle_frames()
    write_gif(DATA / "svice.gif", w, h, palette, frames, transparent=0, delay=40)
    for name in ("Info.prg", "OProgramu.prg"):
        convert_document(name)


if __name__ == "__main__":
    main()
