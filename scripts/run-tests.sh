#!/usr/bin/env bash
# Installs what is needed, builds, and runs the whole test suite. Each phase
# reports its wall and CPU time, to keep an eye on CI's time budget.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
export TIMEFORMAT='== %0R s wall, %0U s user + %0S s system'
echo "== Packages"
time bash "$root/scripts/install-deps.sh"
echo "== Build ($build)"
time bash "$root/scripts/build.sh"
echo "== Style"
# The format and function sizes always; clang-tidy over the whole program
# outside CI, and in CI over what the newest commit changed: a second parse
# of everything does not fit CI's time budget.
if [ "${CI:-}" = true ]; then tidy=(--tidy-changed); else tidy=(--tidy); fi
time BUILD_DIR="$build" bash "$root/scripts/check-style.sh" "${tidy[@]}"
export QT_QPA_PLATFORM=offscreen
echo "== Tests"
time ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 900
# The hostile-input checks: the core tests under ASan+UBSan and a bounded
# fuzzing run of every reader (build-sanitize/).
if [ -x "$root/scripts/run-sanitizers.sh" ]; then
  bash "$root/scripts/run-sanitizers.sh"
fi
# The threads under ThreadSanitizer (build-tsan/): outside CI only, whose
# time budget it does not fit.
if [ "${CI:-}" != true ] && [ -x "$root/scripts/run-tsan.sh" ]; then
  bash "$root/scripts/run-tsan.sh"
fi
echo "== All tests passed in ${SECONDS}s."
