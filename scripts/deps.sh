#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need, when
# they are missing: through apt-get as root, otherwise through sudo; without
# either it prints the exact command and fails.
set -euo pipefail

NAVORA_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-translations-l10n libusb-1.0-0-dev
  fonts-liberation2 poppler-utils
)

navora_missing_packages() {
  local missing=()
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  echo "${missing[@]:-}"
}

navora_install_packages() {
  local missing
  missing=$(navora_missing_packages "$@")
  [ -z "$missing" ] && return 0
  echo "Installing missing packages: $missing"
  local cmd="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing"
  if [ "$(id -u)" -eq 0 ]; then
    sh -c "$cmd"
  elif command -v sudo >/dev/null 2>&1; then
    sudo sh -c "$cmd"
  else
    echo "Please install the missing packages as root:" >&2
    echo "  $cmd" >&2
    exit 1
  fi
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  navora_install_packages "${NAVORA_PACKAGES[@]}" "$@"
fi
