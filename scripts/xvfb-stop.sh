#!/usr/bin/env bash
# Stops the Xvfb that xvfb-start.sh started, by the process id it wrote. Usage: xvfb-stop.sh PIDFILE
set -uo pipefail
pidfile=${1:?usage: xvfb-stop.sh PIDFILE}
[ -f "$pidfile" ] || exit 0
pid=$(cat "$pidfile")
# Only our own server: the id must still belong to an Xvfb process.
if [ "$(ps -o comm= -p "$pid" 2>/dev/null)" = "Xvfb" ]; then
  kill "$pid"
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
fi
rm -f "$pidfile"
