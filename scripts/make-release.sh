#!/usr/bin/env bash
# Assembles what a user downloads from the 32-bit release tree: DIR/release/pagewick-VERSION.zip (the program,
# support with its style sheets, support\help with the help notes and the licence, file_info, and the first-run
# settings file) and, beside it, Install.exe. The version comes from the build (CMakeLists.txt names it once).
#   scripts/make-release.sh [BUILD_DIR]
set -eu
build=${1:-build}
top=$(cd "$(dirname "$0")/.." && pwd)
tree="$top/$build/win32"
version=$(sed -n 's/^#define PW_VERSION_TEXT "\(.*\)"$/\1/p' "$tree/generated/pw_version.h")
[ -n "$version" ] || { echo "no version in $tree/generated/pw_version.h: build the win32 tree first" >&2; exit 1; }
for exe in Pagewick.exe Install.exe; do
  [ -f "$tree/$exe" ] || { echo "missing $tree/$exe: build the win32 tree first" >&2; exit 1; }
done

out="$top/$build/release"
stage="$out/stage"
rm -rf "$out"
mkdir -p "$stage/support/help" "$stage/file_info"
cp "$tree/Pagewick.exe" "$stage/"
cp "$top"/support/*.css "$stage/support/"
cp "$top"/support/help/* "$stage/support/help/"
cp "$top/dist/Pagewick_default.ini" "$stage/"
cp "$tree/Install.exe" "$out/"

archive="$out/pagewick-$version.zip"
# Folders get their own entries ("support/", "file_info/") so the empty file_info folder is made too.
python3 - "$stage" "$archive" <<'PY'
import os, sys, zipfile
stage, archive = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as zf:
    for folder, dirs, files in os.walk(stage):
        dirs.sort()
        rel = os.path.relpath(folder, stage)
        if rel != ".":
            zf.write(folder, rel.replace(os.sep, "/") + "/")
        for name in sorted(files):
            path = os.path.join(folder, name)
            zf.write(path, os.path.relpath(path, stage).replace(os.sep, "/"))
PY
rm -rf "$stage"
echo "Release $version:"
ls -l "$out" | sed 1d
