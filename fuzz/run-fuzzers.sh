#!/usr/bin/env bash
# Builds the fuzz targets with clang, writes their seed corpus with the
# program's own writers and runs each target for SECONDS (default 30).
# Fails when a target reports a crash, a sanitizer finding or a leak.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
build="${KALIVO_FUZZ_BUILD_DIR:-build-fuzz}"
targets=(tyros_bank_fuzzer tyros_regfile_fuzzer psr9000_backup_fuzzer psr9000_style_fuzzer
  s917_bank_fuzzer s917_regfile_fuzzer psr_set_fuzzer psr_regfile_fuzzer voice_list_fuzzer)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DKALIVO_GUI=OFF -DKALIVO_TESTS=OFF -DKALIVO_BENCH=OFF -DKALIVO_FUZZ=ON >/dev/null
cmake --build "$build" --target tyros_seed_writer psr9000_seed_writer s917_seed_writer psr_seed_writer "${targets[@]}"

corpus="$build/fuzz-corpus"
artifacts="$build/fuzz-findings"
rm -rf "$corpus"
for target in "${targets[@]}"; do mkdir -p "$corpus/$target"; done
mkdir -p "$artifacts"
"$build/fuzz/tyros_seed_writer" "$corpus/tyros_bank_fuzzer" "$corpus/tyros_regfile_fuzzer"
"$build/fuzz/psr9000_seed_writer" "$corpus/psr9000_backup_fuzzer" "$corpus/psr9000_style_fuzzer"
"$build/fuzz/s917_seed_writer" "$corpus/s917_bank_fuzzer" "$corpus/s917_regfile_fuzzer"
"$build/fuzz/psr_seed_writer" "$corpus/psr_set_fuzzer" "$corpus/psr_regfile_fuzzer"
cp data/voices/psr9000.tsv data/tyros/voices.tsv "$corpus/voice_list_fuzzer/"
printf '.Patch Names\r\n[P]\r\n0=Piano\r\n[Q]\r\nBasedOn=P\r\n.Instrument Definitions\r\n[I]\r\nBankSelMethod=1\r\nPatch[8]=Q\r\nPatch[*]=P\r\n' \
  >"$corpus/voice_list_fuzzer/seed.ins"

for target in "${targets[@]}"; do
  echo "== $target for ${seconds}s"
  log="$build/$target.log"
  # The run's progress lines go to a log; only a finding shows them.
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts/$target-" "$corpus/$target" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzzing: $target reported a finding (see $artifacts)"
    exit 1
  fi
  grep -E '^stat::number_of_executed_units' "$log" || true
done
echo "fuzzing: no findings"
