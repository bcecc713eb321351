#!/usr/bin/env bash
# Builds the Windows programs with mingw-w64 and runs every test under wine.
set -euo pipefail
cd "$(dirname "$0")/.."

WINDOWS=1 scripts/deps.sh
jobs=$(nproc)
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"

source scripts/wine-env.sh build/windows/wine
# Without a running server every test waits for the one it started to linger out, and a
# server started from inside ctest keeps ctest waiting: one persistent server, warmed up
# before ctest, serves every test.
start_wine
ctest --preset windows -j "$jobs"
