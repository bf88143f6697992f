#!/usr/bin/env bash
# Writes the README's pictures (main window and two dialogs) from the program
# as built. Usage: doc-screenshots.sh [BUILD_DIR] [OUTDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}; out=${2:-docs/screenshots}
cmake --build "$build" --target kalivo-doc-screenshots >/dev/null
QT_QPA_PLATFORM=offscreen "$build/tools/kalivo-doc-screenshots" "$out"
