#!/usr/bin/env bash
# `make release`: one installer and one zip per architecture in build/release/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rm -rf "$root/build/release"
mkdir -p "$root/build/release"
for arch in x86_64 i686; do
  "$root/scripts/package.sh" "$arch" "$root/build/release"
done
ls -l "$root/build/release"
