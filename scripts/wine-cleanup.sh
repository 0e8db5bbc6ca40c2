#!/usr/bin/env bash
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/wine-env.sh"
wineserver -k </dev/null >/dev/null 2>&1
exit 0
