#!/usr/bin/env bash
# The manual pages say what --help says: every option the help of sdftool,
# of each of its verbs and of shipdesigner lists is in the page, every verb
# has its section, both programs give the one version, and man renders the
# pages without a warning.
# Usage: manuals-test.sh SDFTOOL SHIPDESIGNER|- MANUALS_DIR VERSION
set -euo pipefail
sdftool="$1" designer="$2" pages="$3" version="$4"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The page as plain text: escapes and font changes taken out.
plain() { sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' -e 's/\\e/\\/g' "$1"; }
options_of() { grep -o -E -- '--[a-z][a-z-]*' | sort -u; }

check_help() { # HELP_TEXT PAGE WHAT
  local page_text
  page_text=$(plain "$2")
  while read -r option; do
    [[ -z $option ]] && continue
    grep -q -F -- "$option" <<<"$page_text" || fail "$3 lists $option, $(basename "$2") does not"
  done < <(options_of <<<"$1")
}

help=$("$sdftool" --help)
check_help "$help" "$pages/sdftool.1" "sdftool --help"
verbs=$(sed -n '/^Verbs:/,/^Options:/p' <<<"$help" | grep -E '^  [a-z]' | awk '{print $1}')
[[ $(wc -w <<<"$verbs") -ge 12 ]] || fail "sdftool --help lists only: $verbs"
for verb in $verbs; do
  check_help "$("$sdftool" "$verb" --help)" "$pages/sdftool.1" "sdftool $verb --help"
  grep -q "^\.SS \"sdftool $verb\"" "$pages/sdftool.1" || fail "sdftool.1 has no section for $verb"
done

pages_list=("$pages/sdftool.1")
[[ $("$sdftool" --version | head -n 1) == "sdftool $version" ]] || fail "sdftool --version: $("$sdftool" --version)"
if [[ $designer != - ]]; then
  check_help "$("$designer" --help)" "$pages/shipdesigner.1" "shipdesigner --help"
  [[ $("$designer" --version | head -n 1) == "shipdesigner $version" ]] ||
    fail "shipdesigner --version: $("$designer" --version)"
  pages_list+=("$pages/shipdesigner.1")
fi

for page in "${pages_list[@]}"; do
  grep -q "^\.TH [A-Z]* 1 .* \"shipdesigner $version\"" "$page" || fail "$(basename "$page") names another version"
  if command -v man >/dev/null; then
    warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null || true)
    [[ -z $warnings ]] || fail "man warns on $(basename "$page"): $warnings"
  fi
done

[[ $failures -eq 0 ]] || exit 1
echo "manual pages agree with --help"
