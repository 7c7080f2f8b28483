#!/usr/bin/env bash
# The code that runs on more than one thread, under ThreadSanitizer: the
# design explorer (its worker threads with their own message sinks and
# caches, cancelled in the middle, and sdftool explore) and the library
# window's background filling and folder watching. One clang tree,
# build-tsan/ (TSAN_BUILD_DIR), builds only the two test programs these
# need; any report fails the run.
#
# Run by scripts/run-tests.sh outside CI (it does not fit CI's time budget);
# on its own: bash scripts/run-tsan.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tree="${TSAN_BUILD_DIR:-$root/build-tsan}"
jobs="${JOBS:-$(nproc)}"
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Precompiled headers are cached only when ccache may ignore their timestamps.
export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}"

# Reports stop the test at once and fail it. Qt's own libraries are not
# built with the sanitizer; what they do inside is not checked
# (tests/tsan.supp says why).
export TSAN_OPTIONS="${TSAN_OPTIONS:-halt_on_error=1 exitcode=66 second_deadlock_stack=1 suppressions=$root/tests/tsan.supp}"
export QT_QPA_PLATFORM=offscreen

TIMEFORMAT="${TIMEFORMAT:-== %0R s wall, %0U s user + %0S s system}"
echo "== ThreadSanitizer tree ($tree)"
time {
  if [ ! -f "$tree/CMakeCache.txt" ]; then
    mkdir -p "$tree"
    CC=clang CXX=clang++ cmake -S "$root" -B "$tree" "${generator[@]}" "${launcher[@]}" \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSHIP_LINE_TABLES_ONLY=ON -DSHIP_BUILD_BENCH=OFF -DSHIP_TSAN=ON \
      >"$tree/configure.log" 2>&1 || { cat "$tree/configure.log"; exit 1; }
  fi
  cmake --build "$tree" --target shipcore_tests shipgui_tests --parallel "$jobs"
}

echo "== The explorer and the library under ThreadSanitizer"
time {
  "$tree/bin/shipcore_tests" --gtest_brief=1 --gtest_filter='Explore*:DesignLibrary*:SdftoolList*'
  "$tree/bin/shipgui_tests" ExploreWindowTests -silent
  # The library's filling and watching; its comparison's PDF test starts
  # pdftotext, and a child started by Qt trips this sanitizer's own checks.
  "$tree/bin/shipgui_tests" LibraryWindowTests -silent sortsFiltersAndOpensWithTheUnsavedChangesQuestion \
    followsChangesMadeElsewhere
}
echo "== No data race found in ${SECONDS}s."
