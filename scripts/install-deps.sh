#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and only those that are missing.
# Usage: install-deps.sh [fuzz]
set -u
need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
want() { have_pkg "$1" || need+=("$1"); }

for p in make cmake ninja-build g++ pkg-config googletest libgtest-dev libbenchmark-dev \
         g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 \
         libz-mingw-w64-dev wine wine64 xvfb xauth imagemagick xdotool nodejs ca-certificates patch; do
  want "$p"
done
have_cmd npm || want npm
# The command-line fetch test runs a small scripted web server.
have_cmd python3 || want python3
if [ "${1:-}" = fuzz ]; then want clang; want libclang-rt-dev; fi

[ ${#need[@]} -eq 0 ] && exit 0
echo "Installing missing packages: ${need[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
# An unrelated index mismatch can make 'update' exit 100 on some images; the install below still works.
$SUDO apt-get update -qq >/dev/null 2>&1 || true
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null ||
  { echo "apt-get install failed for: ${need[*]}" >&2; exit 1; }
