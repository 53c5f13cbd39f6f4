#!/usr/bin/env bash
# Builds Navora and starts the desktop program on a writable copy of the demo
# program directory. The copy is made on the first run (default:
# ~/Navora-Demo, or $NAVORA_DEMO_DIR); later runs only add demo files that
# are missing there and never overwrite the user's data. The source tree is
# never written. Arguments are passed on to navora (for example a route file).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
source scripts/deps.sh
navora_install_packages "${NAVORA_PACKAGES[@]}"

cmake -S . -B build -G Ninja
# With Ninja, CMake before 3.27 does not run AUTOMOC again for headers added
# since the last build (their classes then lack their moc code at link time):
# let it look again whenever the configuration has changed.
for info in build/CMakeFiles/*_autogen.dir/AutogenInfo.json; do
  [ -f "$info" ] || continue
  stamp="build/$(basename "$(dirname "$info")" .dir)/timestamp"
  if [ "$info" -nt "$stamp" ]; then rm -f "$stamp"; fi
done
cmake --build build -j "$(nproc 2>/dev/null || echo 2)" --target navora navora-cli

demo="${NAVORA_DEMO_DIR:-$HOME/Navora-Demo}"
if [ ! -d "$demo" ]; then
  mkdir -p "$demo"
  cp -R demo/. "$demo/"
  echo "Demo program directory created: $demo"
else
  cp -R -n demo/. "$demo/"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display: Navora is a desktop program and needs a graphical session" >&2
  echo "(neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "Start it inside a desktop session, or on a virtual display with" >&2
  echo "  xvfb-run -s '-screen 0 1280x1024x24' scripts/run-demo.sh" >&2
  exit 1
fi

cd "$demo"
exec "$root/build/navora" "$@"
