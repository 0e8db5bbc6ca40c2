#!/usr/bin/env bash
# Runs the fuzzers of a fuzz build tree (make fuzz): the wiki converter, then the whole page pipeline, half the
# time each, each with its own corpus under BUILD/fuzz/corpus. Crashing inputs land in BUILD/fuzz/artifacts.
# usage: run-fuzz.sh BUILD [SECONDS]   (default 600 seconds in all)
set -eu
build=${1:?usage: run-fuzz.sh BUILD [SECONDS]}
seconds=${2:-600}
half=$(( seconds / 2 ))
[ "$half" -gt 0 ] || half=1
status=0
for name in wiki page; do
  fuzzer="$build/fuzz/tools/pagewick_fuzz_$name"
  if [ ! -x "$fuzzer" ]; then
    echo "run-fuzz.sh: $fuzzer is missing (make fuzz builds it)" >&2
    exit 1
  fi
  corpus="$build/fuzz/corpus/$name"
  artifacts="$build/fuzz/artifacts/$name/"
  mkdir -p "$corpus" "$artifacts"
  echo "== $name: $half seconds"
  "$fuzzer" -max_total_time="$half" -max_len=200000 -print_final_stats=1 \
    -artifact_prefix="$artifacts" "$corpus" || status=1
done
exit $status
