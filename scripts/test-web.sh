#!/usr/bin/env bash
# The page's tests: its platform's tests on the build machine, the page's build and its walk in
# headless Chromium, whose container must equal byte for byte what the default preset's
# qelcontainer-cli packs.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
WEB=1 scripts/deps.sh
cmake --preset default >/dev/null
nice cmake --build --preset default -j"${JOBS:-2}" --target qelcontainer-cli qel-tests-web
ctest --preset default -L web --output-on-failure
scripts/web.sh
scripts/web-walk.sh
