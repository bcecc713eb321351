# shellcheck shell=bash
# Sourced by the fuzz scripts: fuzzTargets TARGET|all prints the targets meant, one per
# line; every fuzz/fuzz_NAME.cpp is the target fuzz-NAME.
fuzzTargets() {
  if [ "$1" != all ]; then
    echo "$1"
    return
  fi
  local source name
  for source in fuzz/fuzz_*.cpp; do
    name=$(basename "$source" .cpp)
    echo "${name//_/-}"
  done
}
