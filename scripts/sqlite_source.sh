#!/usr/bin/env bash
# Unpacks SQLite's amalgamation (sqlite3.c, sqlite3.h) into build/sqlite, from the npm package
# that ships it as C source; builds that compile SQLite themselves (WebAssembly, Windows) read
# it there. Prints the folder. Usage: scripts/sqlite_source.sh
set -euo pipefail
cd "$(dirname "$0")/.."
package=better-sqlite3@12.11.1
out=$PWD/build/sqlite
if [ ! -f "$out/sqlite3.c" ]; then
  work=$(mktemp -d "$PWD/build/sqlite-fetch.XXXXXX")
  trap 'rm -rf "$work"' EXIT
  (cd "$work" && npm pack --silent "$package" >/dev/null && tar xzf ./*.tgz package/deps/sqlite3)
  rm -rf "$out" && mv "$work/package/deps/sqlite3" "$out"
fi
echo "$out"
