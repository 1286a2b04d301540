#!/usr/bin/env bash
# Runs every benchmark program of the build under Wine, one after the other. The memo
# editor's start and keystroke benchmark needs windows: without a display, a virtual one
# is started for the run.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
if [ -z "${DISPLAY:-}" ]; then
  pidfile=$KV_BUILD/bench-xvfb.pid
  DISPLAY=$("$(dirname "$0")/xvfb-start.sh" "$pidfile")
  export DISPLAY
  trap '"$(dirname "$0")/xvfb-stop.sh" "$pidfile"' EXIT
fi
"$(dirname "$0")/wine-start.sh"
for bench in "$KV_BUILD"/bin/*_bench.exe; do
  echo "== $(basename "$bench" .exe)"
  "$(dirname "$0")/wine-run.sh" "$bench"
  echo
done
