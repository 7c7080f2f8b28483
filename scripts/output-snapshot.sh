#!/usr/bin/env bash
# Runs every sdftool verb over the bundled designs and scenarios and a few
# hundred random design files (made with a fixed seed, illegal ones and files
# that are not designs among them), writing each output and exit status into
# OUTDIR, so the outputs of two builds can be compared with `diff -r`.
#
# Usage: scripts/output-snapshot.sh OUTDIR [SDFTOOL]
#   SDFTOOL defaults to build/bin/sdftool; SNAPSHOT_COUNT sets the number of
#   random designs (default 300).
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -lt 1 ]; then
    echo "usage: $0 OUTDIR [SDFTOOL]" >&2
    exit 2
fi
out=$(mkdir -p "$1" && cd "$1" && pwd)
tool=$(realpath "${2:-$root/build/bin/sdftool}")
count=${SNAPSHOT_COUNT:-300}
[ -x "$tool" ] || { echo "$0: no sdftool at $tool" >&2; exit 2; }
export QT_QPA_PLATFORM=offscreen LC_ALL=C

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/Data" "$root/Flags" "$root/Preferences" "$root/Scenarios" "$work/"
mkdir -p "$work/Designs" "$work/Custom Files" "$work/Random"
cp "$root"/Designs/*.sdf "$work/Designs/"

python3 - "$work" "$count" <<'PY'
import json, os, random, re, sys
work, count = sys.argv[1], int(sys.argv[2])
rng = random.Random(28)
samples = sorted(f for f in os.listdir(os.path.join(work, 'Designs')) if f.endswith('.sdf'))
texts = {s: open(os.path.join(work, 'Designs', s), encoding='latin-1').read() for s in samples}
out = os.path.join(work, 'Random')

# In range mostly, now and then outside what the form accepts.
keys = {('Data', 'Displacement'): (50, 70000), ('Data', 'Speed'): (0, 35), ('Data', 'Range'): (0, 3),
        ('Data', 'Freeboard'): (0, 1), ('Data', 'BeltCoverage'): (0, 1), ('Data', 'Nation'): (0, 10),
        ('Data', 'Accomodation'): (0, 1), ('Data', 'Fire control'): (-1, 5), ('Data', 'Torpedo defense'): (0, 4),
        ('Data', 'Mine capacity'): (0, 1000), ('Data', 'Fuel type'): (0, 1), ('Armor', 'B'): (0, 32),
        ('Armor', 'BE'): (0, 32), ('Armor', 'D'): (0, 32), ('Armor', 'DE'): (0, 32), ('Armor', 'CT'): (0, 32),
        ('Armor', 'T'): (0, 32), ('Armor', 'TT'): (0, 32), ('Armor', 'SEC'): (0, 32), ('Guns', 'Main'): (2, 18),
        ('Guns', 'Secondary'): (2, 35), ('Guns', 'Tertiary'): (2, 35), ('Guns', 'SecNo'): (0, 24),
        ('Guns', 'TerNo'): (0, 24), ('Guns', 'SecTF'): (0, 4), ('Guns', 'TerTF'): (0, 4), ('Guns', 'CDF'): (0, 1),
        ('Guns', 'MQ'): (-5, 5), ('Torpedoes', 'Calibre'): (12, 28)}
types = ['BB', 'BC', 'B', 'CA', 'CL', 'AMC', 'DD', 'MS', 'TR', 'AV', 'LT', 'bb', 'XX', '']
turret_letters = 'A12BCDEFGHIJKLQRSTVWX34YZ'
mount_letters = 'ABFGHIJKLMPQRUVYZ'

# A file in five is a dirty one, with a value outside what the form accepts now and then.
dirty = False
def value(lo, hi):
    r = rng.random() if dirty else 1
    if r < 0.06: return rng.choice([lo - rng.randint(1, 1000), hi + rng.randint(1, 100000)])
    if r < 0.08: return rng.choice(['', 'x', '12.5', '-0', '99999999999'])
    return rng.randint(lo, hi)

def set_key(text, section, key, v):
    pat = r'(?ms)(^\[%s\]\s*\n(?:(?!^\[).)*?^%s=)[^\n]*' % (re.escape(section), re.escape(key))
    if re.search(pat, text): return re.sub(pat, lambda m: m.group(1) + str(v), text, count=1)
    return text + '\n[%s]\n%s=%s\n' % (section, key, v)

def turrets(n, crossdeck_pairs):
    letters = rng.sample(turret_letters, n)
    if crossdeck_pairs and n >= 2: letters[:2] = rng.choice([('D', 'E'), ('R', 'S')])
    lines = []
    for i, p in enumerate(letters):
        guns = rng.choice([0, 1, 2, 2, 3, 3, 4]) if not dirty or rng.random() > 0.1 else rng.choice([-1, 5, 99999])
        lines += ['[Turret%d]' % i, 'Guns=%s' % guns, 'Pos=%s' % p]
    return lines

def mounts(n):
    lines = []
    for i in range(n):
        tubes = rng.randint(1, 4) if not dirty or rng.random() > 0.1 else rng.choice([0, 9])
        lines += ['[TorpedoMount%d]' % i, 'Tubes=%d' % tubes, 'Pos=%s' % rng.choice(mount_letters)]
    return lines

def synthetic():
    lines = ['[Data]']
    for (section, key), (lo, hi) in keys.items():
        if section == 'Data' and rng.random() > 0.05: lines.append('%s=%s' % (key, value(lo, hi)))
    lines.append('ShipType=%s' % rng.choice(types))
    if rng.random() < 0.3:  # fast and low: the freeboard warning
        lines += ['Speed=%d' % rng.randint(22, 35), 'Freeboard=1']
    for section in ('Armor', 'Guns', 'Torpedoes'):
        lines.append('[%s]' % section)
        for (s, key), (lo, hi) in keys.items():
            if s == section and rng.random() > 0.05: lines.append('%s=%s' % (key, value(lo, hi)))
    lines.append('Designation=%s' % rng.choice('ABCDEFGHIX'))
    lines += turrets(rng.randint(0, 8), rng.random() < 0.3)
    lines += mounts(rng.choice([0, 0, 1, 2, 4, 14]))
    if rng.random() < 0.5:
        lines.append('[Funnels]')
        for k in range(1, 5):
            lines += ['Funnel%dPos=%d' % (k, rng.randint(-60, 60)), 'Funnel%dOval=%d' % (k, rng.randint(0, 1))]
    if rng.random() < 0.3:
        for k in range(4):
            lines.append('[Superstructure%d]' % k)
            for j in range(21):
                lines += ['Point%dAngle=%d' % (j, rng.randint(0, 359)), 'Point%dDistance=%d' % (j, rng.randint(0, 80))]
            lines.append('IsLine=%d' % rng.randint(0, 1))
    return '\r\n'.join(lines) + '\r\n'

def variant():
    text = texts[rng.choice(samples)]
    for (section, key) in rng.sample(sorted(keys), rng.randint(1, 6)):
        lo, hi = keys[(section, key)]
        text = set_key(text, section, key, value(lo, hi))
    if rng.random() < 0.2: text = set_key(text, 'Guns', 'CDF', 1)
    if rng.random() < 0.1:  # cut short
        text = text[:rng.randint(0, len(text))]
    return text

def not_a_design():
    kind = rng.randint(0, 4)
    if kind == 0: return ''
    if kind == 1: return ''.join(chr(rng.randint(0, 255)) for _ in range(rng.randint(1, 400)))
    if kind == 2: return '[Armor]\nB=10\n[Guns]\nMain=12\n'
    if kind == 3: return 'just some words\nnot a design\n'
    return '[Data]\nColour=grey\n'

for i in range(count):
    dirty = rng.random() < 0.2
    r = rng.random()
    text = variant() if r < 0.5 else synthetic() if r < 0.92 else not_a_design()
    name = 'R%03d.sdf' % i if i % 25 else 'R%03d \xe9l\xe8ve.sdf' % i
    with open(os.path.join(out, name), 'w', encoding='latin-1', newline='') as f: f.write(text)

# Scenarios of bundled and of random designs, some of them refused.
for n in range(6):
    folder = 'Designs' if n % 2 == 0 else 'Random'
    files = sorted(os.listdir(os.path.join(work, folder)))
    pick = lambda: '../%s/%s' % (folder, rng.choice(files))
    def side(name, extra):
        ships = [dict(design=pick(), crew=rng.randint(-2, 2), battery=rng.randint(1, 3)) for _ in range(rng.randint(1, 4))]
        return dict(name=name, formation=rng.randint(0, 1), course=rng.randint(0, 359), speed=rng.randint(5, 25),
                    ships=ships, **extra)
    sc = dict(environment=dict(datetime='1916-05-31T%02d:00' % rng.randint(0, 23), weather=rng.randint(0, 7), seed=n + 1),
              sides=[side('Blue', {}), side('Red', dict(range=rng.randint(3000, 20000), bearing=rng.randint(0, 359)))])
    json.dump(sc, open(os.path.join(work, 'Scenarios', 'random %d.json' % n), 'w'))
PY

cd "$work" || exit 2
designs=(Designs/*.sdf)
randoms=(Random/*.sdf)
all=("${designs[@]}" "${randoms[@]}")

# One command: its standard output, standard error and exit status.
run() {
    local name=$1
    shift
    "$tool" "$@" >"$out/$name.out" 2>"$out/$name.err"
    echo "exit $?" >>"$out/$name.out"
}
# The same, with the output replaced by its hash (pictures, PDF text).
run_hashed() {
    local name=$1 file=$2
    shift 2
    run "$name" "$@"
    if [ -f "$file" ]; then sha256sum <"$file" >"$out/$name.hash"; else echo none >"$out/$name.hash"; fi
    rm -f "$file"
}
tag() { basename "$1" .sdf | tr ' ' '_'; }

run data data --data .
run report report --data . "${all[@]}"
run check-designs check --data . Designs
run check-random check --data . Random
run ship ship --data . "${all[@]}"
run protection protection --data . Designs Random
run protection-json protection --data . --json --against 4,12,15 Designs Random
run list list --data . Designs Random
run list-json list --data . --json Designs Random
run list-csv list --data . --csv --sort -PointValue Designs Random
run list-sort list --data . --sort Spare Random

n=${#all[@]}
for ((i = 0; i < n; i += 3)); do
    a=${all[$i]} b=${all[$(((i * 13 + 5) % n))]} t=$(tag "${all[$i]}")
    run "compare-$t" compare --data . "$a" "$b"
    run "compare-json-$t" compare --data . --json "$b" "$a"
    run "sheet-$t" sheet --data . "$a"
    if ((i % 2 == 0)); then run "sheet-md-$t" sheet --data . "$a" --format md; fi
    if ((i % 4 == 0)); then run "sheet-html-$t" sheet --data . "$a" --format html; fi
    if ((i % 12 == 0)); then
        run "sheet-pdf-$t" sheet --data . "$a" --format pdf --paper letter --out sheet.pdf
        if [ -f sheet.pdf ]; then pdftotext -q sheet.pdf - | sha256sum >"$out/sheet-pdf-$t.hash"; fi
        rm -f sheet.pdf
    fi
    if ((i % 6 == 0)); then run_hashed "render-$t" plan.png render --data . "$a" --out plan.png; fi
    if ((i % 9 == 0)); then
        run_hashed "render-big-$t" plan.png render --data . "$a" --out plan.png --width 400 --height 300 --altitude 60
    fi
done

for ((i = 0; i < n; i += 5)); do
    a=${all[$i]} b=${all[$(((i * 7 + 11) % n))]} t=$(tag "${all[$i]}")
    run "engage-$t" engage --data . "$a" "$b" --range $((2000 + i * 97 % 20000)) --bearing $((i * 37 % 360)) \
        --target-heading 90 --weather $((i % 8)) --sea-state $((i % 6)) --seed $i --battery $((i % 3 + 1))
    run "engage-planner-$t" engage --data . "$a" "$b" --range 11000 --bearing 45 --both --ready --weather 6 \
        --datetime 1916-05-31T18:30 --day-range 20000 --dusk-range 9000 --night-range 4000 --lat 56 --lon 5
    run "engage-year-$t" engage --data . "$a" "$b" --range 8000 --bearing 120 --year 1917 --firer-evading \
        --target-speed 20 --target-turn 30 --ranging-turns 2 --crew-quality 1 --target-sighting 2
    if ((i % 2 == 0)); then
        run "engage-sweep-$t" engage --data . "$a" "$b" --sweep 2000:26000:2000 --bearing 100 --seed 7
        run "engage-sweep-json-$t" engage --data . "$a" "$b" --sweep 1000:20000:3000 --bearing 300 --json \
            --battery 2 --weather 7 --ready
    fi
done

for s in Scenarios/*.json; do
    t=$(basename "$s" .json | tr ' ' '_')
    run "battle-$t" battle --data . "$s"
    run "battle-sweep-$t" battle --data . "$s" --sweep 4000:20000:4000
    run "battle-year-$t" battle --data . "$s" --year 1918
done

explore() {
    local name=$1
    shift
    mkdir -p "best-$name"
    run "$name" explore --data . "$@" --threads 2 --write-best "best-$name"
    # The time taken differs from run to run.
    sed -i -E 's/, [0-9.]+ s$/, (time) s/; s/"Seconds":[0-9.e+-]+/"Seconds":0/' "$out/$name.out"
    for f in "best-$name"/*.sdf; do [ -f "$f" ] && cp "$f" "$out/$name-$(basename "$f" .sdf | tr ' ' '_').sdf"; done
    rm -rf "best-$name"
}
explore explore-dreadnought Designs/Dreadnought.sdf --vary speed=19:25 --vary belt=8:12 \
    --objective speed --objective belt --objective spare
explore explore-kongo-json Designs/Kongo.sdf --vary main-calibre=11:15 --vary main-turrets=2:4 \
    --vary fire-control=0:5 --objective point-value --objective immune:12 --objective belt-safe:15 --json
explore explore-hits Designs/Nassau.sdf --vary main-turrets=3:6 --vary deck=1:3 --vary range=0:3 \
    --objective hits:Designs/Dreadnought.sdf@10000 --objective endurance --objective deck --year 1915
explore explore-small Designs/V25.sdf --vary speed=28:35 --vary displacement=500:2000 --vary torpedo-defense=0:4 \
    --objective speed --objective spare
for ((i = 7; i < ${#randoms[@]}; i += 60)); do
    explore "explore-$(tag "${randoms[$i]}")" "${randoms[$i]}" --vary speed=14:24:2 --vary belt=0:6:1.5 \
        --vary secondary-number=0:12:4 --objective speed --objective belt --objective spare
done
exit 0
