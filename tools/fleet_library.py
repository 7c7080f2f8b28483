#!/usr/bin/env python3
"""The library of historical designs in Designs/: one entry per class, with
its figures, its funnels and superstructure, its year and its sources.

    python3 tools/fleet_library.py designs   writes Designs/*.sdf (CR LF, key
                                             order and turret order exactly as
                                             the design form saves them)
    python3 tools/fleet_library.py historical DIR
                                             writes the designs at their
                                             historical figures, without the
                                             gives (for the calibration table)
    python3 tools/fleet_library.py list      prints the classes, one a line

The table in Designs/README.md and the calibration table in
docs/design-rules.md are written by tools/fleet_tables.py from the files this
script writes (and from sdftool's weights), so they never drift from them.

Conventions for the figures (the README repeats them):
- Displacement is the normal (design, "load") displacement in long tons; for
  merchant ships taken up in war (armed merchant cruisers, transports,
  seaplane carriers) the figure the references give, which for liners is
  often the gross register tonnage.
- Speed is the design speed in whole knots, a half knot going down.
- Calibres are whole inches, nearest inch, a half inch going down
  (13.5 in -> 13, 240 mm -> 9, 190 mm -> 7, 138.6 mm -> 5); guns below
  2.5 in are entered as 2 in.
- Armour is the greatest thickness of each area to the nearest half inch:
  B main belt, BE belt at the ends, D armoured deck over machinery and
  magazines, DE deck at the ends, CT conning tower, T turret face (gun
  shields count), TT turret roof, SEC secondary battery (casemate or
  turret face).
- Fire control is what the class had in 1914-16 (or on completion, when
  later): 0 local, 1 rangefinders, 2 central firing (transmitting stations,
  plotting), 3 director, 4 improved director.
- Obsolete date: the day the class left front-line service (lost, paid off,
  disarmed, ceded or stricken), first of the month when only the month is
  known.

Plan geometry. Funnels and superstructure are given in "plan yards": yards
on the plan view of a ship of size figure 20 (a battleship of 20,000 to
25,000 t, whose hull runs 230 yards from the centre to the bow), forward
positive, to port positive. They are scaled by the ship's own size figure,
as the plan view scales its turrets. An outline is its port side, forward to
aft (at most ten points); the plan editor mirrors it to starboard, and so
does this script.
"""
import datetime
import math
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

NATIONS = {"GB": 0, "DE": 1, "FR": 2, "IT": 3, "AH": 4, "RU": 5, "US": 6, "JP": 7, "OT": 8, "GR": 9}

# Sources, cited by key in each entry; Designs/README.md spells them out.
SOURCES = {
    "C21": "Conway's All the World's Fighting Ships 1906-1921 (1985)",
    "C05": "Conway's All the World's Fighting Ships 1860-1905 (1979)",
    "J14": "Jane's Fighting Ships 1914",
    "J19": "Jane's Fighting Ships 1919",
    "FBB": "N. Friedman, The British Battleship 1906-1946 (2015)",
    "FBC": "N. Friedman, British Cruisers: Two World Wars and After (2010)",
    "FBD": "N. Friedman, British Destroyers: From Earliest Days to the Second World War (2009)",
    "FUB": "N. Friedman, U.S. Battleships: An Illustrated Design History (1985)",
    "FUC": "N. Friedman, U.S. Cruisers: An Illustrated Design History (1984)",
    "FUD": "N. Friedman, U.S. Destroyers: An Illustrated Design History (1982)",
    "GR": "E. Groener, German Warships 1815-1945, vol. 1 (1990)",
    "SB": "A. Preston (ed.), Jane's Fighting Ships of World War I (1990 reprint)",
    "JJM": "H. Jentschura, D. Jung, P. Mickel, Warships of the Imperial Japanese Navy 1869-1945 (1977)",
    "MCL": "S. McLaughlin, Russian & Soviet Battleships (2003)",
    "JC": "J. Jordan, P. Caresse, French Battleships of World War One (2017)",
    "LG": "B. Langensiepen, A. Gueleryuez, The Ottoman Steam Navy 1828-1923 (1995)",
    "SI": "E. Sieche, in Conway's 1906-1921, Austria-Hungary",
    "DK": "D. K. Brown, The Grand Fleet: Warship Design and Development 1906-1922 (1999)",
    "OS": "Lloyd's Register of Shipping 1914 (tonnage and speed of the liners)",
}

TYPES = ["BB", "BC", "B", "CA", "CL", "AMC", "DD", "MS", "TR", "AV", "LT"]

CLASSES = []


def C(name, nation, stype, year, disp, speed, **kw):
    """One class. Keyword arguments (defaults in brackets):
    rng range class [by type], fb freeboard 0/1 [0], narrow belt [0],
    accom cramped [0], fc fire control [0], tps torpedo defence [0],
    mines [0], obs obsolete date "YYYY-MM-DD", fuel "coal"/"oil" [coal],
    arm "B11 BE6 D2.5 DE1 CT11 T11 TT3 SEC6" (inches), pc protected cruiser,
    main (calibre, "A2 Y2"), sec (calibre, number, guns per mount),
    ter (calibre, number), torp (calibre, type digit, "F1 G1"),
    funnels [(plan yards, oval)], ss [outline, ...],
    enemy, mis, src "C21 J14",
    give {keyword: value used instead} where the rules cannot hold the
    historical figure ("arm:T": 11 for an 11-inch turret face), with
    gave "why, in words"; plan "remark on the plan view"."""
    kw.update(name=name, nation=nation, type=stype, year=year, disp=disp, speed=speed)
    CLASSES.append(kw)


# --- plan helpers (plan yards, forward and port positive) -----------------

def box(fore, aft, half):
    """A rectangular deckhouse."""
    return [(fore, half), (aft, half)]


def bridge(fore, aft, half, wing=None):
    """A bridge: a house with a chart house on it and bridge wings across
    the front reaching to `wing` (default: the house's own half-width x 1.6)."""
    wing = wing if wing is not None else half * 1.6
    return [(fore, half * 0.55), (fore - 1.5, half * 0.8), (fore - 2, wing), (fore - 5, wing), (fore - 5, half),
            (aft, half)]


def tapered(fore, aft, half_fore, half_aft):
    """A house narrower at one end, like an after superstructure."""
    return [(fore, half_fore), (aft, half_aft)]


def F(*positions, oval=False):
    """Funnels at plan positions forward of the centre (positive forward)."""
    return [(p, oval) for p in positions]


# --- geometry of the plan view --------------------------------------------

def size_units(stype, disp):
    base = {"BB": 20, "BC": 20, "B": 16, "CA": 15, "CL": 13, "AMC": 15, "DD": 10, "MS": 6, "TR": 15, "AV": 15,
            "LT": 15}[stype]
    d = disp
    if stype in ("BB", "BC"):
        if 1 <= d <= 16999: base -= 2
        elif 19000 <= d <= 20000: base -= 1
        elif 25000 <= d <= 29999: base += 1
        elif d >= 30000: base += 2
    elif stype == "B":
        if d < 14000: base -= 2
    elif stype == "CA":
        if d < 10000: base -= 1
        elif d > 14000: base += 1
    elif stype == "CL":
        if d > 4500: base += 1
        elif d < 3000: base -= 1
    elif stype in ("AMC", "TR", "AV"):
        if d < 4000: base -= 1
        elif d > 5500: base += 1
    elif stype == "DD":
        if d > 1400: base += 2
        elif d >= 1001: base += 1
        elif d < 500: base -= 1
    elif stype == "MS":
        if d < 400: base -= 1
    return base


UNITS_PER_YARD = 44.40789479527355
UNITS_PER_DEGREE = 5400000


def outline_point(y, x):
    """Stored angle and distance of a point y yards ahead of the centre and
    x yards to port (x < 0 to starboard)."""
    bearing = math.degrees(math.atan2(-x, y)) % 360.0
    angle = round((360.0 - bearing) * UNITS_PER_DEGREE) % (360 * UNITS_PER_DEGREE)
    return angle, round(math.hypot(x, y) * UNITS_PER_YARD)


def complete_outline(port, scale):
    """The 21 points of an outline from its port points, as the plan editor
    completes it: the last point repeated up to point 10, then the mirror
    image from point 10 back to point 0 as points 10 to 20."""
    pts = [(y * scale, x * scale) for (y, x) in port][:10]
    n = len(pts)
    pts += [pts[-1]] * (11 - n)
    out = [outline_point(y, x) for (y, x) in pts[:11]]
    out += [None] * 10
    for j in range(10, -1, -1):
        y, x = pts[j]
        out[20 - j] = outline_point(y, -x)
    return out


# --- the design file --------------------------------------------------------

HALF = ["B", "BE", "D", "DE", "CT", "T", "TT", "SEC"]


def armour_steps(text):
    steps = {k: 0 for k in HALF}
    for item in (text or "").split():
        key = item.rstrip("0123456789.")
        steps[key] = int(round(float(item[len(key):]) * 2))
    return steps


def mounts(text):
    return [(int(item[1:]), item[0]) for item in (text or "").split()]


def save_order(turrets):
    """The design form's save step: turrets at B or X go behind the others,
    in two walks over the list (A B X Y becomes A Y X B)."""
    lst = list(turrets)
    for _ in range(2):
        count = len(lst)
        i = 0
        while i < count and i < len(lst):
            if lst[i][1] in "BX":
                lst.append(lst.pop(i))
            i += 1
    return lst


def days(date):
    y, m, d = (int(v) for v in date.split("-"))
    return (datetime.date(y, m, d) - datetime.date(1899, 12, 30)).days


def picture_name(name):
    return name.replace(" ", "")


def default_range(stype):
    return {"BB": 1, "BC": 2, "B": 1, "CA": 2, "CL": 2, "AMC": 3, "DD": 0, "MS": 1, "TR": 3, "AV": 1, "LT": 0}[stype]


def as_built(c):
    """The entry with its gives applied: the figures the design file holds.
    A give maps a keyword of C() to the value used instead of the historical
    one; "arm:X" replaces the thickness of armour area X."""
    built = dict(c)
    for k, v in c.get("give", {}).items():
        if k.startswith("arm:"):
            area = k[4:]
            items = [i for i in (built.get("arm") or "").split() if i.rstrip("0123456789.") != area]
            built["arm"] = " ".join(items + (["%s%g" % (area, v)] if v else []))
        else:
            built[k] = v
    return built


def design_lines(c):
    # The armour steps end at 16 inches; thicker historical armour is a give.
    a = {k: min(32, v) for k, v in armour_steps(c.get("arm")).items()}
    main_cal, main_turrets = c.get("main", (3, ""))
    sec = c.get("sec", (2, 0, 0))
    ter = c.get("ter", (2, 0))
    torp = c.get("torp")
    u = size_units(c["type"], c["disp"])
    scale = u / 20.0
    lines = ["[Data]"]

    def key(k, v):
        lines.append("%s=%s" % (k, v))

    key("Displacement", c["disp"])
    key("Range", c.get("rng", default_range(c["type"])))
    key("Freeboard", c.get("fb", 0))
    key("BeltCoverage", c.get("narrow", 0))
    key("Speed", c["speed"])
    key("ShipType", c["type"])
    key("EnemyClassName", c.get("enemy", c["name"]))
    key("MisidentifiedClassName", c.get("mis", c["name"]))
    key("PictureName", c.get("pic", picture_name(c["name"])))
    key("Nation", NATIONS[c["nation"]])
    key("Accomodation", c.get("accom", 0))
    key("Fire control", c.get("fc", 0))
    key("Torpedo defense", c.get("tps", 0))
    key("Mine capacity", c.get("mines", 0))
    key("Obsolete date", days(c["obs"]))
    key("Fuel type", 1 if c.get("fuel") == "oil" else 0)
    lines.append("[Armor]")
    for k in ["B", "BE", "D", "DE", "CT", "T", "TT", "SEC"]:
        key(k, a[k])
    key("PC", 1 if c.get("pc") else 0)
    lines.append("[Guns]")
    key("Main", main_cal)
    key("Secondary", sec[0])
    key("Tertiary", ter[0])
    key("MQ", c.get("mq", 0))
    key("SQ", c.get("sq", 0))
    key("TQ", c.get("tq", 0))
    key("SecNo", sec[1])
    key("TerNo", ter[1])
    key("TerTF", 0)
    key("SecTF", sec[2])
    key("CDF", 1 if c.get("cdf") else 0)
    lines.append("[Torpedoes]")
    key("Calibre", torp[0] if torp else 18)
    key("Designation", str(torp[1]) if torp else "")
    for i, (guns, pos) in enumerate(save_order(mounts(main_turrets))):
        lines.append("[Turret%d]" % i)
        key("Guns", guns)
        key("Pos", pos)
    for i, (tubes, pos) in enumerate(mounts(torp[2]) if torp else []):
        lines.append("[TorpedoMount%d]" % i)
        key("Tubes", tubes)
        key("Pos", pos)
    funnels = list(c.get("funnels", []))[:4]
    funnels += [(0, False)] * (4 - len(funnels))
    lines.append("[Funnels]")
    for i, (pos, _) in enumerate(funnels):
        key("Funnel%dPos" % (i + 1), -round(pos * scale) if pos else 0)
    for i, (_, oval) in enumerate(funnels):
        key("Funnel%dOval" % (i + 1), 1 if oval else 0)
    outlines = list(c.get("ss", []))[:4]
    for k in range(4):
        lines.append("[Superstructure%d]" % k)
        pts = complete_outline(outlines[k], scale) if k < len(outlines) else [(0, 0)] * 21
        for j, (ang, dist) in enumerate(pts):
            key("Point%dAngle" % j, ang)
            key("Point%dDistance" % j, dist)
        key("IsLine", 0)
    return lines


def library():
    """The classes in Designs/ (without those tried and left out)."""
    return [c for c in CLASSES if not c.get("left_out")]


def write_designs(target, historical=False):
    names = set()
    for c in (CLASSES if historical else library()):
        assert c["name"] not in names, c["name"]
        names.add(c["name"])
        path = os.path.join(target, c["name"] + ".sdf")
        with open(path, "wb") as f:
            lines = design_lines(c if historical else as_built(c))
            f.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))


# ENTRIES
# --- Great Britain ----------------------------------------------------------

C("Dreadnought", "GB", "BB", 1906, 18100, 21, rng=2, fc=1, tps=1, obs="1919-02-07",
  arm="B11 BE4 D2.5 DE1 CT11 T11 TT3", main=(12, "A2 D2 E2 W2 Y2"), ter=(3, 27), torp=(18, 1, "Y1 F2 G2"),
  funnels=F(92, 45), ss=[bridge(118, 104, 8), box(82, 22, 9), box(-30, -62, 8)],
  give={"ter": (3, 24)}, gave="the design form takes at most 24 secondary or tertiary guns",
  enemy="Dreadnought", mis="Bellerophon", src="C21 FBB J14")
C("Invincible", "GB", "BC", 1908, 17250, 25, rng=2, fc=1, obs="1916-05-31",
  arm="B6 BE4 D2.5 DE1.5 CT10 T7 TT3", main=(12, "A2 H2 I2 Y2"), cdf=1, sec=(4, 16, 0), torp=(18, 1, "F2 G2 Y1"),
  funnels=F(100, 58, -45), ss=[bridge(118, 104, 8), box(92, 45, 8), box(-30, -100, 9)],
  enemy="Invincible", mis="Indomitable", src="C21 FBB J14")
C("Lion", "GB", "BC", 1912, 26270, 28, rng=2, fc=3, tps=1, obs="1922-03-30",
  arm="B9 BE4 D1 DE2.5 CT10 T9 TT3", main=(13, "A2 B2 Q2 Y2"), sec=(4, 16, 0), torp=(21, 2, "F1 G1"),
  funnels=F(82, 40, -40, oval=True), ss=[bridge(97, 85, 9), box(88, 20, 10), box(-25, -115, 9)],
  enemy="Lion", mis="Princess Royal", src="C21 FBB J14 DK")
C("Iron Duke", "GB", "BB", 1914, 25000, 21, rng=2, fc=3, tps=1, obs="1932-03-01",
  arm="B12 BE4 D2.5 DE1 CT11 T11 TT3", main=(13, "A2 B2 Q2 X2 Y2"), sec=(6, 12, 0), torp=(21, 2, "F1 G1 L1 M1"),
  funnels=F(70, 35), ss=[bridge(97, 84, 10), box(86, 18, 11), box(-22, -96, 9)],
  enemy="Iron Duke", mis="King George V", src="C21 FBB J14")
C("Queen Elizabeth", "GB", "BB", 1915, 27500, 24, rng=2, fc=3, tps=2, fuel="oil", obs="1948-07-01",
  arm="B13 BE6 D1 DE3 CT11 T13 TT4.5 SEC6", main=(15, "A2 B2 X2 Y2"), sec=(6, 14, 0), torp=(21, 2, "F1 G1 L1 M1"),
  funnels=F(55, 25), ss=[bridge(97, 82, 10), box(82, 5, 12), box(-20, -95, 10)],
  give={"arm:B": 11},
  gave="722 t over with her 13-inch belt; 11 inches fit",
  enemy="Queen Elizabeth", mis="Royal Sovereign", src="C21 FBB J19")
C("King Edward VII", "GB", "B", 1905, 15600, 18, rng=1, fc=1, tps=1, obs="1916-01-06",
  arm="B9 BE3 D2 DE1 CT12 T12 TT2 SEC7", main=(12, "A2 Y2"), sec=(9, 4, 1), ter=(6, 10), torp=(18, 1, "F2 G2"),
  funnels=F(45, 5), ss=[bridge(100, 85, 10), box(70, -20, 12), box(-40, -90, 9)],
  enemy="King Edward VII", mis="Duncan", src="C05 FBB J14")
C("Minotaur", "GB", "CA", 1908, 14600, 23, rng=2, fc=1, tps=1, obs="1920-04-12",
  arm="B6 BE3 D2 DE1.5 CT10 T8 TT2 SEC6", main=(9, "A2 Y2"), sec=(8, 10, 1), ter=(3, 16), torp=(18, 1, "F2 G2 Y1"),
  funnels=F(70, 38, 6, -26), ss=[bridge(105, 90, 9), box(88, -40, 10), box(-55, -95, 8)],
  enemy="Minotaur", mis="Warrior", src="C21 FBC J14")
C("Arethusa", "GB", "CL", 1914, 3500, 29, rng=1, fc=1, fuel="oil", obs="1923-05-01",
  arm="B3 BE1 D1", main=(6, "A1 Y1"), sec=(4, 6, 0), torp=(21, 2, "H2 I2 J2 K2"),
  funnels=F(40, 5, -30), ss=[bridge(115, 100, 8), box(60, -45, 8), box(-80, -100, 6)],
  enemy="Arethusa", mis="Caroline", src="C21 FBC J14")
C("Caroline", "GB", "CL", 1914, 3750, 28, rng=1, fc=1, fuel="oil", obs="1922-02-01",
  arm="B3 BE1 D1 CT6", main=(6, "X1 Y1"), sec=(4, 8, 0), torp=(21, 2, "H2 I2"),
  funnels=F(55, 22, -10), ss=[bridge(120, 105, 8), box(70, -30, 8), box(-60, -85, 6)],
  enemy="Caroline", mis="Arethusa", src="C21 FBC J14")
C("Chatham", "GB", "CL", 1912, 5400, 25, rng=2, fc=1, obs="1926-05-01",
  arm="B2 BE1 D1 DE1.5 CT4 T1", main=(6, "A1 F1 G1 H1 I1 J1 K1 Y1"), ter=(3, 4), torp=(21, 2, "F1 G1"),
  funnels=F(62, 30, -2, -34), ss=[bridge(120, 106, 8), box(85, -55, 7), box(-75, -100, 6)],
  enemy="Chatham", mis="Birmingham", src="C21 FBC J14")
C("Admiralty M", "GB", "DD", 1915, 1025, 34, fuel="oil", obs="1921-01-01",
  main=(4, "A1 Q1 Y1"), torp=(21, 2, "P2 R2"),
  funnels=F(80, 45, 12), ss=[bridge(130, 108, 10), box(-110, -125, 6)],
  enemy="Admiralty M", mis="Laforey", src="C21 FBD J19")
C("Admiralty V", "GB", "DD", 1917, 1272, 34, fc=1, fuel="oil", obs="1945-05-01",
  main=(4, "A1 B1 X1 Y1"), ter=(3, 1), torp=(21, 2, "P2 R2"),
  funnels=F(62, 15), ss=[bridge(100, 84, 12), box(-95, -110, 6)],
  enemy="Admiralty V", mis="Admiralty W", src="C21 FBD J19")
C("Acacia", "GB", "MS", 1915, 1200, 16, rng=2, obs="1922-01-01",
  main=(3, "A1 Y1"),
  funnels=F(10), ss=[bridge(60, 40, 16), box(40, -30, 14), box(-70, -100, 10)],
  enemy="Acacia", mis="Azalea", src="C21 J19")
C("Carmania", "GB", "AMC", 1905, 19500, 18, rng=3, obs="1916-05-01",
  main=(5, "11 21 31 41"), sec=(5, 4, 0),
  funnels=F(70, 10), ss=[bridge(140, 125, 16), box(125, -110, 20), box(-110, -150, 12)],
  enemy="Carmania", mis="Caronia", src="C21 J14 OS")
C("Royal Edward", "GB", "TR", 1908, 14000, 18, rng=3, obs="1915-08-13",
  funnels=F(80, 30, -20), ss=[bridge(135, 120, 16), box(120, -100, 20), box(-110, -150, 12)],
  enemy="Royal Edward", mis="Royal George", src="J14 OS")
C("Engadine", "GB", "AV", 1914, 2550, 21, rng=1, obs="1919-12-01",
  main=(3, "A1 Y1"),
  funnels=F(95, 75, 55), ss=[bridge(130, 115, 14), box(115, 40, 16), box(30, -150, 22)],
  enemy="Engadine", mis="Riviera", src="C21 J19")
C("Ben-my-Chree", "GB", "AV", 1915, 3888, 24, rng=1, obs="1917-01-11",
  main=(3, "A1 Y1"), ter=(3, 2),
  funnels=F(60, 25), ss=[bridge(130, 115, 14), box(115, -10, 16), box(-20, -150, 22)],
  enemy="Ben-my-Chree", mis="Vindex", src="C21 J19")
C("Aberdare", "GB", "MS", 1918, 800, 16, rng=1, obs="1947-01-01",
  main=(4, "A1"), ter=(3, 1),
  funnels=F(15), ss=[bridge(70, 45, 14), box(45, -50, 12)],
  enemy="Aberdare", mis="Hunt", src="C21 J19")

# --- Germany -----------------------------------------------------------------

C("Deutschland", "DE", "B", 1906, 13200, 18, rng=1, fc=1, tps=1, obs="1916-06-01",
  arm="B9.5 BE4 D1.5 DE1 CT12 T11 TT2.5 SEC6", main=(11, "A2 Y2"), sec=(7, 14, 0), ter=(3, 20),
  torp=(18, 3, "A1 F2 G2 Y1"),
  funnels=F(40, 12, -16), ss=[bridge(100, 84, 11), box(70, -40, 13), box(-50, -90, 10)],
  enemy="Deutschland", mis="Braunschweig", src="C05 GR J14")
C("Nassau", "DE", "BB", 1909, 18570, 19, rng=1, fc=1, tps=2, obs="1919-11-05",
  arm="B12 BE4 D2 DE2 CT16 T11 TT3.5 SEC6.5", main=(11, "A2 D2 E2 S2 T2 Y2"), sec=(6, 12, 0), ter=(3, 16),
  torp=(18, 3, "A1 F1 G1 L1 M1 Y1"),
  funnels=F(50, -25), ss=[bridge(112, 100, 9), box(75, -60, 10), box(-80, -110, 8)],
  give={"arm:B": 11.5},
  gave="53 t over with her 11.8-inch (300 mm) belt; 11.5 inches fit",
  enemy="Nassau", mis="Westfalen", src="C21 GR J14")
C("Koenig", "DE", "BB", 1914, 25796, 21, rng=1, fc=2, tps=2, obs="1919-06-21",
  arm="B14 BE3 D2 DE1 CT14 T12 TT4 SEC7", main=(12, "A2 B2 Q2 X2 Y2"), sec=(6, 14, 0), ter=(3, 6),
  torp=(20, 4, "A1 F1 G1 L1 M1"),
  funnels=F(65, 30), ss=[bridge(97, 84, 10), box(86, 18, 11), box(-25, -96, 9)],
  enemy="Koenig", mis="Kaiser", src="C21 GR J19")
C("Von der Tann", "DE", "BC", 1910, 19370, 24, rng=1, fc=1, tps=2, obs="1919-06-21",
  arm="B10 BE4 D2 DE1 CT10 T9 TT3.5 SEC6", main=(11, "A2 H2 I2 Y2"), cdf=1, sec=(6, 10, 0), ter=(3, 16),
  torp=(18, 3, "A1 F1 G1 Y1"),
  funnels=F(55, -30), ss=[bridge(118, 104, 9), box(95, 25, 10), box(-40, -105, 9)],
  enemy="Von der Tann", mis="Moltke", src="C21 GR J14")
C("Derfflinger", "DE", "BC", 1914, 26600, 26, rng=2, fc=2, tps=2, obs="1919-06-21",
  arm="B12 BE4 D2 DE2 CT12 T11 TT4 SEC6", main=(12, "A2 B2 X2 Y2"), sec=(6, 12, 0), ter=(3, 4),
  torp=(20, 4, "A1 F1 G1 Y1"),
  funnels=F(50, 0), ss=[bridge(97, 84, 10), box(86, -25, 11), box(-45, -100, 9)],
  enemy="Derfflinger", mis="Seydlitz", src="C21 GR J19")
C("Scharnhorst", "DE", "CA", 1907, 11600, 22, rng=2, fc=1, tps=1, obs="1914-12-08",
  arm="B6 BE3 D1.5 DE1 CT8 T7 TT2 SEC5", main=(8, "A2 Y2 F0 G0 J0 K0"), sec=(6, 6, 0), ter=(3, 18),
  torp=(18, 3, "A1 F1 G1 Y1"),
  funnels=F(70, 40, 10, -20), ss=[bridge(110, 95, 9), box(88, -40, 11), box(-60, -100, 8)],
  enemy="Scharnhorst", mis="Roon", src="C05 GR J14")
C("Bluecher", "DE", "CA", 1909, 15842, 24, rng=2, fc=1, tps=1, obs="1915-01-24",
  arm="B7 BE3 D2 DE1 CT10 T7 TT3 SEC5.5", main=(8, "A2 D2 E2 S2 T2 Y2"), sec=(6, 8, 0), ter=(3, 16),
  torp=(18, 3, "A1 F1 G1 Y1"),
  funnels=F(50, -25), ss=[bridge(112, 100, 9), box(75, -60, 10), box(-80, -110, 8)],
  enemy="Bluecher", mis="Von der Tann", src="C21 GR J14")
C("Koenigsberg", "DE", "CL", 1907, 3400, 24, rng=2, fc=1, pc=1, obs="1915-07-11",
  arm="D1 DE0.5 CT4 T1", main=(4, "A1 11 21 F1 G1 J1 K1 31 41 Y1"), torp=(18, 3, "F1 G1"),
  funnels=F(50, 15, -20), ss=[bridge(120, 106, 8), box(80, -50, 7), box(-70, -95, 6)],
  enemy="Koenigsberg", mis="Dresden", src="C05 GR J14")
C("Magdeburg", "DE", "CL", 1912, 4570, 27, rng=2, fc=1, mines=120, obs="1914-08-26",
  arm="B2.5 BE1 D1.5 DE0.5 CT4 T2", main=(4, "A1 11 21 F1 G1 H1 I1 J1 K1 31 41 Y1"), torp=(20, 4, "F1 G1"),
  funnels=F(62, 30, -2, -34), ss=[bridge(120, 106, 8), box(85, -55, 7), box(-75, -100, 6)],
  enemy="Magdeburg", mis="Breslau", src="C21 GR J14")
C("V25", "DE", "DD", 1914, 810, 33, fuel="oil", mines=24, obs="1915-02-13",
  main=(3, "A1 Q1 Y1"), torp=(20, 4, "B1 Q2 R2 V1"),
  funnels=F(80, 50, 22), ss=[bridge(130, 110, 9), box(-110, -125, 5)],
  enemy="V25", mis="S31", src="C21 GR")
C("M1915", "DE", "MS", 1916, 480, 16, mines=30, obs="1921-01-01",
  main=(4, "A1 Q1 Y1"),
  funnels=F(20), ss=[bridge(80, 55, 14), box(50, -60, 12)],
  enemy="M1915", mis="M1916", src="C21 GR")
C("Cap Trafalgar", "DE", "AMC", 1914, 18710, 17, rng=3, obs="1914-09-14",
  main=(4, "11 21"), ter=(2, 6),
  funnels=F(60, 5), ss=[bridge(140, 125, 16), box(125, -110, 20), box(-110, -150, 12)],
  enemy="Cap Trafalgar", mis="Carmania", src="C21 OS")

# --- United States -----------------------------------------------------------

C("South Carolina", "US", "BB", 1910, 16000, 18, rng=2, fc=1, tps=1, obs="1921-12-15",
  arm="B11 D2.5 DE1.5 CT12 T12 TT2.5", main=(12, "A2 B2 X2 Y2"), ter=(3, 22), torp=(21, 2, "F1 G1"),
  funnels=F(40, 5), ss=[bridge(98, 84, 10), box(84, -20, 11), box(-30, -80, 9)],
  enemy="South Carolina", mis="Delaware", src="C21 FUB J14")
C("New York", "US", "BB", 1914, 27000, 21, rng=2, fc=2, tps=1, obs="1946-08-29",
  arm="B12 D2 CT12 T14 TT4 SEC6.5", main=(14, "A2 B2 Q2 X2 Y2"), sec=(5, 21, 0), torp=(21, 8, "F1 G1 L1 M1"),
  funnels=F(50), ss=[bridge(97, 84, 10), box(86, 18, 12), box(-20, -95, 9)],
  enemy="New York", mis="Texas", src="C21 FUB J19")
C("Nevada", "US", "BB", 1916, 27500, 20, rng=2, fc=3, tps=2, fuel="oil", obs="1946-08-29",
  arm="B13.5 D3 DE1.5 CT16 T18 TT5", main=(14, "A3 B2 X2 Y3"), sec=(5, 21, 0), torp=(21, 8, "F1 G1"),
  funnels=F(30), ss=[bridge(100, 85, 10), box(85, -35, 12), box(-55, -90, 9)],
  give={"arm:T": 13},
  gave="turret faces of 18 inches are beyond the 16-inch armour steps, and 920 t over even at 16; 13 inches fit",
  enemy="Nevada", mis="Pennsylvania", src="C21 FUB J19")
C("Pennsylvania", "US", "BB", 1916, 31400, 21, rng=2, fc=3, tps=2, fuel="oil", obs="1946-08-29",
  arm="B13.5 D3 DE2 CT16 T18 TT5", main=(14, "A3 B3 X3 Y3"), sec=(5, 22, 0), torp=(21, 8, "F1 G1"),
  funnels=F(30), ss=[bridge(100, 85, 10), box(85, -35, 12), box(-55, -90, 9)],
  give={"arm:T": 11.5},
  gave="turret faces of 18 inches are beyond the 16-inch armour steps, and 1,528 t over even at 16; 11.5 inches fit",
  enemy="Pennsylvania", mis="Nevada", src="C21 FUB J19")
C("Connecticut", "US", "B", 1906, 16000, 18, rng=2, fc=1, obs="1923-11-01",
  arm="B11 BE4 D2.5 DE1.5 CT9 T12 TT2 SEC6", main=(12, "A2 Y2"), sec=(8, 8, 2), ter=(7, 12),
  torp=(21, 2, "F1 G1 L1 M1"),
  funnels=F(50, 20, -10), ss=[bridge(100, 85, 10), box(70, -30, 12), box(-45, -90, 9)],
  enemy="Connecticut", mis="Vermont", src="C05 FUB J14")
C("Tennessee", "US", "CA", 1906, 14500, 22, rng=2, fc=1, obs="1916-08-29",
  arm="B5 BE3 D2 DE1 CT9 T9 TT2.5 SEC5", main=(10, "A2 Y2"), sec=(6, 16, 0), ter=(3, 22),
  torp=(21, 2, "F1 G1 L1 M1"),
  funnels=F(70, 38, 6, -26), ss=[bridge(105, 90, 9), box(88, -40, 10), box(-55, -95, 8)],
  enemy="Tennessee", mis="Washington", src="C05 FUC J14")
C("Chester", "US", "CL", 1908, 3750, 24, rng=2, fc=1, obs="1921-06-10",
  arm="B2 D1 CT1", main=(5, "A1 Y1"), ter=(3, 6), torp=(21, 2, "F1 G1"),
  funnels=F(45, 10, -25), ss=[bridge(110, 95, 8), box(75, -50, 8), box(-70, -95, 6)],
  enemy="Chester", mis="Salem", src="C21 FUC J14")
C("Wickes", "US", "DD", 1918, 1154, 35, rng=1, fuel="oil", obs="1945-12-01",
  main=(4, "A1 H1 I1 Y1"), ter=(3, 1), torp=(21, 8, "H3 I3 J3 K3"),
  funnels=F(70, 40, 10, -20), ss=[bridge(120, 100, 10), box(-95, -110, 6)],
  give={"torp": (21, 8, "H3 I3 J3"), "speed": 34},
  gave="73 t over with twelve 21-inch tubes at 35 kn (the rules weigh a tube at its calibre in tons); nine tubes at 34 kn fit",
  enemy="Wickes", mis="Caldwell", src="C21 FUD J19")

# --- France ------------------------------------------------------------------

C("Courbet", "FR", "BB", 1913, 23475, 20, rng=1, fc=1, tps=1, obs="1944-06-09",
  arm="B10.5 BE7 D1.5 DE1.5 CT12 T11.5 TT4 SEC7", main=(12, "A2 B2 H2 I2 X2 Y2"), sec=(5, 22, 0), ter=(2, 4),
  torp=(18, 6, "F1 G1 L1 M1"),
  funnels=F(62, -42), ss=[bridge(97, 84, 10), box(86, 40, 10), box(-20, -95, 9)],
  enemy="Courbet", mis="Bretagne", src="C21 JC J14")
C("Bretagne", "FR", "BB", 1916, 23230, 20, rng=1, fc=1, tps=1, obs="1940-07-03",
  arm="B10.5 BE7 D1.5 DE1.5 CT12.5 T16 TT3 SEC7", main=(13, "A2 B2 Q2 X2 Y2"), sec=(5, 22, 0), ter=(2, 7),
  torp=(18, 6, "F1 G1 L1 M1"),
  funnels=F(65, 32), ss=[bridge(97, 84, 10), box(86, 18, 11), box(-22, -96, 9)],
  give={"arm:T": 13.5},
  gave="709 t over with her 400 mm (15.7-inch) turret faces; 13.5 inches fit",
  enemy="Bretagne", mis="Courbet", src="C21 JC J19")
C("Danton", "FR", "B", 1911, 18318, 19, rng=1, fc=1, tps=1, obs="1917-03-19",
  arm="B10 BE4.5 D2 DE1.5 CT12 T12 TT3 SEC8.5", main=(12, "A2 Y2"), sec=(9, 12, 2), ter=(3, 16),
  torp=(18, 6, "F1 G1"),
  funnels=F(75, 52, -15, -38), ss=[bridge(110, 96, 10), box(90, 30, 11), box(20, -60, 11), box(-75, -100, 8)],
  enemy="Danton", mis="Patrie", src="C21 JC J14", plan="four of her five funnels (the plan view holds four)")
C("Leon Gambetta", "FR", "CA", 1905, 12416, 22, rng=2, fc=1, obs="1915-04-27",
  arm="B6 BE3 D2.5 DE1.5 CT8 T8 TT2 SEC5.5", main=(8, "A2 Y2"), sec=(6, 16, 2), ter=(2, 22),
  torp=(18, 6, "F1 G1 H1 I1"),
  funnels=F(72, 50, -28, -50), ss=[bridge(112, 98, 9), box(90, -70, 10), box(-85, -105, 7)],
  enemy="Leon Gambetta", mis="Jules Michelet", src="C05 J14")
C("Jurien de la Graviere", "FR", "CL", 1903, 5595, 22, rng=2, fc=1, pc=1, obs="1922-01-01",
  arm="D2.5 DE1 CT4 T2", main=(6, "A1 F1 G1 H1 I1 J1 K1 Y1"), ter=(2, 10), torp=(18, 6, "F1 G1"),
  funnels=F(45, 10, -25), ss=[bridge(120, 106, 8), box(80, -55, 7), box(-75, -100, 6)],
  enemy="Jurien de la Graviere", mis="D'Estrees", src="C05 J14")
C("Bisson", "FR", "DD", 1913, 756, 30, fuel="oil", obs="1933-01-01",
  main=(4, "A1 Y1"), ter=(3, 4), torp=(18, 6, "P2 R2"),
  funnels=F(70, 40, 10), ss=[bridge(130, 110, 10), box(-100, -118, 6)],
  enemy="Bisson", mis="Bouclier", src="C21 J14")
C("Arras", "FR", "MS", 1918, 644, 20, obs="1940-06-01",
  main=(5, "A1 Y1"), ter=(3, 1),
  funnels=F(20, -5), ss=[bridge(80, 55, 14), box(55, -60, 12)],
  enemy="Arras", mis="Amiens", src="C21 J19")

# --- Japan -------------------------------------------------------------------

C("Kongo", "JP", "BC", 1913, 26300, 27, rng=2, fc=2, tps=1, obs="1930-01-01",
  arm="B8 BE3 D2 DE1 CT10 T9 TT3 SEC6", main=(14, "A2 B2 Q2 Y2"), sec=(6, 16, 0), ter=(3, 8),
  torp=(21, 9, "F2 G2 L2 M2"),
  funnels=F(80, 42, -40), ss=[bridge(97, 85, 9), box(88, 20, 10), box(-25, -115, 9)],
  enemy="Kongo", mis="Lion", src="C21 JJM J14")
C("Settsu", "JP", "BB", 1912, 21443, 20, rng=1, fc=1, tps=1, obs="1922-10-01",
  arm="B12 BE5 D1.5 DE1 CT10 T11 TT3 SEC6", main=(12, "A2 D2 E2 S2 T2 Y2"), sec=(6, 10, 0), ter=(5, 8),
  torp=(18, 1, "A1 F1 G1 L1 M1"),
  funnels=F(50, -25), ss=[bridge(112, 100, 9), box(75, -60, 10), box(-80, -110, 8)],
  enemy="Settsu", mis="Kawachi", src="C21 JJM J14")
C("Fuso", "JP", "BB", 1915, 29326, 22, rng=2, fc=2, tps=1, obs="1944-10-25",
  arm="B12 BE4 D1.5 DE1.5 CT14 T12 TT4.5 SEC6", main=(14, "A2 B2 Q2 W2 X2 Y2"), sec=(6, 16, 0), ter=(3, 4),
  torp=(21, 9, "A1 F1 G1 L1 M1 Y1"),
  funnels=F(45, -50), ss=[bridge(97, 84, 10), box(86, 25, 10), box(-20, -80, 9)],
  give={"arm:T": 11},
  gave="369 t over with her 12-inch turret faces; 11 inches fit",
  enemy="Fuso", mis="Yamashiro", src="C21 JJM J19")
C("Satsuma", "JP", "B", 1910, 19372, 18, rng=1, fc=1, tps=1, obs="1922-09-20",
  arm="B9 BE4 D2 DE2 CT6 T9 TT2 SEC7", main=(12, "A2 Y2"), sec=(10, 12, 2), ter=(5, 12),
  torp=(18, 1, "A1 F1 G1 L1 Y1"),
  funnels=F(50, -10), ss=[bridge(100, 85, 10), box(70, -35, 12), box(-50, -90, 9)],
  enemy="Satsuma", mis="Aki", src="C21 JJM J14")
C("Ibuki", "JP", "CA", 1909, 14636, 22, rng=2, fc=1, obs="1923-09-20",
  arm="B7 BE4 D2 DE1.5 CT8 T7 TT2 SEC5", main=(12, "A2 Y2"), sec=(8, 8, 2), ter=(5, 14), torp=(18, 1, "F1 G1 Y1"),
  funnels=F(50, -10), ss=[bridge(105, 90, 9), box(70, -40, 11), box(-55, -95, 8)],
  enemy="Ibuki", mis="Kurama", src="C21 JJM J14")
C("Chikuma", "JP", "CL", 1912, 4950, 26, rng=2, fc=1, obs="1931-04-01",
  arm="B3.5 D2 DE1 CT4 T1", main=(6, "A1 F1 G1 H1 I1 J1 K1 Y1"), ter=(3, 4), torp=(18, 1, "H1 I1 Y1"),
  funnels=F(62, 30, -2, -34), ss=[bridge(120, 106, 8), box(85, -55, 7), box(-75, -100, 6)],
  enemy="Chikuma", mis="Tone", src="C21 JJM J14")
C("Kaba", "JP", "DD", 1915, 665, 30, obs="1932-04-01",
  main=(5, "A1"), ter=(3, 4), torp=(18, 1, "P2 R2"),
  funnels=F(75, 45, 15), ss=[bridge(130, 110, 10), box(-100, -118, 6)],
  enemy="Kaba", mis="Momo", src="C21 JJM J19")
C("Tenryu", "JP", "CL", 1919, 3948, 33, rng=1, fc=1, fuel="oil", mines=48, obs="1942-12-18",
  arm="B2.5 D1", main=(5, "A1 L1 W1 Y1"), ter=(3, 1), torp=(21, 9, "P3 R3"),
  funnels=F(30, 5, -20), ss=[bridge(115, 98, 8), box(75, -50, 7), box(-100, -120, 6)],
  enemy="Tenryu", mis="Tatsuta", src="C21 JJM J19")

# --- Italy -------------------------------------------------------------------

C("Dante Alighieri", "IT", "BB", 1913, 19552, 22, rng=1, fc=1, tps=1, obs="1928-07-01",
  arm="B10 BE4 D1.5 DE1 CT11 T10 TT3 SEC4", main=(12, "A3 L3 W3 Y3"), sec=(5, 20, 2), ter=(3, 13),
  torp=(18, 7, "A1 F1 G1"),
  funnels=F(100, 82, -25), ss=[bridge(118, 106, 8), box(-5, -45, 9), box(-110, -125, 7)],
  enemy="Dante Alighieri", mis="Conte di Cavour", src="C21 J14")
C("Conte di Cavour", "IT", "BB", 1915, 23088, 21, rng=1, fc=1, tps=1, obs="1945-02-27",
  arm="B10 BE5 D1.5 DE1 CT11 T11 TT3 SEC4.5", main=(12, "A3 B2 Q3 X2 Y3"), sec=(5, 18, 0), ter=(3, 14),
  torp=(18, 7, "A1 F1 G1"),
  funnels=F(70, -38), ss=[bridge(97, 84, 10), box(86, 25, 10), box(-22, -96, 9)],
  enemy="Conte di Cavour", mis="Andrea Doria", src="C21 J19")
C("Regina Elena", "IT", "B", 1907, 12550, 22, rng=1, fc=1, obs="1923-02-16",
  arm="B10 BE4 D1.5 DE1 CT10 T8 TT2 SEC6", main=(12, "A1 Y1"), sec=(8, 12, 2), ter=(3, 16), torp=(18, 7, "F1 G1"),
  funnels=F(45, 15, -15), ss=[bridge(100, 85, 10), box(70, -35, 12), box(-50, -90, 9)],
  enemy="Regina Elena", mis="Vittorio Emanuele", src="C05 J14")
C("San Giorgio", "IT", "CA", 1910, 9232, 23, rng=2, fc=1, obs="1941-01-22",
  arm="B8 BE3 D2 DE1 CT10 T8 TT2 SEC6.5", main=(10, "A2 Y2"), sec=(7, 8, 2), ter=(3, 18), torp=(18, 7, "A1 F1 G1"),
  funnels=F(62, 48, -32, -46), ss=[bridge(112, 98, 9), box(90, -65, 10), box(-85, -105, 7)],
  give={"arm:D": 0.5},
  gave="851 t over with her 2-inch (50 mm) deck; the rules weigh armour on a ship this small at up to 1.9 times; a 0.5-inch deck fits",
  enemy="San Giorgio", mis="Pisa", src="C21 J14")
C("Quarto", "IT", "CL", 1913, 3271, 28, rng=1, fc=1, pc=1, mines=200, obs="1939-01-01",
  arm="D1.5 CT2", main=(5, "A1 F1 G1 J1 K1 Y1"), ter=(3, 6), torp=(18, 7, "F1 G1"),
  funnels=F(55, 30, 5, -20), ss=[bridge(120, 106, 8), box(80, -45, 7), box(-70, -95, 6)],
  enemy="Quarto", mis="Nino Bixio", src="C21 J14")
C("Indomito", "IT", "DD", 1913, 672, 30, obs="1937-01-01",
  main=(5, "A1"), ter=(3, 4), torp=(18, 7, "P1 R1"),
  funnels=F(60, 20), ss=[bridge(130, 110, 10), box(-100, -118, 6)],
  enemy="Indomito", mis="Ardente", src="C21 J14")

# --- Russia ------------------------------------------------------------------

C("Gangut", "RU", "BB", 1914, 23360, 23, rng=1, fc=1, tps=1, obs="1956-07-17",
  arm="B9 BE5 D1.5 DE1 CT10 T8 TT3 SEC5", main=(12, "A3 L3 W3 Y3"), sec=(5, 16, 0), ter=(2, 4),
  torp=(18, 7, "F1 G1 L1 M1"),
  funnels=F(85, -22), ss=[bridge(112, 100, 8), box(92, 68, 8), box(-5, -45, 9)],
  enemy="Gangut", mis="Sevastopol", src="C21 MCL J14")
C("Imperatritsa Mariya", "RU", "BB", 1915, 22600, 21, rng=1, fc=2, tps=1, obs="1916-10-20",
  arm="B10.5 BE5 D1.5 DE1 CT12 T10 TT4 SEC5", main=(12, "A3 L3 W3 Y3"), sec=(5, 20, 0), ter=(3, 4),
  torp=(18, 7, "F1 G1 L1 M1"),
  funnels=F(85, -22), ss=[bridge(112, 100, 8), box(92, 68, 8), box(-5, -45, 9)],
  enemy="Imperatritsa Mariya", mis="Gangut", src="C21 MCL J19")
C("Andrei Pervozvanny", "RU", "B", 1911, 17400, 18, rng=1, fc=1, tps=1, obs="1923-11-01",
  arm="B8.5 BE4 D1.5 DE1 CT8 T8 TT2 SEC6", main=(12, "A2 Y2"), sec=(8, 14, 2), ter=(5, 12), torp=(18, 7, "A1 F1 G1"),
  funnels=F(45, 5), ss=[bridge(100, 85, 10), box(70, -30, 12), box(-45, -90, 9)],
  enemy="Andrei Pervozvanny", mis="Imperator Pavel I", src="C21 MCL J14")
C("Rurik", "RU", "CA", 1909, 15170, 21, rng=2, fc=1, obs="1923-01-01",
  arm="B6 BE4 D1.5 DE1 CT8 T8 TT2 SEC7", main=(10, "A2 Y2"), sec=(8, 8, 2), ter=(5, 20), torp=(18, 7, "F1 G1"),
  funnels=F(60, 25, -10), ss=[bridge(105, 90, 9), box(80, -45, 11), box(-60, -95, 8)],
  enemy="Rurik", mis="Bayan", src="C21 J14")
C("Bogatyr", "RU", "CL", 1902, 6645, 23, rng=2, fc=1, pc=1, obs="1922-01-01",
  arm="D2 DE1 CT5.5 T5 TT1 SEC3", main=(6, "A2 Y2"), sec=(6, 8, 0), ter=(3, 12), torp=(18, 7, "F1 G1"),
  funnels=F(55, 25, -5, -35), ss=[bridge(112, 98, 8), box(85, -60, 8), box(-80, -100, 6)],
  enemy="Bogatyr", mis="Oleg", src="C05 J14")
C("Novik", "RU", "DD", 1913, 1280, 36, rng=1, fuel="oil", mines=60, obs="1941-08-28",
  main=(4, "A1 R1 W1 Y1"), torp=(18, 7, "P2 Q2 U2 V2"),
  funnels=F(85, 60, 35, 10), ss=[bridge(125, 105, 10), box(-130, -145, 6)],
  enemy="Novik", mis="Orfey", src="C21 J19", give={"speed": 35}, gave="the speed-power table ends at 35 kn")

# --- Austria-Hungary ---------------------------------------------------------

C("Viribus Unitis", "AH", "BB", 1912, 20000, 20, rng=1, fc=2, tps=2, obs="1918-11-01",
  arm="B11 BE3 D2 DE1 CT11 T11 TT3 SEC6", main=(12, "A3 B3 X3 Y3"), sec=(6, 12, 0), ter=(3, 18),
  torp=(21, 7, "A1 F1 G1 Y1"),
  funnels=F(30, 5), ss=[bridge(97, 84, 10), box(86, -25, 11), box(-45, -96, 9)],
  enemy="Viribus Unitis", mis="Radetzky", src="C21 SI J14")
C("Radetzky", "AH", "B", 1910, 14508, 20, rng=1, fc=1, obs="1920-01-01",
  arm="B9 BE4 D2 DE1.5 CT10 T10 TT2 SEC8", main=(12, "A2 Y2"), sec=(9, 8, 2), ter=(4, 20), torp=(18, 7, "A1 F1 G1"),
  funnels=F(50, 20, -10), ss=[bridge(100, 85, 10), box(70, -35, 12), box(-50, -90, 9)],
  enemy="Radetzky", mis="Erzherzog Karl", src="C21 SI J14")
C("Erzherzog Karl", "AH", "B", 1906, 10472, 20, rng=1, fc=1, obs="1920-01-01",
  arm="B8.5 BE4 D2 DE1 CT8.5 T9.5 TT2 SEC6", main=(9, "A2 Y2"), sec=(7, 12, 0), ter=(3, 12), torp=(18, 7, "F1 G1"),
  funnels=F(40, 5), ss=[bridge(100, 85, 10), box(70, -30, 12), box(-45, -90, 9)],
  give={"arm:B": 8},
  gave="107 t over with her 8.3-inch (210 mm) belt; 8 inches fit",
  enemy="Erzherzog Karl", mis="Habsburg", src="C05 SI J14")
C("Sankt Georg", "AH", "CA", 1905, 7185, 22, rng=1, fc=1, obs="1920-01-01",
  arm="B8.5 BE3 D2 DE1 CT8 T8.5 TT2 SEC6", main=(9, "A2"), sec=(7, 5, 0), ter=(6, 4), torp=(18, 7, "F1 G1"),
  funnels=F(50, 20, -10), ss=[bridge(112, 98, 9), box(80, -55, 10), box(-75, -100, 7)],
  give={"arm:B": 6.5},
  gave="404 t over with her 8.3-inch (210 mm) belt; the rules weigh armour on a ship this small at up to 2.1 times; 6.5 inches fit",
  enemy="Sankt Georg", mis="Kaiserin und Koenigin Maria Theresia", src="C05 SI J14")
C("Novara", "AH", "CL", 1915, 3500, 27, rng=1, fc=1, obs="1920-09-19",
  arm="B2.5 BE1 D1 CT2 T1", main=(4, "A1 11 21 F1 G1 J1 K1 31 41"), torp=(18, 7, "H2 I2 Q2"),
  funnels=F(55, 30, 5, -20), ss=[bridge(120, 106, 8), box(80, -45, 7), box(-70, -95, 6)],
  enemy="Novara", mis="Saida", src="C21 SI J19")
C("Tatra", "AH", "DD", 1913, 850, 32, fuel="oil", obs="1920-01-01",
  main=(4, "A1 Y1"), ter=(3, 6), torp=(18, 7, "P2 R2"),
  funnels=F(85, 60, 35, 10), ss=[bridge(130, 110, 10), box(-100, -118, 6)],
  enemy="Tatra", mis="Csepel", src="C21 SI J14")

# --- Ottoman Empire ----------------------------------------------------------

C("Yavuz Sultan Selim", "OT", "BC", 1912, 22979, 25, rng=2, fc=2, tps=2, obs="1950-12-20",
  arm="B10.5 BE4 D2 DE1 CT14 T9 TT3.5 SEC6", main=(11, "A2 H2 I2 X2 Y2"), cdf=1, sec=(6, 12, 0), ter=(3, 12),
  torp=(20, 4, "A1 F1 G1 Y1"),
  funnels=F(62, 30), ss=[bridge(110, 96, 9), box(90, 20, 10), box(-40, -100, 9)],
  enemy="Yavuz Sultan Selim", mis="Moltke", src="C21 GR LG")
C("Barbaros Hayreddin", "OT", "B", 1894, 10013, 16, rng=1, obs="1915-08-08",
  arm="B16 BE12 D2.5 DE1.5 CT12 T5 TT2", main=(11, "A2 Q2 Y2"), sec=(4, 6, 0), ter=(3, 8),
  torp=(18, 3, "A1 H1 I1 J1 K1 Y1"),
  funnels=F(42, 28), ss=[bridge(100, 85, 10), box(70, 20, 12), box(-25, -90, 9)],
  enemy="Barbaros Hayreddin", mis="Turgut Reis", src="C05 GR LG",
  left_out="3,523 t over at 10,013 t with her 15.7-inch (400 mm) compound belt and 11.8-inch ends over the whole "
           "length; only a belt of 2.5 inches would fit, so she is not in the library")
C("Hamidiye", "OT", "CL", 1904, 3904, 22, rng=2, fc=1, pc=1, obs="1947-01-01",
  arm="D4 DE1.5 CT4 T1", main=(6, "A1 Y1"), sec=(5, 8, 0), ter=(2, 6), torp=(18, 1, "F1 G1"),
  funnels=F(40, 0), ss=[bridge(115, 100, 8), box(70, -50, 8), box(-70, -95, 6)],
  enemy="Hamidiye", mis="Mecidiye", src="C05 LG J14")
C("Muavenet-i Milliye", "OT", "DD", 1910, 765, 32, obs="1919-01-01",
  main=(3, "A1 Y1"), ter=(2, 2), torp=(18, 3, "B1 P1 R1"),
  funnels=F(70, 35), ss=[bridge(130, 110, 10), box(-100, -118, 6)],
  enemy="Muavenet-i Milliye", mis="Yadigar-i Millet", src="C21 GR LG")
C("Rumeli Mecidiye", "OT", "LT", 1914, 8000, 16, rng=0, fb=1, fc=1, obs="1923-10-29",
  arm="B8 BE6 D2 DE2 CT12 T4 TT1", main=(11, "A1 Y1"), sec=(9, 2, 0), ter=(6, 4),
  ss=[box(120, -120, 35), box(30, -30, 20)],
  enemy="Rumeli Mecidiye", mis="Kilitbahir", src="LG")

# --- Greece ------------------------------------------------------------------

C("Georgios Averof", "GR", "CA", 1911, 9956, 22, rng=2, fc=1, obs="1952-01-01",
  arm="B8 BE3 D2 DE1 CT7 T8 TT2 SEC7", main=(9, "A2 Y2"), sec=(7, 8, 2), ter=(3, 16), torp=(18, 7, "F1 G1 Y1"),
  funnels=F(45, 15, -15), ss=[bridge(112, 98, 9), box(80, -50, 10), box(-70, -100, 7)],
  give={"arm:B": 7.5},
  gave="92 t over with her 8-inch (200 mm) belt; 7.5 inches fit",
  enemy="Georgios Averof", mis="San Giorgio", src="C21 J14")
C("Kilkis", "GR", "B", 1908, 13000, 17, rng=1, fc=1, obs="1941-04-23",
  arm="B9 BE4 D2 DE1.5 CT9 T12 TT2 SEC6", main=(12, "A2 Y2"), sec=(8, 8, 2), ter=(7, 8), torp=(21, 2, "F1 G1"),
  funnels=F(10), ss=[bridge(100, 85, 10), box(60, -40, 12), box(-55, -90, 9)],
  enemy="Kilkis", mis="Lemnos", src="C05 FUB J14")
C("Elli", "GR", "CL", 1914, 2600, 22, rng=1, fc=1, pc=1, obs="1940-08-15",
  arm="D2 DE1 CT2 T1", main=(6, "A1 Y1"), sec=(4, 4, 0), ter=(3, 2), torp=(18, 1, "F1 G1"),
  funnels=F(45, 15, -15), ss=[bridge(115, 100, 8), box(70, -50, 8), box(-70, -95, 6)],
  enemy="Elli", mis="Helle", src="C21 J19")
C("Aetos", "GR", "DD", 1912, 980, 32, obs="1945-01-01",
  main=(4, "A1 H1 I1 Y1"), torp=(21, 2, "P2 R2"),
  funnels=F(85, 60, 35, 10), ss=[bridge(125, 105, 10), box(-100, -118, 6)],
  enemy="Aetos", mis="Ierax", src="C21 J14")

# END OF ENTRIES


def main():
    verb = sys.argv[1] if len(sys.argv) > 1 else "designs"
    if verb == "designs":
        target = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "Designs")
        write_designs(target)
        print("%d designs written to %s" % (len(library()), target))
    elif verb == "historical":
        os.makedirs(sys.argv[2], exist_ok=True)
        write_designs(sys.argv[2], historical=True)
    elif verb == "list":
        for c in CLASSES:
            print("%-28s %-3s %-4s %d" % (c["name"], c["nation"], c["type"], c["year"]))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
