#!/usr/bin/env python3
"""Writes the class table of Designs/README.md and the fleet calibration
section of docs/design-rules.md from the design files, the entries of
tools/fleet_library.py and sdftool's weights, so neither can drift from the
designs.

Run from the repository root after `python3 tools/fleet_library.py designs`
and a build of sdftool:

    python3 tools/fleet_tables.py [path/to/sdftool]     (default build/bin/sdftool)

Weights: "spare" is what `sdftool report` gives for the file in Designs/;
"at historical figures" is the same for the entry without its gives (armour
thicker than the 16-inch steps is entered at 16 inches there).
"""
import json
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import fleet_library as fl  # noqa: E402

ROOT = fl.ROOT
NATION_NAMES = ["Great Britain", "Germany", "France", "Italy", "Austria-Hungary", "Russia", "United States", "Japan",
                "Ottoman Empire", "Greece"]
TYPE_NAMES = {"BB": "Battleship", "BC": "Battlecruiser", "B": "Pre-dreadnought", "CA": "Armoured cruiser",
              "CL": "Light cruiser", "AMC": "Armed merchant cruiser", "DD": "Destroyer", "MS": "Minesweeper / sloop",
              "TR": "Transport", "AV": "Seaplane carrier", "LT": "Coast battery"}
START, END = "<!-- fleet-calibration:start -->", "<!-- fleet-calibration:end -->"


def report(sdftool, path):
    out = subprocess.run([sdftool, "report", path], capture_output=True, text=True).stdout
    return json.loads(out)


def order(c):
    return (fl.NATIONS[c["nation"]], fl.TYPES.index(c["type"]), c["year"], c["name"])


def guns_text(c):
    cal, turrets = c.get("main", (0, ""))
    n = sum(max(g, 1) for g, _ in fl.mounts(turrets))
    text = "%d x %d in" % (n, cal) if n else "-"
    sec = c.get("sec")
    if sec and sec[1]:
        text += ", %d x %d in" % (sec[1], sec[0])
    return text


def thickness(c, area):
    steps = fl.armour_steps(c.get("arm"))
    return steps[area] / 2


def inches(v):
    return ("%g" % v) if v else "-"


def used_text(c):
    """The figures of a give, historical -> used."""
    parts = []
    for k, v in c.get("give", {}).items():
        if k.startswith("arm:"):
            parts.append("%s %s in -> %s in" % (k[4:], inches(thickness(c, k[4:])), inches(v)))
        elif k in ("sec", "ter"):
            parts.append("%s guns %d -> %d" % ("secondary" if k == "sec" else "tertiary", c[k][1], v[1]))
        elif k == "speed":
            parts.append("speed %d kn -> %d kn" % (c["speed"], v))
        elif k == "torp":
            parts.append("torpedo tubes %d -> %d" % (sum(t for t, _ in fl.mounts(c["torp"][2])),
                                                     sum(t for t, _ in fl.mounts(v[2]))))
        else:
            parts.append("%s %s -> %s" % (k, c.get(k), v))
    return "; ".join(parts)


def readme_table(rows):
    lines = ["| Class | Nation | Type | Year | Displ. (t) | Speed (kn) | Main and secondary guns | Belt (in) | Spare (t) | Sources |",
             "|---|---|---|---|---:|---:|---|---:|---:|---|"]
    for c, built, hist in rows:
        mark = " *" if c.get("give") else ""
        lines.append("| %s%s | %s | %s | %d | %d | %d | %s | %s | %d | %s |" % (
            c["name"], mark, NATION_NAMES[fl.NATIONS[c["nation"]]], c["type"], c["year"], c["disp"], c["speed"],
            guns_text(c), inches(thickness(c, "B")), built["Spare"], ", ".join(c.get("src", "").split())))
    return lines


def write_readme(rows, left_out):
    path = os.path.join(ROOT, "Designs", "README.md")
    gives = [(c, b) for c, b, h in rows if c.get("give")]
    plans = [c for c, b, h in rows if c.get("plan")]
    out = [
        "# The design library",
        "",
        "%d classes of 1906-1918 (and the older armoured ships still in service in the war), every one" % len(rows),
        "entered at its historical figures and within its displacement under the design rules. The",
        "files are written by `tools/fleet_library.py` (which holds each class's figures, funnels,",
        "superstructure and sources); this page is written by `tools/fleet_tables.py` from the files",
        "and `sdftool report`, so edit the entries there and run both scripts again:",
        "",
        "    python3 tools/fleet_library.py designs",
        "    python3 tools/fleet_tables.py build/bin/sdftool",
        "",
        "## How the figures are entered",
        "",
        "- Displacement: normal (design) displacement in long tons; for liners taken up as armed",
        "  merchant cruisers, transports and seaplane carriers, the figure the references give (often",
        "  the gross register tonnage).",
        "- Speed: design speed in whole knots, a half knot going down.",
        "- Calibres: whole inches, the nearest inch, a half inch going down (13.5 in -> 13,",
        "  240 mm -> 9, 190 mm -> 7, 138.6 mm -> 5); guns under 2.5 inches are entered as 2 inches.",
        "- Armour, to the nearest half inch: B main belt (greatest thickness), BE belt at the ends",
        "  (0 where the ends were unarmoured), D armoured deck on the flat over machinery and",
        "  magazines, DE deck at the ends, CT conning tower, T turret face (gun shields count), TT",
        "  turret roof, SEC secondary battery (casemate or turret face).",
        "- Fire control as the class had it in 1914-1916: 1 rangefinders, 2 central firing, 3 director.",
        "- Obsolete date: the day the class left front-line service (lost, paid off, ceded or",
        "  stricken).",
        "- Funnels (number, spacing, oval where the real ones were), bridge and after superstructure",
        "  follow the published plans, placed between the turrets as the plan view sets them out.",
        "  Coast batteries have no funnels.",
        "",
        "## Expected warnings",
        "",
        "Warnings a design may raise on loading because the real ship would earn them. The test",
        "`tests/core/FleetLibraryTests.cpp` reads this list: each line of this section that starts",
        "with `- ` is one expected warning, written `- Class name: exact warning text`. Any other",
        "warning fails the test.",
        "",
        "(none: every design loads without a warning)",
        "",
        "## Classes",
        "",
        "Figures as entered (historical); `*` marks a class where the rules could not hold one figure",
        "and the design file gives way (see below). Spare is the displacement left over by the rules.",
        "",
    ]
    out += readme_table(rows)
    out += ["", "## What had to give", "",
            "The rules could not hold these classes at every historical figure; the design file uses the",
            "second figure, and nothing else differs.", ""]
    for c, b in gives:
        out.append("- %s: %s (%s)." % (c["name"], used_text(c), c.get("gave", "")))
    if plans:
        out += ["", "Plan view only (no effect on the figures):", ""]
        for c in plans:
            out.append("- %s: %s." % (c["name"], c["plan"]))
    if left_out:
        out += ["", "## Tried and left out", ""]
        for c, h in left_out:
            out.append("- %s (%s, %s, %d): %s." % (c["name"], NATION_NAMES[fl.NATIONS[c["nation"]]], c["type"],
                                                   c["year"], c["left_out"]))
    out += ["", "## Sources", "",
            "Standard published references of the period's ships, by the keys of the table:", ""]
    used = sorted({k for c, b, h in rows for k in c.get("src", "").split()} |
                  {k for c, h in left_out for k in c.get("src", "").split()})
    for k in used:
        out.append("- %s: %s" % (k, fl.SOURCES[k]))
    with open(path, "w", newline="\n") as f:
        f.write("\n".join(out) + "\n")


def fits(c, h):
    """At its historical figures: within weight, no warning, every figure
    inside the rules' ranges (speed 16 to 35 kn, armour up to 16 in), so
    no give was needed."""
    inside = (16 <= c["speed"] <= 35 and max(fl.armour_steps(c.get("arm")).values()) <= 32
              and c.get("sec", (0, 0))[1] <= 24 and c.get("ter", (0, 0))[1] <= 24)
    ok = h["Spare"] >= 0 and not h["Messages"] and inside
    assert ok == (not c.get("give")), c["name"] + ": gives and fit disagree"
    return ok


def calibration(rows, left_out):
    out = [START, "", "## Fleet library calibration", "",
           "Written by `tools/fleet_tables.py`. For every class in `Designs/`, the weight the rules give at",
           "its historical figures (before any give) against its displacement, sorted by type. A class",
           "fits when that weight is within the displacement, the design raises no warning and no",
           "armour is thicker than the 16-inch steps.", "",
           "| Type | Class | Nation | Displ. (t) | Weight at historical figures (t) | Difference | Fits |",
           "|---|---|---|---:|---:|---:|---|"]
    by_type = sorted(rows, key=lambda r: (fl.TYPES.index(r[0]["type"]), -r[2]["Spare"] / r[0]["disp"]))
    for c, b, h in by_type:
        ok = fits(c, h)
        note = "yes" if ok else "no: " + used_text(c)
        if h["Messages"]:
            note = "no: " + used_text(c) + " (%s)" % h["Messages"][0]["text"]
        out.append("| %s | %s | %s | %d | %d | %+.1f %% | %s |" % (
            c["type"], c["name"], NATION_NAMES[fl.NATIONS[c["nation"]]], c["disp"], h["TotalWeight"],
            100.0 * (h["TotalWeight"] - c["disp"]) / c["disp"], note))
    total_fit = sum(fits(c, h) for c, b, h in rows)
    out += ["", "Share of the classes that fit at their historical figures: %d of %d (%.0f %%)." % (
        total_fit, len(rows), 100.0 * total_fit / len(rows)), "", "| Type | Classes | Fit | Share |", "|---|---:|---:|---:|"]
    for t in fl.TYPES:
        sel = [(c, h) for c, b, h in rows if c["type"] == t]
        if sel:
            k = sum(fits(c, h) for c, h in sel)
            out.append("| %s (%s) | %d | %d | %.0f %% |" % (TYPE_NAMES[t], t, len(sel), k, 100.0 * k / len(sel)))
    out += ["", "| Nation | Classes | Fit | Share |", "|---|---:|---:|---:|"]
    for code, idx in sorted(fl.NATIONS.items(), key=lambda kv: kv[1]):
        sel = [(c, h) for c, b, h in rows if c["nation"] == code]
        if sel:
            k = sum(fits(c, h) for c, h in sel)
            out.append("| %s | %d | %d | %.0f %% |" % (NATION_NAMES[idx], len(sel), k, 100.0 * k / len(sel)))
    out += [""]
    out += CALIBRATION_NOTES
    if left_out:
        out += ["", "Tried and left out of the library:", ""]
        for c, h in left_out:
            out.append("- %s: weight %d t at historical figures against %d t. %s." % (
                c["name"], h["TotalWeight"], c["disp"], c["left_out"][0].upper() + c["left_out"][1:]))
    out += ["", END]
    path = os.path.join(ROOT, "docs", "design-rules.md")
    text = open(path).read()
    if START in text:
        head, rest = text.split(START, 1)
        tail = rest.split(END, 1)[1]
        text = head + "\n".join(out) + tail
    else:
        text = text.rstrip("\n") + "\n\n" + "\n".join(out) + "\n"
    with open(path, "w", newline="\n") as f:
        f.write(text)


CALIBRATION_NOTES = [
    "Why the others do not fit, and why the tables in `Data/` are left as they are:",
    "",
    "- Armoured ships under about 16,000 t (Erzherzog Karl, Sankt Georg, San Giorgio, Georgios",
    "  Averof): the rules weigh armour on a ship below 18,000 t at up to (18,000 - D) / 10,000 + 1",
    "  times its weight on a large ship (1.8 times at 10,000 t), so an 8-inch belt on a 7,000 to",
    "  10,000 t cruiser costs far more than it did. That factor is part of the rules themselves, not",
    "  of a table; the lightly armoured cruisers and the pre-dreadnoughts of 13,000 t and up fit.",
    "- The most heavily armoured dreadnoughts (Queen Elizabeth, Bretagne, Fuso, Nevada,",
    "  Pennsylvania, and Nassau by 53 t): the rules weigh every inch of turret face on the turret",
    "  and every inch of belt and deck over the whole ship. The turret-armour base of the big",
    "  calibres is not the cause: it rises with the square of the calibre from the 12-inch figure",
    "  that balances Dreadnought, about as published mounting weights rise (12-inch to 15-inch,",
    "  roughly 1.6 times), and even a base rising only with the calibre to the power 1.5 would",
    "  bring none of Queen Elizabeth, Bretagne, Nevada or Pennsylvania within her displacement.",
    "  The battlecruisers and the dreadnoughts with 11- to 12-inch faces fit.",
    "- Figures outside the design form's ranges: the speed-power table ends at 35 kn (Novik,",
    "  36 kn), armour steps end at 16 inches (the 18-inch turret faces of Nevada and",
    "  Pennsylvania) and the form takes at most 24 secondary or tertiary guns (Dreadnought's",
    "  twenty-seven 12-pounders).",
    "- Wickes: twelve 21-inch tubes weigh 252 t under the rules (a tube weighs its calibre in",
    "  tons) on a 1,154 t destroyer at 35 kn.",
    "",
    "Changes to the tables in `Data/`: none. No group failed in a way a table could mend, so the",
    "earlier samples keep their weights.",
]


def main():
    sdftool = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "bin", "sdftool")
    rows, left_out = [], []
    with tempfile.TemporaryDirectory() as tmp:
        fl.write_designs(tmp, historical=True)
        for c in sorted(fl.CLASSES, key=order):
            hist = report(sdftool, os.path.join(tmp, c["name"] + ".sdf"))
            if c.get("left_out"):
                left_out.append((c, hist))
                continue
            built = report(sdftool, os.path.join(ROOT, "Designs", c["name"] + ".sdf"))
            rows.append((c, built, hist))
    write_readme(rows, left_out)
    calibration(rows, left_out)
    print("%d classes, %d fit at their historical figures" % (len(rows), sum(fits(c, h) for c, b, h in rows)))


if __name__ == "__main__":
    main()
