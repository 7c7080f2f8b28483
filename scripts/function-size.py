#!/usr/bin/env python3
"""Lists every function whose body runs over a limit of lines.

Reads sources as clang-format writes them (scripts/check-style.sh checks the
format first): a definition starts at a line that opens a brace after a
parameter list, at namespace or class level, and ends at the closing brace on
the same indentation. Lambdas and local classes count towards the function
that holds them. Exit status 1 when any function is too long.
  function-size.py [--max N] FILE...
"""
import re
import sys

CONTROL = re.compile(r"^\s*(if|else|for|while|switch|do|catch|try|return|namespace|class|struct|union|enum)\b")
# A line that ends a signature and opens its body: "...) {", "...) const {",
# "...) override {", "... -> T {", or a constructor's initialiser list ": a_(x) {".
OPENS = re.compile(r"\)\s*(const\s*)?(noexcept\s*)?(override\s*|final\s*)*(->[^{]*)?\{\s*(//.*)?$|^\s*:.*\{\s*$|^\s*,.*\{\s*$")


def signature_start(lines, i):
    """The first line of the declaration whose body opens on line i."""
    j = i
    while j > 0:
        prev = lines[j - 1].rstrip()
        if prev == "" or prev.endswith((";", "}", "{")) or prev.lstrip().startswith(("//", "#", "public:", "private:", "protected:")):
            break
        if len(prev) - len(prev.lstrip()) > len(lines[i]) - len(lines[i].lstrip()) and not lines[j].lstrip().startswith(":"):
            j -= 1
            continue
        j -= 1
    return j


def long_functions(path, limit):
    lines = open(path, encoding="utf-8", errors="replace").read().split("\n")
    found, i = [], 0
    while i < len(lines):
        line = lines[i]
        if OPENS.search(line) and not CONTROL.match(line) and "=" not in line.split("(")[0].split("[")[0]:
            start = signature_start(lines, i)
            indent = len(lines[start]) - len(lines[start].lstrip())
            if indent <= 4 and not CONTROL.match(lines[start]):
                end = i + 1
                closing = " " * indent + "}"
                while end < len(lines) and not (lines[end].startswith(closing) and lines[end][indent + 1 : indent + 2] in ("", ";", " ")):
                    end += 1
                body = end - i - 1
                if body > limit:
                    name = lines[start].strip()
                    found.append(f"{path}:{start + 1}: {body} lines (over {limit}): {name[:90]}")
                i = end
        i += 1
    return found


def main():
    args = sys.argv[1:]
    limit = 60
    if args[:1] == ["--max"]:
        limit, args = int(args[1]), args[2:]
    problems = [p for f in args for p in long_functions(f, limit)]
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
