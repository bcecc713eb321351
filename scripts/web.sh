#!/usr/bin/env bash
# Builds the page into build/web/page/: the program compiled to WebAssembly with Debian's
# clang 22 and its WebAssembly C++ library, and the page's HTML, CSS and script, also as
# build/web/qelcontainer-web.zip. Serve the folder with any static web server, e.g.
# python3 -m http.server --directory build/web/page.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
WEB=1 scripts/deps.sh
cmake --preset web
nice cmake --build --preset web -j"${JOBS:-2}" --target qelcontainer
page=build/web/page
# The folder as a ZIP, for the packages.
rm -f build/web/qelcontainer-web.zip
(cd "$page" && python3 -m zipfile -c ../qelcontainer-web.zip ./*)
echo "page in $page: $(stat -c %s "$page/qelcontainer.wasm") bytes of WebAssembly," \
  "$(gzip -9c "$page/qelcontainer.wasm" | wc -c) compressed"
