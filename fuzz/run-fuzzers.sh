#!/usr/bin/env bash
# Builds the fuzz targets with clang, writes their seed corpus with the
# program's own writers and runs each target for SECONDS (default 30).
# Fails when a target reports a crash, a sanitizer finding or a leak.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
build="${KALIVO_FUZZ_BUILD_DIR:-build-fuzz}"
targets=(tyros_bank_fuzzer tyros_regfile_fuzzer)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DKALIVO_GUI=OFF -DKALIVO_TESTS=OFF -DKALIVO_BENCH=OFF -DKALIVO_FUZZ=ON >/dev/null
cmake --build "$build" --target tyros_seed_writer "${targets[@]}"

corpus="$build/fuzz-corpus"
artifacts="$build/fuzz-findings"
rm -rf "$corpus"
mkdir -p "$corpus/tyros_bank_fuzzer" "$corpus/tyros_regfile_fuzzer" "$artifacts"
"$build/fuzz/tyros_seed_writer" "$corpus/tyros_bank_fuzzer" "$corpus/tyros_regfile_fuzzer"

for target in "${targets[@]}"; do
  echo "== $target for ${seconds}s"
  "$build/fuzz/$target" -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts/$target-" "$corpus/$target"
done
echo "fuzzing: no findings"
