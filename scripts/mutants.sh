#!/usr/bin/env bash
# How many deliberate faults do the core tests catch? Each fault of
# scripts/mutants.list is applied alone to a copy of the sources, the core
# tests are rebuilt (only what the change touches) and run, and the fault is
# "caught" when they fail and "survived" when they pass. Prints each fault
# and the share caught; exits 1 when one survived, 2 when a fault cannot be
# applied (its text is gone or not unique: the code moved) or does not build.
#
# Takes minutes (a first build of the tree, then one rebuild and test run a
# fault), so it is not part of CI. Usage:
#   bash scripts/mutants.sh            every fault
#   bash scripts/mutants.sh hit        the faults whose title holds "hit"
# MUTANTS_BUILD_DIR (default build-mutants/) holds the copy of the sources
# (src/) and its build; MUTANTS_TIMEOUT (default 600) the seconds a test run
# may take before it counts as caught (a fault that hangs the tests).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tree="${MUTANTS_BUILD_DIR:-$root/build-mutants}"
list="${MUTANTS_LIST:-$root/scripts/mutants.list}"
only="${1:-}"
limit="${MUTANTS_TIMEOUT:-600}"
src="$tree/src"
jobs="${JOBS:-$(nproc)}"

# ---- the faults --------------------------------------------------------------
titles=() files=() froms=() tos=()
read_list() {
  local line title="" file="" from="" to=""
  flush() {
    [ -z "$title" ] && return 0
    if [ -z "$file" ] || [ -z "$from" ] || [ -z "$to" ]; then
      echo "mutants: [$title] needs file, from and to" >&2
      exit 2
    fi
    if [ -z "$only" ] || [[ "$title" == *"$only"* ]]; then
      titles+=("$title") files+=("$file") froms+=("$from") tos+=("$to")
    fi
    title="" file="" from="" to=""
  }
  while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in
      "#"* | "") ;;
      "["*"]") flush; title="${line:1:${#line}-2}" ;;
      "file "*) file="${line#file }" ;;
      "from "*) from="$(sed -E 's/^from +//' <<<"$line")" ;;
      "to "*) to="$(sed -E 's/^to +//' <<<"$line")" ;;
      *) echo "mutants: cannot read this line of $list: $line" >&2; exit 2 ;;
    esac
  done <"$list"
  flush
}
read_list
if [ ${#titles[@]} -eq 0 ]; then
  echo "mutants: no fault in $list${only:+ matches \"$only\"}" >&2
  exit 2
fi

# ---- the copy of the sources -------------------------------------------------
# The build tree is marked as one (CMakeFiles/) before any source lands in
# it, so the layer check of the real tree never takes the copy for folders.
mkdir -p "$tree/CMakeFiles" "$src"
# Files that differ are copied (a fresh time stamp, so they are rebuilt);
# files gone from the tree leave the copy.
sync_sources() {
  local f wanted="$tree/wanted" have="$tree/have"
  (cd "$root" && git ls-files --cached --others --exclude-standard | LC_ALL=C sort -u) >"$wanted"
  while IFS= read -r f; do
    [ -f "$root/$f" ] || continue
    if ! cmp -s "$root/$f" "$src/$f"; then
      mkdir -p "$(dirname "$src/$f")"
      cp "$root/$f" "$src/$f"
    fi
  done <"$wanted"
  (cd "$src" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$have"
  LC_ALL=C comm -23 "$have" "$wanted" | while IFS= read -r f; do rm -f "$src/$f"; done
}
sync_sources

# Replaces the one occurrence of $2 by $3 in file $1; fails when there is
# not exactly one.
replace_once() {
  FROM="$2" TO="$3" perl -0777 -i -pe '
    BEGIN { $n = 0 }
    $n = () = /\Q$ENV{FROM}\E/g;
    if ($n != 1) { print STDERR "found $n times\n"; exit 3 }
    s/\Q$ENV{FROM}\E/$ENV{TO}/;
  ' "$1"
}

# ---- the build ---------------------------------------------------------------
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Precompiled headers are cached only when ccache may ignore their timestamps.
export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}"
if [ ! -f "$tree/CMakeCache.txt" ]; then
  cmake -S "$src" -B "$tree" "${generator[@]}" "${launcher[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DSHIP_BUILD_GUI=OFF -DSHIP_BUILD_BENCH=OFF -DSHIP_WERROR=OFF >"$tree/configure.log"
fi
build() { cmake --build "$tree" --target shipcore_tests --parallel "$jobs" >"$tree/build.log" 2>&1; }
run_tests() {
  timeout "$limit" "$tree/bin/shipcore_tests" --gtest_brief=1 --gtest_fail_fast >"$tree/test.log" 2>&1
}

export TIMEFORMAT='== %0R s wall'
echo "== The tests on the unchanged sources ($tree)"
time {
  build || { echo "mutants: the unchanged sources do not build; see $tree/build.log" >&2; exit 2; }
  run_tests || { echo "mutants: the tests fail without a fault; see $tree/test.log" >&2; exit 2; }
}

# ---- each fault --------------------------------------------------------------
current=""
restore() { if [ -n "$current" ]; then cp "$root/$current" "$src/$current"; current=""; fi; }
trap restore EXIT
caught=0 survived=() broken=()
echo "== ${#titles[@]} faults"
for i in "${!titles[@]}"; do
  title="${titles[$i]}" file="${files[$i]}"
  start=$(date +%s)
  if [ ! -f "$src/$file" ]; then
    echo "NOT FOUND  $title ($file: no such file)"
    broken+=("$title")
    continue
  fi
  current="$file"
  if ! why=$(replace_once "$src/$file" "${froms[$i]}" "${tos[$i]}" 2>&1); then
    echo "NOT FOUND  $title ($file: \"${froms[$i]}\" ${why:-not found})"
    broken+=("$title")
    restore
    continue
  fi
  if ! build; then
    echo "NO BUILD   $title ($file; see $tree/build.log)"
    cp "$tree/build.log" "$tree/build-failed-$i.log"
    broken+=("$title")
  elif run_tests; then
    echo "survived   $title ($file, $(($(date +%s) - start)) s)"
    survived+=("$title")
  else
    failed=$(grep -m1 -oE '\[  FAILED  \] [A-Za-z0-9_./]+' "$tree/test.log" | sed 's/.*\] //' || true)
    echo "caught     $title (${failed:-timeout or crash}, $(($(date +%s) - start)) s)"
    caught=$((caught + 1))
  fi
  restore
done

total=${#titles[@]}
echo "== $caught of $total faults caught ($((100 * caught / total)) %) in ${SECONDS}s"
[ ${#broken[@]} -eq 0 ] || { echo "${#broken[@]} faults could not be applied or built: rewrite them for the code as it is now."; exit 2; }
[ ${#survived[@]} -eq 0 ] || exit 1
