#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"

if [ -x build/default/frontends/qt/qelcontainer ]; then
  exec build/default/frontends/qt/qelcontainer "$@"
fi
exec build/default/cli/qelcontainer-cli --help
