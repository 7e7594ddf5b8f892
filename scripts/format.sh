#!/usr/bin/env bash
# clang-format with the project's .clang-format over the named files, or over every tracked
# .cpp and .h when none are named.
#   scripts/format.sh                 # rewrite in place
#   scripts/format.sh --check [files] # list what is not formatted, fail if anything is
set -euo pipefail
cd "$(dirname "$0")/.."
check=0
if [ "${1:-}" = --check ]; then check=1; shift; fi
if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
fi
[ ${#files[@]} -gt 0 ] || exit 0
if [ $check -eq 1 ]; then
  bad=()
  for f in "${files[@]}"; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
  done
  if [ ${#bad[@]} -gt 0 ]; then
    printf 'not formatted: %s\n' "${bad[@]}" >&2
    exit 1
  fi
  echo "formatted: ${#files[@]} file(s)"
else
  clang-format -i "${files[@]}"
fi
