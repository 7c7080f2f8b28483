#!/usr/bin/env bash
# Installs what is needed, builds, and runs the whole test suite.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 900
# The hostile-input checks: sanitizer build of the core tests and a bounded
# fuzzing run (added with the fuzzers).
if [ -x "$root/scripts/run-sanitizers.sh" ]; then
  bash "$root/scripts/run-sanitizers.sh"
fi
