#!/usr/bin/env bash
# Replaces the corpus kept in fuzz/corpus/TARGET by the smallest set of its inputs and of the
# working corpus in build/fuzz/corpus that covers the same, leaving out inputs above 4 KiB so
# that the repository keeps small files only. Run after scripts/fuzz.sh.
#   scripts/fuzz-minimise.sh all
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -ne 1 ]; then
  echo "usage: scripts/fuzz-minimise.sh TARGET|all" >&2
  exit 2
fi
build=build/fuzz
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16}
source scripts/fuzz_targets.sh

for t in $(fuzzTargets "$1"); do
  small=$(mktemp -d)
  merged=$(mktemp -d)
  find "$build/corpus/$t" "fuzz/corpus/$t" -type f -size -4097c -exec cp -t "$small" {} + 2>/dev/null || true
  "$build/fuzz/$t" -merge=1 "$merged" "$small" 2>/dev/null
  # Inputs kept under a name of their own are regressions of a finding: they stay whatever
  # the merge thinks of their coverage.
  find "fuzz/corpus/$t" -type f ! -regex '.*/[0-9a-f]\{40\}' -exec cp -t "$merged" {} + 2>/dev/null || true
  rm -rf "fuzz/corpus/$t"
  mkdir -p "fuzz/corpus/$t"
  cp "$merged"/* "fuzz/corpus/$t"/ 2>/dev/null || true
  echo "$t: $(find "fuzz/corpus/$t" -type f | wc -l) inputs, $(cat "fuzz/corpus/$t"/* 2>/dev/null | wc -c) bytes"
  rm -rf "$small" "$merged"
done
