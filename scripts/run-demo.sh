#!/usr/bin/env bash
# Builds Navora and starts it on a writable copy of the demo program
# directory. The copy is made on the first run (default: ~/Navora-Demo, or
# $NAVORA_DEMO_DIR); the source tree is never written.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
source scripts/deps.sh
navora_install_packages "${NAVORA_PACKAGES[@]}"

cmake -S . -B build -G Ninja
cmake --build build -j "$(nproc 2>/dev/null || echo 2)" --target navora-cli $(test -f app/gui/main.cpp && echo navora)

demo="${NAVORA_DEMO_DIR:-$HOME/Navora-Demo}"
if [ ! -d "$demo" ]; then
  mkdir -p "$demo"
  cp -R demo/. "$demo/"
  echo "Demo program directory created: $demo"
fi
cd "$demo"
if [ -x "$root/build/navora" ]; then
  exec "$root/build/navora" "$@"
else
  exec "$root/build/navora-cli" settings "$@"
fi
