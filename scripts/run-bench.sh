#!/usr/bin/env bash
# Runs the benchmarks of a build folder (make bench builds BUILD/bench and BUILD/win64-bench, both Release).
# usage: run-bench.sh BUILD
set -eu
build=${1:?usage: run-bench.sh BUILD}
export LC_ALL=C.UTF-8
status=0

bench="$build/bench/tools/pagewick-bench-render"
if [ ! -x "$bench" ]; then
  echo "run-bench.sh: $bench is missing (make bench builds it)" >&2
  exit 1
fi
echo "== Rendering (native, Release)"
"$bench" || status=1

echo "== Exporting a root of 10,000 notes (native, Release)"
"$build/bench/tools/pagewick-bench-export" || status=1

echo "== Folder search over 10,000 notes (native, Release, beside grep -ril)"
"$build/bench/tools/pagewick-bench-search" || status=1

echo "== Parsing a CSV of 100,000 rows (native, Release, beside a memchr pass)"
"$build/bench/tools/pagewick-bench-sheet" || status=1

top=$(cd "$(dirname "$0")/.." && pwd)
# Wine's desktop process belongs to the display it started on: prepare the prefix inside the same Xvfb.
run_under_wine() {
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
    '$top/scripts/wine-cleanup.sh'; '$top/scripts/wine-setup.sh'
    '$top/scripts/wine-run.sh' '$1' </dev/null; code=\$?
    '$top/scripts/wine-cleanup.sh'; exit \$code"
}
echo "== Listing 10,000 files (Windows build under Wine and Xvfb)"
run_under_wine "$top/$build/win64-bench/tools/pagewick-listing-bench.exe" || status=1
echo "== Folder search over 10,000 notes (Windows build under Wine and Xvfb)"
run_under_wine "$top/$build/win64-bench/tools/pagewick-search-bench.exe" || status=1

echo "== Opening and sorting a CSV of 100,000 rows (Windows build under Wine and Xvfb)"
run_under_wine "$top/$build/win64-bench/tools/pagewick-sheet-bench.exe" || status=1

exit $status
