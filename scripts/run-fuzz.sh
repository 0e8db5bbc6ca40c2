#!/usr/bin/env bash
# Runs the fuzzers of a fuzz build tree (make fuzz): the wiki converter, the whole page pipeline, the settings
# reader and writer, and the spreadsheet reader and writer, a quarter of the time each, each with its own corpus
# under BUILD/fuzz/corpus. Crashing inputs land in BUILD/fuzz/artifacts.
# usage: run-fuzz.sh BUILD [SECONDS]   (default 600 seconds in all)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: run-fuzz.sh BUILD [SECONDS]}
seconds=${2:-600}
share=$(( seconds / 4 ))
[ "$share" -gt 0 ] || share=1
status=0
for name in wiki page settings sheet; do
  fuzzer="$build/fuzz/tools/pagewick_fuzz_$name"
  if [ ! -x "$fuzzer" ]; then
    echo "run-fuzz.sh: $fuzzer is missing (make fuzz builds it)" >&2
    exit 1
  fi
  # Settings files are small, and INI tokens lead the fuzzer to headers, separators and line ends quickly.
  options=(-max_len=200000)
  if [ "$name" = settings ]; then options=(-max_len=16384 -dict="$top/tools/fuzz/fuzz_settings.dict"); fi
  corpus="$build/fuzz/corpus/$name"
  artifacts="$build/fuzz/artifacts/$name/"
  mkdir -p "$corpus" "$artifacts"
  echo "== $name: $share seconds"
  "$fuzzer" -max_total_time="$share" "${options[@]}" -print_final_stats=1 \
    -artifact_prefix="$artifacts" "$corpus" || status=1
done
exit $status
