#!/usr/bin/env bash
# Builds Navora and runs the whole test suite. Installs missing Debian
# packages first. Options: --sanitize builds with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
navora_install_packages "${NAVORA_PACKAGES[@]}"

build=build
extra=()
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  extra=(-DNAVORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build" -G Ninja "${extra[@]}"
cmake --build "$build" -j "$jobs"
cd "$build"
ctest --output-on-failure -j "$jobs"
