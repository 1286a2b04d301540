#!/usr/bin/env bash
# `make run`: opens KVMemo under Wine on the help memo (FILE=path for another file).
# With a display the window appears there; without one, a virtual display is started, the
# window is photographed after a few seconds and the screenshot's path is printed.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
file=${FILE:-$KV_BUILD/bin/help/help.kvm}
winpath="Z:$(realpath "$file" | tr / '\\')"
program="$KV_BUILD/bin/KVMemo.exe"
if [ -n "${DISPLAY:-}" ]; then
  "$(dirname "$0")/wine-start.sh"
  exec "$KV_WINE" "$program" "$winpath"
fi
pidfile=$KV_BUILD/run-xvfb.pid
DISPLAY=$("$(dirname "$0")/xvfb-start.sh" "$pidfile")
export DISPLAY
trap '"$(dirname "$0")/xvfb-stop.sh" "$pidfile"' EXIT
"$(dirname "$0")/wine-start.sh"
# Wine's virtual desktop draws real title bars and frames around the window.
"$KV_WINE" explorer /desktop=KVMemo,1024x768 "$program" "$winpath" >/dev/null 2>&1 &
sleep 6
shot=$KV_BUILD/kvmemo.png
import -window root -crop 1024x768+0+0 "$shot"
"$KV_WINE" taskkill /f /im KVMemo.exe >/dev/null 2>&1 || true
echo "No display: KVMemo ran on a virtual one. What it showed: $shot"
echo "Run with DISPLAY set (for example under an X session) to use the window."
