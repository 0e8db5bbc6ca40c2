#!/usr/bin/env bash
# Fetches the pinned third-party C sources from the npm registry (deps/package-lock.json), and lays out
# patched copies for the build: DIR/sundown (Markdown) and DIR/minizip (unzip.c, ioapi.c).
# Nothing fetched here is ever committed.
set -eu
dir=${1:?usage: fetch-deps.sh DIR}
top=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$dir"
stamp="$dir/.stamp"
want=$(cat "$top/deps/package-lock.json" "$top"/deps/patches/*.patch 2>/dev/null | sha256sum | cut -c1-16)
[ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ] && exit 0

cp "$top/deps/package.json" "$top/deps/package-lock.json" "$dir/"
(cd "$dir" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error >/dev/null)

rm -rf "$dir/sundown" "$dir/minizip"
mkdir -p "$dir/sundown" "$dir/minizip"
cp "$dir"/node_modules/robotskirt/src/*.[ch] "$dir/sundown/"
mz=$(find "$dir/node_modules/node-minizip" -name unzip.c -path '*minizip*' | head -n 1)
cp "$(dirname "$mz")"/{unzip.c,unzip.h,ioapi.c,ioapi.h,crypt.h} "$dir/minizip/"
for p in "$top"/deps/patches/sundown-*.patch; do
  [ -e "$p" ] && patch -s -d "$dir/sundown" -p1 < "$p"
done
# The npm package reaches zlib.h by its own folder layout; ours is Debian's MinGW zlib on the include path.
for p in "$top"/deps/patches/minizip-*.patch; do
  [ -e "$p" ] && patch -s -d "$dir/minizip" -p1 < "$p"
done
echo "$want" > "$stamp"
