#!/usr/bin/env bash
# Starts Xvfb on a free display for the tests that create windows and prints the display
# name (":N"); the server's process id goes to PIDFILE for xvfb-stop.sh.
# Usage: DISPLAY=$(scripts/xvfb-start.sh PIDFILE)
set -euo pipefail
pidfile=${1:?usage: xvfb-start.sh PIDFILE}
mkdir -p "$(dirname "$pidfile")"
fifo=$(mktemp -u)
mkfifo "$fifo"
trap 'rm -f "$fifo"' EXIT
# -displayfd picks the first free display number and writes it once the server accepts
# clients, so no lock file has to be guessed and no fixed sleep is needed.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" </dev/null >/dev/null 2>&1 &
echo $! > "$pidfile"
if ! read -r -t 20 number < "$fifo"; then
  kill "$(cat "$pidfile")" 2>/dev/null || true
  rm -f "$pidfile"
  echo "xvfb-start: Xvfb did not start" >&2
  exit 1
fi
echo ":$number"
