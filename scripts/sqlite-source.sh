#!/usr/bin/env bash
# Puts SQLite's amalgamation (sqlite3.c, sqlite3.h) into build/sqlite/, taken from a pinned
# npm package that carries it and checked against the checksum kept in scripts/sqlite.sha256.
# The source is never part of the repository. Safe to run again: it does nothing once there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dest=$root/build/sqlite
package=better-sqlite3@12.11.1
[ -f "$dest/sqlite3.c" ] && [ -f "$dest/sqlite3.h" ] && exit 0
# Any npm will do (the machine may carry its own Node.js); Debian's when there is none.
if ! command -v npm >/dev/null; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends npm >/dev/null
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "$package" >/dev/null)
tarball=$(ls "$work"/*.tgz)
expected=$(cut -d' ' -f1 "$root/scripts/sqlite.sha256")
[ "$(sha256sum "$tarball" | cut -d' ' -f1)" = "$expected" ] || {
  echo "sqlite-source: the checksum of $package does not match scripts/sqlite.sha256" >&2
  exit 1
}
tar -xzf "$tarball" -C "$work" package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h
mkdir -p "$dest"
mv "$work"/package/deps/sqlite3/sqlite3.[ch] "$dest"/
echo "sqlite-source: SQLite $(grep -m1 '#define SQLITE_VERSION ' "$dest/sqlite3.h" | cut -d'"' -f2) in $dest"
