#!/usr/bin/env bash
# Fresh machine to running program: install, build, start.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec build/bin/strumly "$@"
