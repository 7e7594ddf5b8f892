#!/usr/bin/env bash
# Fresh machine to tested program: install, build, run every test, then build the Debian package,
# install it, run it as an ordinary user and remove it; then the same suite under AddressSanitizer
# and UndefinedBehaviorSanitizer (build-asan/) and a 5-second fuzz of every file reader
# (build-fuzz/). STRUMLY_QUICK=1 stops after the package check.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
stage() { printf '\n== %s (%s)\n' "$1" "$(date +%T)"; }
start=$SECONDS

stage "build and test"
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
export QT_QPA_PLATFORM=offscreen STRUMLY_NO_SPLASH=1
ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 300
echo "normal suite: $((SECONDS - start)) s"

t=$SECONDS
stage "Debian package"
scripts/package-check.sh build
echo "package check: $((SECONDS - t)) s"

if [ "${STRUMLY_QUICK:-0}" = 1 ]; then exit 0; fi

t=$SECONDS
stage "sanitizer build and test"
scripts/sanitize.sh
echo "sanitizer suite: $((SECONDS - t)) s"

t=$SECONDS
stage "fuzz smoke"
scripts/fuzz.sh 5
echo "fuzz smoke: $((SECONDS - t)) s; all stages: $((SECONDS - start)) s"
