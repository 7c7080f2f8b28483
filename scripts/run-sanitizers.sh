#!/usr/bin/env bash
# The hostile-input checks, run after the normal suite:
#  1. the core tests built with AddressSanitizer and UndefinedBehaviorSanitizer
#     (build-asan, no GUI) must pass;
#  2. every libFuzzer target (build-fuzz, clang) runs for a bounded time from
#     its seed corpus and must find nothing.
# FUZZ_SECONDS sets the time per target (default 30). FUZZ_ONLY limits the run
# to the named targets ("nations profile"). Crashing inputs are kept in
# build-fuzz/artifacts/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
asan="${ASAN_BUILD_DIR:-$root/build-asan}"
fuzzbuild="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${FUZZ_SECONDS:-30}"
jobs="${JOBS:-2}"
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

echo "== Core tests under ASan+UBSan ($asan)"
if [ ! -f "$asan/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$asan" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSHIP_BUILD_GUI=OFF -DSHIP_SANITIZE=ON -DSHIP_BUILD_BENCH=OFF
fi
cmake --build "$asan" --target shipcore_tests sdftool --parallel "$jobs"
ctest --test-dir "$asan" --output-on-failure --parallel "$jobs" --timeout 900
echo "== Sanitizer build and tests took ${SECONDS}s"

echo "== Fuzzing, ${seconds}s per target ($fuzzbuild)"
if [ ! -f "$fuzzbuild/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$fuzzbuild" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSHIP_BUILD_GUI=OFF -DSHIP_BUILD_FUZZ=ON -DSHIP_SANITIZE=ON -DSHIP_BUILD_BENCH=OFF -DSHIP_BUILD_TESTS=OFF
fi
cmake --build "$fuzzbuild" --target fuzzers --parallel "$jobs"
echo "== Fuzzers built at ${SECONDS}s"

# Largest input per target: a little above its largest real file.
max_len() {
  case "$1" in
    tab_field) echo 1024 ;;
    nations) echo 32768 ;;
    weapon_tables | design_tables) echo 24576 ;;
    design_file | fight_ship | profile | section_reader) echo 12288 ;;
    *) echo 4096 ;;
  esac
}

artifacts="$fuzzbuild/artifacts"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$artifacts"
targets="${FUZZ_ONLY:-$(cd "$root/tests/fuzz" && ls -- *_fuzzer.cpp | sed 's/_fuzzer\.cpp$//')}"
failed=()
for t in $targets; do
  # Work on a copy, so the committed corpus never changes.
  mkdir -p "$scratch/$t"
  if [ -d "$root/tests/fuzz/corpus/$t" ]; then cp -R "$root/tests/fuzz/corpus/$t/." "$scratch/$t/"; fi
  log="$fuzzbuild/fuzz_$t.log"
  start=$(date +%s)
  if "$fuzzbuild/fuzz/fuzz_$t" -seed=1 -max_total_time="$seconds" -max_len="$(max_len "$t")" \
      -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/$t-" \
      "$scratch/$t" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    echo "fuzz_$t: no finding, ${runs:-?} runs in $(( $(date +%s) - start ))s"
  else
    echo "fuzz_$t: FINDING (log: $log; inputs in $artifacts/)"
    grep -E "ERROR|SUMMARY|check failed|runtime error" "$log" | head -n 5 || true
    failed+=("$t")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found problems in: ${failed[*]}"
  exit 1
fi
echo "Sanitizer tests and fuzzing passed in ${SECONDS}s."
