#!/usr/bin/env bash
# Builds the fuzz preset and runs one fuzz target, or every one, for the given seconds each.
#   scripts/fuzz.sh fuzz-parse-container 180
#   scripts/fuzz.sh all 60
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -ne 2 ]; then
  echo "usage: scripts/fuzz.sh TARGET|all SECONDS" >&2
  exit 2
fi
target=$1
seconds=$2

build=build/fuzz
if [ "$target" = all ]; then
  targets=()
  for source in fuzz/fuzz_*.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("${name//_/-}")
  done
else
  targets=("$target")
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2 --target qel-fuzz-corpus "${targets[@]}"

for t in "${targets[@]}"; do
  corpus=$build/corpus/$t
  "$build/fuzz/qel-fuzz-corpus" "$t" "$corpus"
  mkdir -p "$build/findings/$t"
  echo "== $t for ${seconds}s"
  "$build/fuzz/$t" "$corpus" -max_total_time="$seconds" -artifact_prefix="$build/findings/$t/" \
    -print_final_stats=1
done
