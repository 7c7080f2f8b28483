#!/usr/bin/env bash
# The function-size check on scratch files: each shape of definition the
# formatter writes is found when one line too long, and passes at the limit.
set -euo pipefail
check="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
# N statements and a two-line lambda, indented by $2 under the definition.
body() {
  for ((i = 0; i < $1; i++)); do echo "$2    x += $i;"; done
  echo "$2    auto g = [&] {"
  echo "$2    };"
}

# name, opening lines, closing line: one shape a case.
shapes=(
  "free|int f(int x) {|}"
  "member|void TForm::Build() const {|}"
  "ctor|TForm::TForm(QWidget* parent)\n    : QWidget(parent), a_(1) {|}"
  "wrapped|std::string Render(const Comparison& c,\n                   Format format) {|}"
  "inline|    void Refresh() override {|    }"
)
failed=0
for shape in "${shapes[@]}"; do
  IFS='|' read -r name open close <<<"$shape"
  for n in 60 61; do
    f="$dir/$name$n.cpp"
    indent="${close%\}}"
    { printf '%b\n' "$open"; body "$n" "$indent"; printf '%s\n' "$close"; } >"$f"
    # The lambda's two lines count: 60 + 2 is over.
    lines=$((n + 2))
    if python3 "$check" --max $((lines - 1)) "$f" >/dev/null; then
      echo "not found: $name with $lines lines over $((lines - 1))"; failed=1
    fi
    if ! python3 "$check" --max "$lines" "$f" >/dev/null; then
      echo "wrongly found: $name with $lines lines at the limit $lines"; failed=1
    fi
  done
done
exit "$failed"
