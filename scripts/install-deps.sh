#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Kestrel 2019 need.
# Usage: scripts/install-deps.sh [--tests]
set -euo pipefail

packages=(cmake ninja-build g++ ccache pkg-config
          qt6-base-dev qt6-pdf-dev libqt6sql6-sqlite libgl-dev fonts-dejavu-core)
if [[ "${1:-}" == "--tests" ]]; then
  # A real print queue for the printing tests, PDF tools to read its output, clang for the
  # sanitizer and fuzzing builds.
  packages+=(cups printer-driver-cups-pdf poppler-utils clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  [[ $(id -u) -eq 0 ]] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
