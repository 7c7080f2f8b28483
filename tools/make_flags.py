#!/usr/bin/env python3
"""Draws the eleven simplified naval ensigns of Flags/ as 120 x 80 PNG files.

Each flag is a function from a pixel position to a colour; the PNG is written
with zlib alone. The shapes are simplified on purpose (no eagles or coats of
arms in detail) so they stay recognisable at the size the status card shows.

Run from the repository root: python3 tools/make_flags.py
"""
import math
import os
import struct
import zlib

W, H = 120, 80

WHITE = (255, 255, 255)
RED = (200, 16, 46)
BLUE = (1, 33, 105)
BLACK = (0, 0, 0)
GREEN = (0, 140, 69)
FR_BLUE = (0, 85, 164)
GR_BLUE = (13, 94, 175)
US_RED = (178, 34, 52)
US_BLUE = (60, 59, 110)
RU_BLUE = (0, 57, 166)
TR_RED = (227, 10, 23)
GOLD = (230, 180, 30)


def near(v, centre, half):
    return abs(v - centre) <= half


def on_diagonal(x, y, x0, y0, w, h, half):
    """Within half pixels of either diagonal of the box (x0, y0, w, h)."""
    u = (x - x0) / w
    v = (y - y0) / h
    d1 = abs(u - v) * min(w, h)
    d2 = abs(u + v - 1) * min(w, h)
    return d1 <= half or d2 <= half


def union_jack(x, y, w, h):
    if near(x, w / 2, 3) or near(y, h / 2, 3):
        return RED
    if near(x, w / 2, 6) or near(y, h / 2, 6):
        return WHITE
    if on_diagonal(x, y, 0, 0, w, h, 1.5):
        return RED
    if on_diagonal(x, y, 0, 0, w, h, 4):
        return WHITE
    return BLUE


def great_britain(x, y):
    # White Ensign: St George's cross with the Union in the canton.
    if x < 60 and y < 40:
        return union_jack(x, y, 60, 40)
    if near(x, 60, 5) or near(y, 40, 5):
        return RED
    return WHITE


def germany(x, y):
    # Imperial naval ensign: black cross on white, black-white-red canton,
    # a plain disc standing for the eagle.
    if x < 36 and y < 26:
        return BLACK if y < 9 else (WHITE if y < 17 else RED)
    if (x - 48) ** 2 + (y - 40) ** 2 <= 64:
        return BLACK if (x - 48) ** 2 + (y - 40) ** 2 >= 30 else WHITE
    if near(x, 48, 5) or near(y, 40, 5):
        return BLACK
    return WHITE


def france(x, y):
    return FR_BLUE if x < 40 else (WHITE if x < 80 else RED)


def italy(x, y):
    # Tricolour with the Savoy shield: white cross on red, blue border.
    if 50 <= x < 70 and 28 <= y < 52:
        if x < 52 or x >= 68 or y < 30 or y >= 50:
            return FR_BLUE
        if near(x, 59.5, 2) or near(y, 39.5, 2):
            return WHITE
        return RED
    return GREEN if x < 40 else (WHITE if x < 80 else RED)


def austria_hungary(x, y):
    # Red-white-red with a small shield on the white band.
    if 26 <= x < 42 and 30 <= y < 50:
        return WHITE if near(y, 40, 3) else RED
    return RED if (y < 27 or y >= 53) else WHITE


def russia(x, y):
    # St Andrew's ensign: blue saltire on white.
    return RU_BLUE if on_diagonal(x, y, 0, 0, W, H, 6) else WHITE


def united_states(x, y):
    if x < 52 and y < 43:
        # 48 stars as six rows of eight dots.
        cx = (x + 0.5) % 6.5
        cy = (y + 0.5) % 7.17
        return WHITE if (cx - 3.25) ** 2 + (cy - 3.6) ** 2 <= 2.3 else US_BLUE
    stripe = int(y * 13 / H)
    return US_RED if stripe % 2 == 0 else WHITE


def japan(x, y):
    # Rising Sun ensign: red disc left of centre and sixteen rays.
    cx, cy = 50, 40
    dx, dy = x + 0.5 - cx, y + 0.5 - cy
    if dx * dx + dy * dy <= 18 * 18:
        return RED
    angle = (math.degrees(math.atan2(dy, dx)) + 360) % 360
    return RED if int((angle + 5.625) / 11.25) % 2 == 0 else WHITE


def ottoman(x, y):
    # White crescent and star on red.
    dx, dy = x - 48, y - 40
    in_outer = dx * dx + dy * dy <= 20 * 20
    in_inner = (x - 54) ** 2 + dy * dy <= 16 * 16
    if in_outer and not in_inner:
        return WHITE
    # five-pointed star as a polar outline
    sx, sy = x + 0.5 - 76, y + 0.5 - 40
    r = math.hypot(sx, sy)
    a = math.atan2(sy, sx)
    edge = 4 + 4 * (0.5 + 0.5 * math.cos(5 * a))
    return WHITE if r <= edge else TR_RED


def greece(x, y):
    if x < 44 and y < 44:
        return WHITE if (near(x, 21.5, 4) or near(y, 21.5, 4)) else GR_BLUE
    stripe = int(y * 9 / H)
    return GR_BLUE if stripe % 2 == 0 else WHITE


def generic(x, y):
    # A plain blue flag with a white band: no navy in particular.
    return WHITE if 30 <= y < 50 else BLUE


FLAGS = {
    "GreatBritain.png": great_britain,
    "Germany.png": germany,
    "France.png": france,
    "Italy.png": italy,
    "AustriaHungary.png": austria_hungary,
    "Russia.png": russia,
    "UnitedStates.png": united_states,
    "Japan.png": japan,
    "OttomanEmpire.png": ottoman,
    "Greece.png": greece,
    "Generic.png": generic,
}


def png(pixel):
    raw = bytearray()
    for y in range(H):
        raw.append(0)  # filter: none
        for x in range(W):
            raw.extend(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", W, H, 8, 2, 0, 0, 0)  # 8-bit RGB
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "Flags")
    os.makedirs(out, exist_ok=True)
    for name, pixel in FLAGS.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(png(pixel))


if __name__ == "__main__":
    main()
