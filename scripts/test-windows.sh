#!/usr/bin/env bash
# Builds the Windows programs with mingw-w64, runs every test under wine and then the smoke
# walk of the desktop program and its walk at 150% (GUI_SMOKE=0 leaves both out), then packs
# them and tries the installer.
set -euo pipefail
cd "$(dirname "$0")/.."

WINDOWS=1 scripts/deps.sh
jobs=$(nproc)
# The agreement test compares with the Linux build of the command-line tool.
cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs" --target qelcontainer-cli
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"

source scripts/wine-env.sh build/windows/wine
# Without a running server every test waits for the one it started to linger out, and a
# server started from inside ctest keeps ctest waiting: one persistent server, warmed up
# before ctest, serves every test.
start_wine
ctest --preset windows -j "$jobs"

if [ "${GUI_SMOKE:-1}" = "1" ]; then
  scripts/gui-smoke-windows.sh build/windows/frontends/win32/qelcontainer.exe
  scripts/gui-dpi-windows.sh build/windows/frontends/win32/qelcontainer.exe \
    build/default/cli/qelcontainer-cli
fi

scripts/test-windows-package.sh build/windows
