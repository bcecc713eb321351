#!/usr/bin/env bash
# Builds the fuzz preset and runs one fuzz target, or every one, for the given seconds each,
# one fuzzing process at a time. Each target starts from its generated seeds, its working
# corpus in build/fuzz/corpus and the minimised corpus kept in fuzz/corpus.
#   scripts/fuzz.sh fuzz-parse-container 180
#   scripts/fuzz.sh all 60
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -ne 2 ]; then
  echo "usage: scripts/fuzz.sh TARGET|all SECONDS" >&2
  exit 2
fi
seconds=$2
build=build/fuzz
# A smaller quarantine than the default 256 MB: freed memory still waits before reuse, but
# each run no longer touches fresh pages.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16}

source scripts/fuzz_targets.sh
targets=($(fuzzTargets "$1"))

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2 --target qel-fuzz-corpus "${targets[@]}"

for t in "${targets[@]}"; do
  corpus=$build/corpus/$t
  "$build/fuzz/qel-fuzz-corpus" "$t" "$corpus"
  mkdir -p "$build/findings/$t" "fuzz/corpus/$t"
  echo "== $t for ${seconds}s"
  "$build/fuzz/$t" "$corpus" "fuzz/corpus/$t" -max_total_time="$seconds" \
    -artifact_prefix="$build/findings/$t/" -print_final_stats=1
done
