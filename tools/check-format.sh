#!/bin/sh
# Fails when a C or C++ file of the tree differs from .clang-format: the check
# the test command runs first. Needs clang-format 14 (Debian: clang-format-14);
# other versions format a few constructs differently.
# Usage: tools/check-format.sh [--fix]
set -eu
cd "$(dirname "$0")/.."

formatter=${CLANG_FORMAT:-}
if [ -z "$formatter" ]; then
  for candidate in clang-format-14 clang-format; do
    if command -v "$candidate" >/dev/null 2>&1; then
      formatter=$candidate
      break
    fi
  done
fi
if [ -z "$formatter" ]; then
  echo "check-format: clang-format 14 not found (install clang-format-14)" >&2
  exit 1
fi
case "$("$formatter" --version)" in
  *"version 14."*) ;;
  *) echo "check-format: $formatter is not version 14; results may differ" >&2 ;;
esac

# The sources git knows or would track (new files too), else every source below
# the source folders; build trees and assembler files are never looked at.
list_sources() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files --cached --others --exclude-standard -- '*.c' '*.cpp' '*.h' |
      while read -r file; do [ -f "$file" ] && echo "$file"; done
  else
    find SFSEPluginCLib include src sim tests tools fuzz -type f \( -name '*.c' -o -name '*.cpp' -o -name '*.h' \)
  fi
}

if [ "${1:-}" = "--fix" ]; then
  list_sources | xargs "$formatter" -i
  exit 0
fi
if ! list_sources | xargs "$formatter" --dry-run --Werror; then
  echo "check-format: run tools/check-format.sh --fix, or keep a hand-laid construct between // clang-format off and on" >&2
  exit 1
fi
