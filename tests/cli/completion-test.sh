#!/usr/bin/env bash
# sdftool's bash completion, driven as bash drives it: each line typed so
# far, and the words that must (or must not) be offered.
# Usage: completion-test.sh COMPLETION_FILE SDFTOOL
set -euo pipefail
script="$(realpath "$1")" sdftool="$(realpath "$2")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir fleet
touch Dreadnought.sdf KONGO.SDF battle.json plan.png notes.txt

# Runs the completion in a fresh shell for the line typed so far.
complete_line() {
  bash --norc --noprofile -c '
    source "$1"
    read -r -a COMP_WORDS <<<"$2"
    [[ $2 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _sdftool
    printf "%s\n" "${COMPREPLY[@]}"' _ "$script" "$1"
}

failures=0
check() { # LINE WANTED [UNWANTED]
  local got
  got=$(complete_line "$1" | sort | tr '\n' ' ')
  for w in $2; do [[ " $got" == *" $w "* ]] || { echo "FAIL: '$1' offers [$got], not $w" >&2; failures=$((failures + 1)); }; done
  for w in ${3:-}; do [[ " $got" != *" $w "* ]] || { echo "FAIL: '$1' offers $w" >&2; failures=$((failures + 1)); }; done
}

[[ $(bash --norc --noprofile -c 'source "$1"; complete -p sdftool' _ "$script") == "complete -F _sdftool sdftool" ]] ||
  { echo "FAIL: complete -p sdftool" >&2; failures=$((failures + 1)); }
check "sdftool " "check explore list --version --help"
check "sdftool ex" "explore" "engage"
check "sdftool check " "Dreadnought.sdf KONGO.SDF fleet" "battle.json notes.txt"
check "sdftool battle " "battle.json fleet" "Dreadnought.sdf"
check "sdftool data " "" "Dreadnought.sdf"
check "sdftool engage a.sdf b.sdf --wea" "--weather"
check "sdftool engage a.sdf b.sdf --weather h" "haze heavy-rain" "hurricane"
check "sdftool engage a.sdf b.sdf --battery " "1 2 3"
check "sdftool explore a.sdf --vary main-" "main-calibre= main-turrets="
check "sdftool explore a.sdf --objective belt" "belt belt-safe:"
check "sdftool list --sort Po" "PointValue"
check "sdftool render a.sdf --out " "plan.png fleet" "Dreadnought.sdf"
check "sdftool sheet a.sdf --paper " "a4 letter"
check "sdftool list --data " "fleet" "Dreadnought.sdf"

# Every option a verb's --help lists is offered after "--".
verbs=$("$sdftool" --help | sed -n '/^Verbs:/,/^Options:/p' | grep -E '^  [a-z]' | awk '{print $1}')
for verb in $verbs; do
  check "sdftool $verb --" "$("$sdftool" "$verb" --help | grep -o -E -- '^ +--[a-z][a-z-]*' | tr -d ' ' | tr '\n' ' ')"
done

[[ $failures -eq 0 ]] || exit 1
echo "completion offers what sdftool takes"
