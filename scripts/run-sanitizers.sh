#!/usr/bin/env bash
# The hostile-input checks, run after the normal suite. One clang tree
# (build-sanitize, no GUI) with AddressSanitizer and UndefinedBehaviorSanitizer
# serves both, so shipcore is compiled once, at -O1 with line tables (what
# the sanitizers' reports need, and quicker to build than -O2 -g):
#  1. the core tests (which run this tree's sdftool too) must pass;
#  2. every libFuzzer target runs for a bounded time from its seed corpus and
#     must find nothing.
# FUZZ_SECONDS sets the time per target: 10 under CI (CI=true, to keep a CI run
# within its time budget), 30 otherwise.
# FUZZ_JOBS targets run at once (default: one per core). FUZZ_ONLY limits the
# run to the named targets ("nations profile"). Crashing inputs are kept in
# build-sanitize/artifacts/, each target's log in build-sanitize/fuzz_<name>.log.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tree="${SANITIZE_BUILD_DIR:-$root/build-sanitize}"
if [ "${CI:-}" = true ]; then seconds="${FUZZ_SECONDS:-10}"; else seconds="${FUZZ_SECONDS:-30}"; fi
jobs="${JOBS:-$(nproc)}"
fuzz_jobs="${FUZZ_JOBS:-$(nproc)}"
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Precompiled headers are cached only when ccache may ignore their timestamps.
export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

TIMEFORMAT="${TIMEFORMAT:-== %0R s wall, %0U s user + %0S s system}"
echo "== Sanitizer tree ($tree)"
time {
  if [ ! -f "$tree/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$tree" "${generator[@]}" "${launcher[@]}" \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSHIP_BUILD_GUI=OFF -DSHIP_BUILD_BENCH=OFF \
      -DSHIP_SANITIZE=ON -DSHIP_BUILD_FUZZ=ON -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG"
  fi
  cmake --build "$tree" --target shipcore_tests sdftool fuzzers --parallel "$jobs"
}
echo "== Core tests under ASan+UBSan"
time ctest --test-dir "$tree" --output-on-failure --parallel "$jobs" --timeout 900

echo "== Fuzzing, ${seconds}s per target, ${fuzz_jobs} at once"
# Largest input per target: a little above its largest real file.
max_len() {
  case "$1" in
    tab_field) echo 1024 ;;
    nations) echo 32768 ;;
    weapon_tables | design_tables) echo 24576 ;;
    design_file | fight_ship | profile | section_reader) echo 12288 ;;
    scenario) echo 8192 ;;
    *) echo 4096 ;;
  esac
}

artifacts="$tree/artifacts"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$artifacts"

# Runs one target; its verdict goes to $scratch/<target>.result.
fuzz_one() {
  local t=$1 log="$tree/fuzz_$1.log" start runs
  # Work on a copy, so the committed corpus never changes.
  mkdir -p "$scratch/$t"
  if [ -d "$root/tests/fuzz/corpus/$t" ]; then cp -R "$root/tests/fuzz/corpus/$t/." "$scratch/$t/"; fi
  start=$(date +%s)
  if "$tree/fuzz/fuzz_$t" -seed=1 -max_total_time="$seconds" -max_len="$(max_len "$t")" \
      -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/$t-" \
      "$scratch/$t" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    echo "fuzz_$t: no finding, ${runs:-?} runs in $(($(date +%s) - start))s" >"$scratch/$t.result"
  else
    { echo "fuzz_$t: FINDING (log: $log; inputs in $artifacts/)"
      grep -E "ERROR|SUMMARY|check failed|runtime error" "$log" | head -n 5 || true
    } >"$scratch/$t.result"
    return 1
  fi
}

fuzz_all() {
  local t running=0
  for t in $targets; do
    if [ "$running" -ge "$fuzz_jobs" ]; then
      wait -n || true
      running=$((running - 1))
    fi
    fuzz_one "$t" &
    running=$((running + 1))
  done
  wait || true
}
targets="${FUZZ_ONLY:-$(cd "$root/tests/fuzz" && ls -- *_fuzzer.cpp | sed 's/_fuzzer\.cpp$//')}"
time fuzz_all

failed=()
for t in $targets; do
  cat "$scratch/$t.result" 2>/dev/null || echo "fuzz_$t: did not finish"
  grep -q "no finding" "$scratch/$t.result" 2>/dev/null || failed+=("$t")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found problems in: ${failed[*]}"
  exit 1
fi
echo "== Sanitizer tests and fuzzing passed in ${SECONDS}s."
