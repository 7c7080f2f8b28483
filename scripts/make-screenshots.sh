#!/usr/bin/env bash
# Writes the README's pictures of the desktop program into docs/ (or the
# folder given): designer.png, compare.png, planner.png, protection.png and
# status-card.png. Builds the picture program in the existing build first.
#   scripts/make-screenshots.sh [FOLDER]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
out="$(realpath -m "${1:-$root/docs}")"
cmake --build "$build" --target shipscreenshots
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/bin/shipscreenshots" "$out"
