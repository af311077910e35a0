#!/usr/bin/env bash
# Installs what is missing, builds Kestrel 2019 and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
exec build/app/kestrel2019 "$@"
