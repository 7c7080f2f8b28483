#!/usr/bin/env python3
# Writes the two plan-view sample designs used by the reference-image test
# and the README pictures: a battleship with twin secondaries, round funnels
# and three deck houses, and a light cruiser with oval funnels.
# Run from this folder: python3 make_plan_samples.py
import math

UNITS_PER_YARD = 44.40789479527355
UNITS_PER_DEGREE = 5400000


def point(x, y):
    """Outline point (map angle, distance) of a spot x yards to starboard and
    y yards ahead of the centre."""
    compass = math.degrees(math.atan2(x, y)) % 360
    angle = round((360 - compass) * UNITS_PER_DEGREE) % (360 * UNITS_PER_DEGREE)
    return angle, round(math.hypot(x, y) * UNITS_PER_YARD)


def outline(port):
    """Port-side corners (x < 0) completed the way the plan editor does."""
    pts = list(port) + [port[-1]] * (11 - len(port))
    full = pts[:11] + [None] * 10
    for j in range(10, -1, -1):
        x, y = pts[j]
        full[20 - j] = (-x, y)
    return [point(x, y) for x, y in full]


def design(data, armor, guns, turrets, funnels, houses):
    lines = ["[Data]"] + data + ["[Armor]"] + armor + ["[Guns]"] + guns
    lines += ["[Torpedoes]", "Calibre=18", "Designation=1"]
    for i, (n, pos) in enumerate(turrets):
        lines += [f"[Turret{i}]", f"Guns={n}", f"Pos={pos}"]
    lines.append("[Funnels]")
    funnels = list(funnels) + [(0, False)] * (4 - len(funnels))
    lines += [f"Funnel{i + 1}Pos={funnels[i][0]}" for i in range(4)]
    lines += [f"Funnel{i + 1}Oval={int(funnels[i][1])}" for i in range(4)]
    for k in range(4):
        lines.append(f"[Superstructure{k}]")
        pts = outline(houses[k][0]) if k < len(houses) else [(0, 0)] * 21
        for j, (a, d) in enumerate(pts):
            lines += [f"Point{j}Angle={a}", f"Point{j}Distance={d}"]
        lines.append(f"IsLine={int(houses[k][1]) if k < len(houses) else 0}")
    return "\r\n".join(lines) + "\r\n"


bb = design(
    ["Displacement=18100", "Range=2", "Freeboard=0", "BeltCoverage=0", "Speed=21", "ShipType=BB",
     "Nation=0", "Accomodation=0", "Fire control=1", "Torpedo defense=1", "Obsolete date=6978", "Fuel type=0"],
    ["B=22", "BE=8", "D=5", "DE=2", "CT=22", "T=22", "TT=6", "SEC=4", "PC=0"],
    ["Main=12", "Secondary=6", "Tertiary=3", "SecNo=12", "TerNo=0", "TerTF=0", "SecTF=2", "CDF=0", "ShowSec=1"],
    [(2, "A"), (2, "Y"), (2, "B"), (2, "X")],
    [(-45, False), (-5, False)],
    [([(-6, 102), (-14, 95), (-14, 62)], False),
     ([(-8, 40), (-12, 30), (-12, -30), (-8, -36)], False),
     ([(-10, -55), (-10, -85)], False),
     ([(-3, -40), (-3, -52)], True)])

cl = design(
    ["Displacement=4800", "Range=2", "Freeboard=0", "BeltCoverage=0", "Speed=26", "ShipType=CL",
     "Nation=3", "Accomodation=0", "Fire control=1", "Torpedo defense=0", "Obsolete date=7300", "Fuel type=0"],
    ["B=6", "BE=2", "D=2", "DE=1", "CT=6", "T=0", "TT=0", "SEC=0", "PC=0"],
    ["Main=6", "Secondary=3", "Tertiary=2", "SecNo=0", "TerNo=0", "TerTF=0", "SecTF=0", "CDF=0", "ShowSec=0"],
    [(1, "A"), (1, "H"), (1, "I"), (1, "Y"), (1, "B"), (1, "X")],
    [(-35, True), (-10, True), (15, True)],
    [([(-5, 80), (-9, 72), (-9, 48)], False),
     ([(-7, 30), (-7, -45)], False)])

for name, text in (("Plan Sample BB.sdf", bb), ("Plan Sample CL.sdf", cl)):
    with open(name, "w", newline="") as f:
        f.write(text)
