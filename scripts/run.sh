#!/usr/bin/env bash
# `make run`: the memo editor does not exist yet, so this runs KVDump.exe, which opens a
# memo file (or plain text) through KVObj.dll as the editor will, prints the objects the
# library built, and draws the memo into build/x86_64/memo.png to look at.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
file=${FILE:-$KV_ROOT/samples/sample.kvm}
picture=$KV_BUILD/memo.png
echo "KVDump (the memo editor is not built yet): what KVObj.dll reads from $file"
echo
"$(dirname "$0")/wine-start.sh"
"$(dirname "$0")/wine-run.sh" "$KV_BUILD/bin/KVDump.exe" "$file" --render "$KV_BUILD/memo.bmp"
convert "$KV_BUILD/memo.bmp" "$picture" && rm -f "$KV_BUILD/memo.bmp"
echo
echo "The memo as the library draws it: $picture"
