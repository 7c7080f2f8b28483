#!/usr/bin/env python3
"""Writes Data/SpeedHPTable.dat: horsepower in thousands for 3,000 to 52,000 t
and 16 to 35 knots, before the design rule's displacement-band factor.

The table holds the EFFECTIVE horsepower of the design rules, i.e. whatever
makes the rules' machinery weight (50 t per 1,000 hp) come out right for the
period's ships, not the power their builders installed.

- Rows of 12,000 t and up are the installed-power figures of an
  Admiralty-coefficient law (see Data/README.md), kept as they are: after the
  band factor they give Dreadnought, Invincible, Iron Duke, Queen Elizabeth
  and Derfflinger within a few percent of their installed power, and the
  rules then balance those designs at their displacement.
- Installed power would make a 1,000 t destroyer at 34 kn carry some 1,400 t
  of machinery, since the rules weigh every ship's plant at the same 50 t per
  1,000 hp and multiply small ships' power by up to 2. So the 3,000 t row
  (which ships below 3,000 t also use, scaled by D / 3,000) follows
      T3(V) = 2 x (V / 16) ** 2.35   thousand hp,
  about 11 at 33 kn, which lets an 810 t destroyer of 1915 carry her guns,
  tubes and mines at 33 kn.
- Rows of 4,000 to 11,000 t join the two with a cubic Hermite curve in
  displacement for each speed: starting at T3 with a slope of T3 / 3 per
  1,000 t (power in proportion to displacement, so no step at 3,999/4,000 t
  beyond what the rule itself makes) and ending on the 12,000 t row with the
  slope of the kept rows there (smoothed over speed), so the big-ship rows continue without a kink.
  The end slopes stay below three times the mean slope, which keeps every
  column rising.

Every row and every column rises (or stays level); the script checks it.

Run from the repository root: python3 tools/make_speed_power.py
"""
import math
import os

KNOTS = list(range(16, 36))
FIRST_KEPT = 12   # thousand tons; this row and every one above it is kept

# Installed-power rows, thousand hp before the band factor, 16..35 knots.
KEPT_ROWS = {
    12: [8, 10, 12, 15, 17, 21, 24, 29, 34, 40, 48, 57, 67, 79, 92, 107, 125, 145, 168, 196],
    13: [9, 11, 13, 16, 19, 23, 27, 31, 37, 44, 52, 61, 73, 86, 100, 116, 135, 156, 181, 210],
    14: [10, 12, 15, 18, 21, 25, 29, 34, 40, 47, 56, 66, 78, 92, 108, 125, 145, 167, 194, 225],
    15: [11, 13, 16, 19, 23, 27, 32, 37, 43, 51, 60, 71, 84, 99, 116, 134, 155, 179, 207, 240],
    16: [12, 15, 18, 21, 25, 29, 34, 40, 47, 55, 64, 76, 90, 106, 124, 144, 166, 192, 221, 255],
    17: [13, 16, 19, 23, 27, 31, 37, 43, 51, 59, 69, 81, 96, 113, 133, 154, 178, 205, 236, 272],
    18: [14, 17, 20, 24, 28, 33, 39, 45, 53, 62, 72, 85, 99, 117, 137, 160, 184, 212, 244, 281],
    19: [14, 17, 21, 25, 29, 34, 40, 47, 55, 64, 74, 87, 103, 120, 141, 166, 191, 219, 252, 289],
    20: [15, 18, 22, 26, 30, 36, 42, 49, 57, 67, 77, 90, 106, 124, 145, 170, 197, 226, 259, 298],
    21: [16, 19, 23, 27, 32, 37, 44, 51, 60, 69, 80, 93, 109, 128, 150, 175, 203, 233, 267, 306],
    22: [16, 20, 24, 28, 33, 39, 45, 53, 62, 72, 83, 96, 113, 132, 154, 180, 209, 240, 274, 314],
    23: [17, 20, 25, 29, 34, 40, 47, 55, 64, 74, 86, 99, 116, 135, 158, 184, 215, 246, 282, 322],
    24: [18, 21, 25, 30, 36, 41, 48, 57, 66, 77, 88, 102, 119, 139, 162, 189, 220, 253, 289, 331],
    25: [18, 22, 26, 31, 37, 43, 50, 59, 68, 79, 91, 105, 122, 143, 166, 193, 225, 259, 296, 339],
    26: [19, 23, 27, 32, 38, 44, 52, 60, 70, 81, 94, 108, 125, 146, 170, 198, 230, 266, 304, 347],
    27: [19, 23, 28, 33, 39, 46, 53, 62, 72, 84, 97, 111, 128, 150, 174, 202, 235, 272, 311, 355],
    28: [20, 24, 29, 34, 40, 47, 55, 64, 74, 86, 99, 114, 132, 153, 178, 207, 240, 278, 318, 362],
    29: [21, 25, 30, 35, 42, 49, 56, 66, 76, 88, 102, 117, 135, 157, 182, 211, 245, 284, 325, 370],
    30: [21, 26, 31, 36, 43, 50, 58, 67, 78, 91, 105, 120, 138, 160, 186, 215, 250, 289, 332, 378],
    31: [22, 26, 32, 37, 44, 51, 60, 69, 80, 93, 107, 123, 141, 163, 190, 220, 254, 295, 339, 386],
    32: [22, 27, 32, 38, 45, 53, 61, 71, 82, 95, 110, 126, 144, 167, 193, 224, 259, 300, 346, 393],
    33: [23, 28, 33, 39, 46, 54, 63, 73, 84, 98, 112, 129, 147, 170, 197, 228, 264, 305, 353, 401],
    34: [24, 29, 34, 40, 48, 55, 64, 74, 86, 100, 115, 132, 151, 174, 201, 232, 269, 310, 359, 408],
    35: [24, 29, 35, 41, 49, 57, 66, 76, 88, 102, 118, 135, 154, 177, 205, 237, 273, 316, 364, 416],
    36: [25, 30, 36, 42, 50, 58, 67, 78, 90, 104, 120, 138, 157, 180, 208, 241, 278, 321, 370, 423],
    37: [25, 31, 37, 43, 51, 60, 69, 80, 92, 107, 123, 141, 161, 183, 212, 245, 283, 326, 376, 431],
    38: [26, 31, 37, 44, 52, 61, 71, 81, 94, 109, 125, 144, 164, 187, 216, 249, 287, 331, 381, 438],
    39: [26, 32, 38, 45, 53, 62, 72, 83, 96, 111, 128, 146, 167, 190, 219, 253, 292, 336, 387, 445],
    40: [27, 33, 39, 46, 55, 64, 74, 85, 98, 113, 130, 149, 170, 194, 223, 257, 296, 341, 393, 452],
    41: [28, 33, 40, 47, 56, 65, 75, 87, 100, 115, 133, 152, 174, 198, 227, 261, 301, 346, 398, 458],
    42: [28, 34, 41, 48, 57, 66, 77, 88, 102, 118, 135, 155, 177, 201, 230, 265, 305, 351, 404, 464],
    43: [29, 35, 42, 49, 58, 68, 78, 90, 104, 120, 138, 158, 180, 205, 234, 269, 310, 356, 409, 470],
    44: [29, 35, 42, 50, 59, 69, 80, 92, 106, 122, 140, 161, 183, 208, 237, 273, 314, 361, 415, 476],
    45: [30, 36, 43, 51, 60, 70, 81, 94, 108, 124, 143, 163, 186, 212, 241, 277, 319, 366, 420, 483],
    46: [30, 37, 44, 52, 61, 72, 83, 95, 109, 126, 145, 166, 190, 215, 245, 281, 323, 371, 426, 489],
    47: [31, 37, 45, 53, 62, 73, 84, 97, 111, 128, 148, 169, 193, 219, 248, 285, 328, 376, 431, 495],
    48: [32, 38, 46, 54, 64, 74, 86, 99, 113, 131, 150, 172, 196, 223, 252, 289, 332, 381, 437, 501],
    49: [32, 39, 46, 55, 65, 75, 87, 101, 115, 133, 152, 174, 199, 226, 256, 293, 336, 386, 442, 506],
    50: [33, 39, 47, 56, 66, 77, 89, 102, 117, 135, 155, 177, 202, 229, 260, 297, 341, 391, 447, 512],
    51: [33, 40, 48, 57, 67, 78, 90, 104, 119, 137, 157, 180, 205, 233, 264, 301, 345, 395, 453, 518],
    52: [34, 41, 49, 58, 68, 79, 92, 106, 121, 139, 160, 183, 208, 236, 268, 305, 349, 400, 458, 524],
}

EXPONENT = 2.35


def small_row(knots):
    return 2.0 * (knots / 16.0) ** EXPONENT


def kept_slope(knots):
    """Relative rise per 1,000 t of the kept rows at their lower end, as a
    straight line in speed fitted over 12,000 to 16,000 t (the whole-number
    rows are too coarse to take the slope of each column on its own)."""
    lo, hi = KEPT_ROWS[FIRST_KEPT], KEPT_ROWS[FIRST_KEPT + 4]
    ys = [(h - l) / 4 / l for l, h in zip(lo, hi)]
    n = len(KNOTS)
    mx, my = sum(KNOTS) / n, sum(ys) / n
    b = sum((x - mx) * (y - my) for x, y in zip(KNOTS, ys)) / sum((x - mx) ** 2 for x in KNOTS)
    return my + b * (knots - mx)


def hermite(t, p0, m0, p1, m1):
    t2, t3 = t * t, t * t * t
    return ((2 * t3 - 3 * t2 + 1) * p0 + (t3 - 2 * t2 + t) * m0
            + (-2 * t3 + 3 * t2) * p1 + (t3 - t2) * m1)


def build():
    table = {k: list(v) for k, v in KEPT_ROWS.items()}
    span = FIRST_KEPT - 3
    for k in range(3, FIRST_KEPT):
        table[k] = []
    for col, v in enumerate(KNOTS):
        p0 = small_row(v)
        m0 = p0 / 3 * span
        p1 = KEPT_ROWS[FIRST_KEPT][col]
        m1 = kept_slope(v) * p1 * span
        assert m0 <= 3 * (p1 - p0) and m1 <= 3 * (p1 - p0), v
        for k in range(3, FIRST_KEPT):
            t = (k - 3) / span
            table[k].append(max(1, round(hermite(t, p0, m0, p1, m1))))
    return table


def check(table):
    rows = [table[k] for k in range(3, 53)]
    for r, row in enumerate(rows):
        for c in range(len(KNOTS)):
            assert row[c] > 0
            if c:
                assert row[c] >= row[c - 1], (3 + r, KNOTS[c])
            if r:
                assert row[c] >= rows[r - 1][c], (3 + r, KNOTS[c])


# The design rule's band factor (the 1,301..1,400 t band takes 1.45).
BANDS = [(800, 2), (900, 1.9), (1000, 1.8), (1100, 1.7), (1200, 1.6), (1300, 1.5),
         (1400, 1.45), (1600, 1.4), (1800, 1.3), (2000, 1.2), (4000, 1.1),
         (6000, 1.05), (8000, 1), (10000, 0.9), (15000, 0.8), (52000, 0.7)]


def horsepower(table, tons, knots):
    k = 3 if tons < 3000 else tons // 1000
    h = table[k][knots - 16] * 1000
    if tons < 3000:
        h = round(h * tons / 3000)
    elif tons % 1000:
        h = h + round(h / k * (tons % 1000) / 1000)
    factor = next(f for top, f in BANDS if tons <= top)
    return round(h * factor)


# (design, displacement, speed, installed shp) for the check table.
CHECKS = [
    ("V25", 810, 33, 23500),
    ("Admiralty M", 1025, 34, 25000),
    ("Koenigsberg", 3400, 24, 13200),
    ("Arethusa", 3500, 29, 40000),
    ("Scharnhorst", 11600, 22, 28000),
    ("Minotaur", 14600, 23, 27000),
    ("Invincible", 17250, 25, 41000),
    ("Dreadnought", 18110, 21, 23000),
    ("Iron Duke", 25000, 21, 29000),
    ("Derfflinger", 26180, 26, 63000),
    ("Kongo", 26300, 27, 64000),
    ("Queen Elizabeth", 27500, 24, 56000),
]


def main():
    table = build()
    check(table)
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    with open(os.path.join(root, "Data", "SpeedHPTable.dat"), "w", newline="") as f:
        f.write("\t".join(["Displacement (t)"] + [f"{v} kn" for v in KNOTS]) + "\r\n")
        for k in range(3, 53):
            f.write("\t".join([str(k * 1000)] + [str(x) for x in table[k]]) + "\r\n")
    for name, tons, knots, shp in CHECKS:
        hp = horsepower(table, tons, knots)
        print(f"{name:16} {tons:6} t {knots:3} kn {hp:8} hp (installed {shp}), machinery {round(hp * 50 / 1000)} t")


if __name__ == "__main__":
    main()
