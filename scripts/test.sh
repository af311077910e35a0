#!/usr/bin/env bash
# Installs what is missing, builds Kestrel 2019 and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
build_dir=${KESTREL_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=${KESTREL_BUILD_TYPE:-RelWithDebInfo} ${KESTREL_CMAKE_ARGS:-}
cmake --build "$build_dir"
# The printing tests need a print queue; it is started here when the machine can.
if [[ -x scripts/print-queue.sh ]]; then
  scripts/print-queue.sh start
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
