#!/usr/bin/env python3
"""Writes Data/VPen.dat, Data/HPen.dat and Data/Gundata.dat.

One row per calibre from 2 to 18 inches. The figures per calibre are round
numbers taken from public reference works on the guns of 1905-1918 (see
Data/README.md); the thirty penetration figures per row are drawn from them
with two simple curves:

  belt (VPen): P0 * exp(-r / L), L = 10 + 1.5 * calibre thousand yards
  deck (HPen): 0.3 * calibre * (r / R) ** 1.5, where R is the gun's maximum
               range up to 12 inches, and 22,000 yards * sqrt(calibre / 12)
               above: the bigger guns' mountings elevate further, but a
               heavier shell falls more steeply at the same range, so their
               deck curves must not flatten out with the mounting's reach

both in tenths of an inch for ranges of 1,000 to 30,000 yards, and 0 beyond
the gun's maximum range.

Run from the repository root: python3 tools/make_gun_tables.py
"""
import math
import os

# calibre: (label, typical gun, reference range kyd, rounds/min per gun,
#           maximum range kyd, belt penetration at 1,000 yd in inches)
GUNS = {
    2: ("2in", "6-pounder QF / 57 mm", 2, 15.0, 7, 2.0),
    3: ("3in", "12-pounder QF / 76 mm", 3, 12.0, 9, 3.0),
    4: ("4in", "BL 4-inch Mk VII / 10.5 cm SK L/45", 4, 8.0, 12, 4.5),
    5: ("5in", "5-inch/51 / 12 cm L/50", 5, 7.0, 15, 5.5),
    6: ("6in", "BL 6-inch Mk XII / 15 cm SK L/45", 6, 5.5, 15, 7.0),
    7: ("7in", "7.5-inch Mk II / 19 cm", 7, 4.0, 16, 8.0),
    8: ("8in", "8-inch/45 / 21 cm SK L/45", 7, 3.0, 18, 9.5),
    9: ("9in", "BL 9.2-inch Mk X / 24 cm", 8, 2.5, 18, 10.5),
    10: ("10in", "10-inch/45 / 25.4 cm", 8, 2.0, 19, 11.5),
    11: ("11in", "28 cm SK L/50", 9, 2.0, 21, 12.5),
    12: ("12in", "BL 12-inch Mk X / 30.5 cm SK L/50", 10, 1.5, 22, 14.0),
    13: ("13in", "BL 13.5-inch Mk V", 11, 1.5, 24, 15.0),
    14: ("14in", "14-inch/45 / 35.6 cm", 11, 1.4, 27, 16.0),
    15: ("15in", "BL 15-inch Mk I / 38 cm SK L/45", 12, 1.3, 33, 17.5),
    16: ("16in", "16-inch/45 (design)", 12, 1.2, 34, 18.5),
    17: ("17in", "17-inch (design)", 12, 1.1, 35, 19.5),
    18: ("18in", "BL 18-inch Mk I", 13, 1.0, 36, 21.0),
}


def vpen(calibre, max_range, p0):
    scale = 10 + 1.5 * calibre
    out = []
    for r in range(1, 31):
        out.append(0 if r > max_range else round(10 * p0 * math.exp(-(r - 1) / scale)))
    return out


def hpen(calibre, max_range):
    reference = max_range if calibre <= 12 else 22 * math.sqrt(calibre / 12)
    out = []
    for r in range(1, 31):
        out.append(0 if r > max_range else round(10 * 0.3 * calibre * (r / reference) ** 1.5))
    return out


def write(path, header, rows):
    with open(path, "w", newline="") as f:
        f.write("\t".join(header) + "\r\n")
        for row in rows:
            f.write("\t".join(str(v) for v in row) + "\r\n")


def main():
    data = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "Data")
    ranges = ["%dkyd" % r for r in range(1, 31)]
    v_rows, h_rows, g_rows = [], [], []
    for c in range(2, 19):
        label, gun, ref, rof, max_range, p0 = GUNS[c]
        v_rows.append([label, gun, ref] + vpen(c, max_range, p0))
        h_rows.append([label, gun, ref] + hpen(c, max_range))
        g_rows.append([label, gun, round(rof * 10), max_range])
    write(os.path.join(data, "VPen.dat"),
          ["Calibre", "Gun", "RefRange(kyd)"] + ["Belt " + r + " (0.1in)" for r in ranges], v_rows)
    write(os.path.join(data, "HPen.dat"),
          ["Calibre", "Gun", "RefRange(kyd)"] + ["Deck " + r + " (0.1in)" for r in ranges], h_rows)
    write(os.path.join(data, "Gundata.dat"),
          ["Calibre", "Gun", "RoundsPerMinute(0.1)", "MaxRange(kyd)"], g_rows)


if __name__ == "__main__":
    main()
