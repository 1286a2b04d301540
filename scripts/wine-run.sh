#!/usr/bin/env bash
# Runs a Windows program of the build under Wine; CTest uses it as the emulator.
# A persistent wineserver makes each start take a tenth of a second instead of seconds.
. "$(dirname "$0")/wine-env.sh"
/usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1
exec "$KV_WINE" "$@"
