#!/usr/bin/env bash
# `make run`: the memo editor does not exist yet, so this runs KVDump.exe, which reads a
# memo file (or plain text) through KVObj.dll and prints the objects the library built.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
file=${FILE:-$KV_ROOT/samples/sample.kvm}
echo "KVDump (the memo editor is not built yet): what KVObj.dll reads from $file"
echo
"$(dirname "$0")/wine-start.sh"
"$(dirname "$0")/wine-run.sh" "$KV_BUILD/bin/KVDump.exe" "$file"
