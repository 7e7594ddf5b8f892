#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over the named sources, or over every .cpp of
# src/, fuzz/ and tools/ when none are named. Needs only a configured tree for its
# compile_commands.json (build-tidy/, configured here when missing; nothing is compiled).
#   scripts/tidy.sh                          # report
#   scripts/tidy.sh --check src/core/x.cpp   # fail when any check fires
#   scripts/tidy.sh --fix fuzz/fuzz_ini.cpp  # apply the checks' fixes (only to files you own)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${STRUMLY_TIDY_BUILD_DIR:-build-tidy}
JOBS=${STRUMLY_JOBS:-$(nproc)}
mode=report
case "${1:-}" in
  --check) mode=check; shift ;;
  --fix) mode=fix; shift ;;
esac
if [ ! -f "$BUILD_DIR/compile_commands.json" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
fi
# Qt's generated headers must exist for the GUI sources to parse.
cmake --build "$BUILD_DIR" --target strumly_gui_autogen >/dev/null 2>&1 || true

if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files 'src/*.cpp' 'fuzz/*.cpp' 'tools/*.cpp')
fi
# Fuzz harnesses are not in the normal build; give them the flags of a core source.
extra=(--extra-arg=-I"$PWD/fuzz" --extra-arg=-Wno-unknown-warning-option)
args=(-p "$BUILD_DIR" --quiet "${extra[@]}")
[ "$mode" = fix ] && args+=(--fix)

out=$(mktemp)
trap 'rm -f "$out"' EXIT
printf '%s\n' "${files[@]}" | xargs -P "$JOBS" -n 4 clang-tidy "${args[@]}" >"$out" 2>/dev/null || true
grep -E '^/.*(warning|error):' "$out" | sort -u || true
count=$(grep -cE '^/.*(warning|error):' "$out" || true)
echo "clang-tidy: $count finding(s) in ${#files[@]} file(s)" >&2
if [ "$mode" = check ] && [ "$count" -gt 0 ]; then exit 1; fi
