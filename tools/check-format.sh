#!/usr/bin/env bash
# Checks that every C++ file git tracks is formatted by the committed
# .clang-format; lists the files that are not. `tools/check-format.sh --fix`
# formats them in place.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
unformatted=$(clang-format --dry-run "${files[@]}" 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning:.*/\1/p' | sort -u)
if [ -n "$unformatted" ]; then
  echo "check-format: not formatted (run tools/check-format.sh --fix):" >&2
  echo "$unformatted" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files formatted"
