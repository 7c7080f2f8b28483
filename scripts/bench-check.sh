#!/usr/bin/env bash
# bench-check.sh [SDFTOOL] [COUNT] [VERB]: CPU time (user+sys) of `sdftool VERB`
# (check by default; list takes the same files)
# over COUNT design files (10,000 by default) against `cat` over the same
# files. The files are the sample designs under new names, each with its
# displacement, speed and first turret varied so no two are alike.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tool="${1:-$root/build/bin/sdftool}"
count="${2:-10000}"
verb="${3:-check}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/designs"

awk -v count="$count" -v out="$work/designs" '
  FNR == 1 { n++ }
  { sample[n] = sample[n] $0 "\n" }
  END {
    for (i = 0; i < count; i++) {
      text = sample[i % n + 1]
      sub(/Displacement=[0-9]+/, "Displacement=" (2000 + (i * 37) % 40000), text)
      sub(/Speed=[0-9]+/, "Speed=" (12 + i % 20), text)
      sub(/Guns=[0-9]+/, "Guns=" (i % 5), text)
      file = sprintf("%s/Bench %05d.sdf", out, i)
      printf "%s", text > file
      close(file)
    }
  }' "$root"/Designs/*.sdf

TIMEFORMAT='%U %S'
cpu() {  # user+sys seconds of a command, its output discarded
  local t
  t=$( { time "$@" > /dev/null 2>&1; } 2>&1 ) || true
  awk -v t="$t" 'BEGIN { split(t, a, " "); printf "%.3f", a[1] + a[2] }'
}
cat "$work"/designs/*.sdf > /dev/null   # warm the page cache for both
catTime=$(cpu cat "$work"/designs/*.sdf)
checkTime=$(cpu "$tool" "$verb" --data "$root/" "$work/designs")
echo "files: $count"
echo "cat:   ${catTime} s"
echo "$verb: ${checkTime} s"
awk -v a="$checkTime" -v b="$catTime" 'BEGIN { if (b > 0) printf "ratio: %.1f\n", a / b }'
