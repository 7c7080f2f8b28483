#!/usr/bin/env bash
# Draws docs/fleets.png: the plan view of every design in Designs/ as the
# design form shows it after a load, labelled with its class, ten to a row.
# Needs a built sdftool and ImageMagick's montage (not a project dependency:
# apt-get install imagemagick).
#
#   bash tools/make_fleet_sheet.sh [path/to/sdftool]   (default build/bin/sdftool)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
sdftool="${1:-$root/build/bin/sdftool}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
plans=()
for design in "$root"/Designs/*.sdf; do
  name="$(basename "$design" .sdf)"
  QT_QPA_PLATFORM=offscreen "$sdftool" render "$design" --out "$work/$name.png" 2>/dev/null
  plans+=("$work/$name.png")
done
montage -label '%t' -pointsize 10 "${plans[@]}" -tile 10x -geometry 96x236+2+2 -background white \
  -colors 96 -depth 8 "$root/docs/fleets.png"
echo "docs/fleets.png: ${#plans[@]} plan views"
