#!/usr/bin/env bash
# The page's speed against the native program's, measured in one run: a preview frame of a
# model at the converter's capacity at 512 x 512, and the reading of a 64 MiB container file,
# in headless Chromium (qelcontainer-web-bench, built as the page is) and natively (the
# release preset's qelcontainer-bench). Prints each time and the page's ratio to native.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
WEB=1 scripts/deps.sh
cmake --preset web >/dev/null
nice cmake --build --preset web -j"${JOBS:-2}" --target qelcontainer-web-bench
cmake --preset release >/dev/null
nice cmake --build --preset release -j"${JOBS:-2}" --target qelcontainer-bench

work=$root/build/web/bench-run
rm -rf "$work"
mkdir -p "$work"
# shellcheck source=scripts/web-browser.sh
source "$root/scripts/web-browser.sh"
install_browser_driver "$root/build/web-walk-tools"
serve_folder "$root/build/web/bench/web" "$work/server.log"

QEL_WALK_TOOLS=$root/build/web-walk-tools node "$root/tests/web/bench.mjs" \
  "$served_url/qelcontainer-web-bench.wasm" >"$work/web.txt"
build/release/bench/qelcontainer-bench \
  --benchmark_filter='^BM_RenderPreview/width:512/height:512/overlays:0$|^BM_ParseLargeRecord$' \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=json \
  >"$work/native.json" 2>/dev/null

python3 - "$work/web.txt" "$work/native.json" <<'PYTHON'
import json, sys

web = dict(line.split() for line in open(sys.argv[1]) if line.strip())
native = {}
for run in json.load(open(sys.argv[2]))["benchmarks"]:
    if run.get("aggregate_name") == "median":
        native[run["run_name"].split("/")[0]] = run["real_time"]
targets = {"BM_RenderPreview": ("a preview frame at 512 x 512", 2.0),
           "BM_ParseLargeRecord": ("reading a 64 MiB container file", 4.0)}
for name, (what, target) in targets.items():
    page, here = float(web[name]), native[name]
    print(f"{what}: page {page:.2f} ms, native {here:.2f} ms, "
          f"ratio {page / here:.2f} (target at most {target:g})")
PYTHON
