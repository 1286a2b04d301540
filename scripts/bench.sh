#!/usr/bin/env bash
# Runs every benchmark program of the build under Wine, one after the other.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
"$(dirname "$0")/wine-start.sh"
for bench in "$KV_BUILD"/bin/*_bench.exe; do
  echo "== $(basename "$bench" .exe)"
  "$(dirname "$0")/wine-run.sh" "$bench"
  echo
done
