#!/usr/bin/env bash
# Runs a Windows program under wine64 in the project's prefix (the cross build's test emulator).
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/wine-env.sh"
exec wine "$@"
