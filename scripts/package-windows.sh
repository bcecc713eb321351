#!/usr/bin/env bash
# Builds the Windows programs and packs them with the README, LICENSE, the Japanese guide
# with the screenshots of the latest smoke walk, the guides for users
# (docs/user-guide.md, docs/cli.md), the page as a ZIP (scripts/web.sh) and the notices of the
# third-party code they carry: a ZIP to unpack anywhere and an installer (NSIS) with a
# Start-menu entry and an uninstaller, in build/windows/.
set -euo pipefail
cd "$(dirname "$0")/.."

WINDOWS=1 scripts/deps.sh
scripts/web.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target qelcontainer qelcontainer-cli guide
cd build/windows
cpack
ls -l QELContainer-*-windows-x64.*
