#!/usr/bin/env bash
# One style, checked: every C++ file as clang-format writes it, and the
# production sources through clang-tidy's small set (.clang-tidy: no function
# over 60 lines, bugprone, performance, override). Needs a configured build
# tree for the compile commands (BUILD_DIR, default build/).
#   bash scripts/check-style.sh            # both checks
#   FIX=1 bash scripts/check-style.sh      # reformat in place, then check tidy
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
cd "$root"
mapfile -t sources < <(git ls-files '*.cpp' '*.h' '*.ipp' '*.tpp')

echo "== Format (${#sources[@]} files)"
if [ "${FIX:-}" = 1 ]; then clang-format -i "${sources[@]}"; fi
if ! clang-format --dry-run --Werror "${sources[@]}"; then
  echo "Formatting differs: run FIX=1 bash scripts/check-style.sh (or clang-format -i on the files above)."
  exit 1
fi

# The translation units the build compiles for the programs and libraries
# (unity batches where the build batches them), not the tests'.
echo "== Tidy"
mapfile -t units < <(sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$build/compile_commands.json" |
  grep -v -e '/tests/' -e '_autogen/' -e '/qrc_' | sort -u)
printf '%s\n' "${units[@]}" | xargs -P "$(nproc)" -n 1 \
  clang-tidy -p "$build" --quiet --warnings-as-errors='*' 2>/dev/null >"$build/tidy.log" || {
  grep -E "(warning|error):" "$build/tidy.log" | sort -u
  echo "clang-tidy found the problems above (full output: $build/tidy.log)."
  exit 1
}
echo "== Style passed: ${#units[@]} units tidy."
