#!/usr/bin/env bash
# Writes the README's pictures of the desktop program into docs/ (or the
# folder given): designer.png, compare.png, planner.png, explore.png,
# library.png, protection.png and status-card.png. Builds the picture program
# in the existing build first.
# With --appstream, the AppStream file's pictures into docs/screenshots/
# instead (form, planner, explorer, library at 1600 x 900), under Xvfb when
# it is there, so the windows are drawn by a real X server.
#   scripts/make-screenshots.sh [FOLDER]
#   scripts/make-screenshots.sh --appstream [FOLDER]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
cmake --build "$build" --target shipscreenshots
if [ "${1:-}" = --appstream ]; then
  out="$(realpath -m "${2:-$root/docs/screenshots}")"
  if command -v xvfb-run >/dev/null; then
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1920x1080x24" "$build/bin/shipscreenshots" --appstream "$out"
  else
    QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/bin/shipscreenshots" --appstream "$out"
  fi
  exit
fi
out="$(realpath -m "${1:-$root/docs}")"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/bin/shipscreenshots" "$out"
