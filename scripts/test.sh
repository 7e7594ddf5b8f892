#!/usr/bin/env bash
# Fresh machine to tested program: install, build, run every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
export QT_QPA_PLATFORM=offscreen STRUMLY_NO_SPLASH=1
ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 300
