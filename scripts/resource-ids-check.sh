#!/bin/bash
# Checks that no two strings, and no two commands, of the editor's resource header share a
# number: a string loaded by the wrong id shows another text without any error.
# Usage: resource-ids-check.sh <resource.h> [more headers...]
set -u
clashes=$(grep -h '^#define \(IDS_\|ID_\)' "$@" | awk '{kind = ($2 ~ /^IDS_/) ? "IDS" : "ID"; print kind, $3, $2}' |
  sort -k1,1 -k2,2n | awk '$1 == kind && $2 == number {print prev " and " $3 " are both " $2}
                           {kind = $1; number = $2; prev = $3}')
if [ -n "$clashes" ]; then
  echo "resource-ids-check: $clashes" >&2
  exit 1
fi
echo "resource-ids-check: every string and command id is used once"
