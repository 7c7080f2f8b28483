#!/usr/bin/env python3
"""Writes Data/Nations.dat: one block per year 1914-1918, keys in the order
the loader reads them, so every lookup takes the reader's fast path.

Scales (small whole numbers, 0 = average):
  FlashFires      0 safe cordite handling .. 2 magazines prone to flash
  Accuracy        gunnery, in tens of percent of hit chance
  DamageControl   0 .. 2, subdivision, pumping and counter-flooding
  APShellQuality  -2 poor (shatters at oblique impact) .. +2 good
  DudRate         percent of hits that fail to burst properly
  NightFighting   in tens of percent of hit chance at night
  SmokeFloats     1 when the navy had chemical smoke floats in service

Run from the repository root: python3 tools/make_nations.py
"""
import os

YEARS = range(1914, 1919)

# number: (Name, Name2, flag file)
NATIONS = [
    ("Great Britain", "British", "GreatBritain.png"),
    ("Germany", "German", "Germany.png"),
    ("France", "French", "France.png"),
    ("Italy", "Italian", "Italy.png"),
    ("Austria-Hungary", "Austro-Hungarian", "AustriaHungary.png"),
    ("Russia", "Russian", "Russia.png"),
    ("United States", "American", "UnitedStates.png"),
    ("Japan", "Japanese", "Japan.png"),
    ("Ottoman Empire", "Ottoman", "OttomanEmpire.png"),
    ("Greece", "Greek", "Greece.png"),
    ("Generic", "Generic", "Generic.png"),
]


def traits(nation, year):
    """FlashFires, Accuracy, DamageControl, APShellQuality, DudRate,
    NightFighting, SmokeFloats of a nation in a year."""
    if nation == 0:  # Great Britain: flash and shell lessons of 1916 applied later
        flash = 2 if year <= 1916 else 1
        ap = -1 if year <= 1917 else 1  # improved AP shell from 1918
        dud = 20 if year <= 1916 else (12 if year == 1917 else 5)
        night = -1 if year <= 1916 else 0
        return flash, 0, 1, ap, dud, night, 1 if year >= 1917 else 0
    if nation == 1:  # Germany: Seydlitz's near loss at Dogger Bank led to safer handling
        flash = 1 if year == 1914 else 0
        return flash, 1, 2, 1, 5, 1, 1 if year >= 1916 else 0
    if nation == 2:  # France
        return 1, -1, 1, -1, 15, 0, 0
    if nation == 3:  # Italy
        return 1, -1, 1, 0, 15, 0, 0
    if nation == 4:  # Austria-Hungary
        return 1, 0, 1, 0, 10, 0, 0
    if nation == 5:  # Russia: gunnery improving through the war in the Baltic
        acc = -1 if year <= 1915 else 0
        return 1, acc, 1, 0, 15, 0, 0
    if nation == 6:  # United States
        return 1, 0, 1, 0, 10, 0, 1 if year >= 1918 else 0
    if nation == 7:  # Japan: night torpedo and gunnery training
        return 1, 1, 1, 0, 10, 1, 0
    if nation == 8:  # Ottoman Empire
        return 1, -2, 0, -1, 20, -1, 0
    if nation == 9:  # Greece
        return 1, -1, 0, 0, 15, 0, 0
    return 0, 0, 0, 0, 0, 0, 0  # Generic


def main():
    lines = []
    for year in YEARS:
        lines.append("[%d]" % year)
        for i, (name, name2, flag) in enumerate(NATIONS):
            flash, acc, dc, ap, dud, night, smoke = traits(i, year)
            p = "Nation%d" % i
            lines += [
                p + "Name=" + name,
                p + "Name2=" + name2,
                p + "FlagFileName=" + flag,
                p + "FlashFires=%d" % flash,
                p + "Accuracy=%d" % acc,
                p + "DamageControl=%d" % dc,
                p + "APShellQuality=%d" % ap,
                p + "DudRate=%d" % dud,
                p + "NightFighting=%d" % night,
                p + "SmokeFloats=%d" % smoke,
            ]
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "Data", "Nations.dat")
    with open(path, "w", newline="") as f:
        f.write("\r\n".join(lines) + "\r\n")


if __name__ == "__main__":
    main()
