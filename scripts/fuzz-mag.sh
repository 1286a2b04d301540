#!/usr/bin/env bash
# Fuzzes the MAG decoder core natively (libFuzzer, AddressSanitizer, UBSan) for SECONDS
# seconds, starting from the test encoder's pictures. Usage: scripts/fuzz-mag.sh [SECONDS]
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
src=$root/plugins/magfilter
out=${KV_FUZZ_OUT:-$root/build/fuzz-mag}
mkdir -p "$out/corpus" "$out/seeds"

core=("$src"/core/*.cpp)
fuzzer=$out/mag_fuzz
# Rebuild when any source is newer than the fuzzer.
if [ ! -x "$fuzzer" ] || [ -n "$(find "$src/core" "$src/fuzz" "$src/tests/MagEncoder.cpp" "$src/tests/MagEncoder.h" -newer "$fuzzer" -print -quit)" ]; then
  clang++ -std=c++17 -O1 -g -Wall -Wextra -I"$src" -I"$src/tests" \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    "${core[@]}" "$src/fuzz/MagFuzzTarget.cpp" -o "$fuzzer"
  clang++ -std=c++17 -O1 -Wall -Wextra -I"$src/tests" \
    "$src/tests/MagEncoder.cpp" "$src/fuzz/MagSeedWriter.cpp" -o "$out/mag_seeds"
  "$out/mag_seeds" "$out/seeds"
fi

echo "fuzz-mag: fuzzing the MAG decoder for ${seconds}s (corpus $out/corpus)"
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$out/" "$out/corpus" "$out/seeds" 2>"$out/last-run.log" || {
  tail -40 "$out/last-run.log"; echo "fuzz-mag: FAILED, see $out/last-run.log"; exit 1; }
grep -E '^Done|stat::number_of_executed_units|stat::peak_rss' "$out/last-run.log"
