#!/usr/bin/env bash
# Starts the prefix's wineserver and Wine's system processes once, detached from our
# output: started by a test instead, they would inherit CTest's output pipe and keep it
# open after the test ends.
. "$(dirname "$0")/wine-env.sh"
/usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1
"$KV_WINE" cmd /c exit </dev/null >/dev/null 2>&1
exit 0
