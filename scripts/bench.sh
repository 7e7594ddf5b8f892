#!/usr/bin/env bash
# Builds every benchmark into build/ (or $1) and runs each executable found in <build>/bench/,
# one after another so they do not disturb each other's timings. Figures go to stdout.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTRUMLY_BUILD_BENCH=ON >/dev/null
targets=()
for src in bench/*.cpp; do
  targets+=("$(basename "${src%.cpp}")")
done
if [ ${#targets[@]} -eq 0 ]; then
  echo "no benchmarks in bench/"
  exit 0
fi
cmake --build "$BUILD_DIR" -j "$(nproc)" --target "${targets[@]}"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
status=0
for exe in "$BUILD_DIR"/bench/*; do
  [ -f "$exe" ] && [ -x "$exe" ] || continue
  echo "=== $(basename "$exe")"
  "$exe" || { echo "!!! $(basename "$exe") failed with status $?"; status=1; }
  echo
  # The page redraws again at twice the pixels, as on a 200 % desktop: each 2x figure should stay
  # within twice its 1x figure.
  case $(basename "$exe") in
  bench_chordpage | bench_playpage | bench_fretboard | bench_tabview)
    echo "=== $(basename "$exe") at 2x"
    QT_SCALE_FACTOR=2 "$exe" || { echo "!!! $(basename "$exe") at 2x failed with status $?"; status=1; }
    echo
    ;;
  esac
done
exit $status
