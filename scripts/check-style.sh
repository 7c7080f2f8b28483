#!/usr/bin/env bash
# One style, checked:
#  1. every C++ file as clang-format writes it (.clang-format);
#  2. no production function over 60 lines (scripts/function-size.py);
#  3. with --tidy, clang-tidy's small set (.clang-tidy: bugprone, performance,
#     override, function size) over every production source; with
#     --tidy-changed over the sources the newest commit changed (a header
#     counts for the source of its name). The whole program takes four to five
#     minutes on two cores, more than CI's time budget holds, so CI checks
#     what the commit being landed changed and scripts/run-tests.sh checks
#     everything outside CI. Needs a configured build tree for the compile
#     commands (BUILD_DIR, default build/).
# FIX=1 reformats in place before checking.
set -euo pipefail
export LC_ALL=C # one sort order for the lists compared below
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
cd "$root"
mapfile -t sources < <(git ls-files '*.cpp' '*.h' '*.ipp' '*.tpp')
mapfile -t production < <(printf '%s\n' "${sources[@]}" | grep -v '^tests/')

echo "== Format (${#sources[@]} files)"
if [ "${FIX:-}" = 1 ]; then clang-format -i "${sources[@]}"; fi
if ! clang-format --dry-run --Werror "${sources[@]}"; then
  echo "Formatting differs: FIX=1 bash scripts/check-style.sh reformats."
  exit 1
fi

echo "== Function size (${#production[@]} files)"
python3 "$root/scripts/function-size.py" --max 60 "${production[@]}"

# The sources the newest commit changed, as compiled units (for a merge: all
# it brought in); none when the clone holds a single commit.
changed_units() {
  git rev-parse -q --verify HEAD~1 >/dev/null || return 0
  git diff --name-only HEAD~1 HEAD -- '*.cpp' '*.h' | sed -E 's/\.h$/.cpp/' |
    while IFS= read -r f; do [ -f "$f" ] && echo "$root/$f"; done | sort -u
}

if [ "${1:-}" = --tidy ] || [ "${1:-}" = --tidy-changed ]; then
  # The units the build compiles for the programs and libraries, not the tests'.
  mapfile -t units < <(sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$build/compile_commands.json" |
    grep -v -e '/tests/' -e '_autogen/' -e '/qrc_' -e 'cmake_pch' | sort -u)
  if [ "$1" = --tidy-changed ]; then
    mapfile -t units < <(comm -12 <(printf '%s\n' "${units[@]}") <(changed_units))
    if [ ${#units[@]} -eq 0 ]; then
      echo "== Tidy: no program source changed by the newest commit"
      echo "== Style checked."
      exit 0
    fi
  fi
  echo "== Tidy (${#units[@]} units)"
  # The compile commands without GCC's precompiled headers, which clang
  # cannot read, and GCC's own warning options.
  commands="$build/tidy"
  mkdir -p "$commands"
  sed -E 's# -include [^ ]*cmake_pch\.hxx##g; s# -Winvalid-pch##g' "$build/compile_commands.json" \
    >"$commands/compile_commands.json"
  log="$build/tidy.log"
  if ! printf '%s\n' "${units[@]}" | xargs -P "$(nproc)" -n 1 clang-tidy -p "$commands" --quiet \
      --extra-arg=-Wno-unknown-warning-option >"$log" 2>/dev/null; then
    grep -E "(warning|error):" "$log" | sort -u
    echo "clang-tidy found the problems above (full output: $log)."
    exit 1
  fi
fi
echo "== Style checked."
