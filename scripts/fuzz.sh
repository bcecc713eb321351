#!/usr/bin/env bash
# Builds the fuzz preset and runs one fuzz target, or every one, one fuzzing process at a
# time: for the given seconds each, or with --runs until each has made that many
# executions (a campaign). Each target starts from its generated seeds, its working corpus
# in build/fuzz/corpus and the minimised corpus kept in fuzz/corpus. libFuzzer's output goes
# to build/fuzz/logs/TARGET.log; its final stats are printed here as well.
#   scripts/fuzz.sh fuzz-parse-container 180
#   scripts/fuzz.sh all 60
#   scripts/fuzz.sh --runs 10000000 all
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage: scripts/fuzz.sh TARGET|all SECONDS" >&2
  echo "       scripts/fuzz.sh --runs EXECUTIONS TARGET|all" >&2
  exit 2
}
if [ $# -eq 3 ] && [ "$1" = --runs ]; then
  budget=(-runs="$2")
  shift 2
elif [ $# -eq 2 ]; then
  budget=(-max_total_time="$2")
else
  usage
fi
[[ ${budget[0]#*=} =~ ^[0-9]+$ ]] || usage

build=build/fuzz
# A smaller quarantine than the default 256 MB: freed memory still waits before reuse, but
# each run no longer touches fresh pages.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16}

source scripts/fuzz_targets.sh
mapfile -t targets < <(fuzzTargets "$1")

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2 --target qel-fuzz-corpus "${targets[@]}"

mkdir -p "$build/logs"
failures=0
for t in "${targets[@]}"; do
  corpus=$build/corpus/$t
  log=$build/logs/$t.log
  "$build/fuzz/qel-fuzz-corpus" "$t" "$corpus"
  mkdir -p "$build/findings/$t" "fuzz/corpus/$t"
  echo "== $t: ${budget[0]#-}, log in $log"
  status=0
  "$build/fuzz/$t" "$corpus" "fuzz/corpus/$t" "${budget[@]}" \
    -artifact_prefix="$build/findings/$t/" -print_final_stats=1 >"$log" 2>&1 || status=$?
  # The last progress line (executions, edges, corpus) and the final stats.
  grep -E '^#[0-9]+.*(DONE|pulse|NEW|REDUCE|INITED)' "$log" | tail -n 1 || true
  grep -E '^(stat::|==[0-9]+==ERROR|SUMMARY)' "$log" || true
  if [ "$status" -ne 0 ]; then
    echo "!! $t stopped with status $status: see $log and $build/findings/$t/"
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ]
