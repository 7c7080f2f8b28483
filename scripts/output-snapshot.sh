#!/usr/bin/env bash
# Writes the outputs of sdftool's reading verbs over every sample design and a
# set of random variants of them into one folder, so two builds can be
# compared with `diff -r`. Usage: output-snapshot.sh SDFTOOL OUTDIR [COUNT]
set -u
tool=$(realpath "$1"); out=$2; count=${3:-300}
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$out"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cp -r "$root/Data" "$root/Flags" "$root/Preferences" "$work/"
mkdir -p "$work/Designs" "$work/Custom Files"
cp "$root"/Designs/*.sdf "$work/Designs/"

# Random variants: copies of the samples with displacement, speed, armour and
# guns changed (a fixed seed, so every run makes the same files).
python3 - "$work/Designs" "$count" <<'PY'
import os, random, re, sys
folder, count = sys.argv[1], int(sys.argv[2])
rng = random.Random(20)
samples = sorted(f for f in os.listdir(folder) if f.endswith('.sdf'))
keys = {'Displacement': (200, 40000), 'Speed': (8, 36), 'B': (0, 16), 'D': (0, 6), 'T': (0, 16),
        'CT': (0, 16), 'Main': (3, 16), 'Secondary': (0, 7), 'Tertiary': (0, 4), 'SecNo': (0, 20),
        'TerNo': (0, 24), 'Fire control': (0, 4), 'Torpedo defense': (0, 3), 'CDF': (0, 1)}
for i in range(count):
    src = rng.choice(samples)
    text = open(os.path.join(folder, src), encoding='latin-1').read()
    for key in rng.sample(sorted(keys), rng.randint(1, 5)):
        lo, hi = keys[key]
        text = re.sub(r'(?m)^%s=.*$' % re.escape(key), '%s=%d' % (key, rng.randint(lo, hi)), text, count=1)
    text = re.sub(r'(?m)^Guns=.*$', lambda m: 'Guns=%d' % rng.randint(1, 4) if rng.random() < .3 else m.group(0), text)
    open(os.path.join(folder, 'V%03d.sdf' % i), 'w', encoding='latin-1').write(text)
PY

cd "$work"
files=(Designs/*.sdf)
run() { local name=$1; shift; "$tool" "$@" >"$out/$name.out" 2>"$out/$name.err"; echo "rc=$?" >>"$out/$name.out"; }
run report report "${files[@]}"
run check check Designs
run ship ship "${files[@]}"
run protection protection "${files[@]}"
run protection-json protection Designs --json --against 12,15
n=${#files[@]}
for ((i = 0; i < n; i += 7)); do
    a=${files[$i]}; b=${files[$(((i * 13 + 5) % n))]}
    tag=$(basename "$a" .sdf)
    run "sheet-$tag" sheet "$a"
    run "sheet-md-$tag" sheet "$a" --format md
    for r in 3000 9000 16000 24000; do
        run "engage-$tag-$r" engage "$a" "$b" --range $r --bearing $((i * 37 % 360)) --target-heading 90 --weather $((i % 8)) --sea-state $((i % 5)) --seed $i
    done
    run "engage-both-$tag" engage "$a" "$b" --range 11000 --bearing 45 --both --ready --weather 6 --datetime 1916-05-31T18:30 --day-range 20000 --dusk-range 9000 --night-range 4000 --year 1916 --lat 56 --lon 5 --battery 2
    run "engage-sweep-$tag" engage "$a" "$b" --sweep 2000:26000:2000 --bearing 100 --weather 0 --seed 7
    run "engage-sweepj-$tag" engage "$a" "$b" --sweep 1000:20000:3000 --bearing 300 --json --battery 3 --weather 7
done
