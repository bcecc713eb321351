# shellcheck shell=bash
# Sourced: a wine prefix of the build's own (created on first use) with a persistent server
# that is stopped when the calling script exits.
WINEPREFIX=$(realpath -m "$1")
export WINEPREFIX
export WINEDEBUG=-all
# No Mono or Gecko installer prompts while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="

start_wine() {
  mkdir -p "$WINEPREFIX"
  wineserver -p
  trap 'wineserver -k 2>/dev/null || true' EXIT
  wine cmd /c exit 0
}
