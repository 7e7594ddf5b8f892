#!/usr/bin/env bash
# Installs what Strumly needs to build, run and test on Debian 12.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libfluidsynth-dev fluid-soundfont-gm libasound2-dev libpulse-dev libhidapi-dev libudev-dev
  libaubio-dev libfftw3-dev
  fonts-liberation
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format clang-tidy
  espeak-ng sox xvfb x11-apps imagemagick poppler-utils
  desktop-file-utils appstream
  dpkg-dev file
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq "${missing[@]}"
fi
