#!/usr/bin/env bash
# Builds the Debian package in a Release build folder of its own, so that the
# Debug build the tests use is left alone. The last line printed is the
# package's path. Usage: build-deb.sh [BUILD_DIR]   (CMAKE_FLAGS adds options)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
# shellcheck disable=SC2086  # CMAKE_FLAGS holds several options
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKALIVO_TESTS=OFF -DKALIVO_BENCH=OFF -DKALIVO_FUZZ=OFF ${CMAKE_FLAGS:-} >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/kalivo_*.deb
cpack --config "$build/CPackConfig.cmake" -B "$build" >/dev/null
ls "$build"/kalivo_*.deb
