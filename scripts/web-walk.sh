#!/usr/bin/env bash
# The walk of the page in headless Chromium (tests/web/walk.mjs): a part made from dropped
# model files and saved as a download must equal byte for byte what qelcontainer-cli packs from
# the same files at the same pinned time and seed. Screenshots go to WORK/shots.
#
#   scripts/web-walk.sh [PAGE_FOLDER [CLI [WORK]]]
#   (defaults: build/web/page, build/default/cli/qelcontainer-cli, build/web/walk)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
page=$(realpath "${1:-$root/build/web/page}")
cli=$(realpath "${2:-$root/build/default/cli/qelcontainer-cli}")
work=$(realpath -m "${3:-$root/build/web/walk}")
tools=$root/build/web-walk-tools

[ -f "$page/qelcontainer.wasm" ] || { echo "no page in $page: run scripts/web.sh" >&2; exit 1; }
[ -x "$cli" ] || { echo "no $cli: build the default preset's qelcontainer-cli" >&2; exit 1; }
command -v convert >/dev/null || { echo "convert is missing: scripts/deps.sh" >&2; exit 1; }
# shellcheck source=scripts/web-browser.sh
source "$root/scripts/web-browser.sh"
install_browser_driver "$tools"

rm -rf "$work"
mkdir -p "$work/parts"
parts=$work/parts
convert -size 64x32 xc:orange "$parts/texture.png"
convert -size 200x64 xc:skyblue "$parts/side.png"
printf 'newmtl body\nKd 1 1 1\nmap_Kd texture.png\n' >"$parts/box.mtl"
printf 'mtllib box.mtl\nv 0 0 0\nv 2438 0 0\nv 2438 2591 0\nv 0 2591 0\nv 0 0 6058\nv 2438 0 6058\nv 2438 2591 6058\nv 0 2591 6058\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nusemtl body\nf 4/4 3/3 2/2 1/1\nf 5/4 6/3 7/2 8/1\nf 2/4 6/3 5/2 1/1\nf 3/4 7/3 6/2 2/1\nf 4/4 8/3 7/2 3/1\nf 1/4 5/3 8/2 4/1\n' >"$parts/box.obj"
printf 'v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 9\n' >"$parts/faulty.obj"

maker=試験工房
name=試験コンテナ20ft
length=6058
description=ウォークで作った箱
seed=123456
created=1700000000
printf '{"seed": %s, "created": %s, "name": "%s", "length": "%s", "description": "%s"}\n' \
  "$seed" "$created" "$name" "$length" "$description" >"$work/pinned.json"

serve_folder "$page" "$work/server.log"
QEL_WALK_TOOLS=$tools node "$root/tests/web/walk.mjs" "$served_url/index.html" "$work"

"$cli" pack --obj "$parts/box.obj" --sideview "$parts/side.png" --name "$name" --maker "$maker" \
  --length "$length" --description "$description" --seed "$seed" --created "$created" \
  -o "$work/cli.cnt" >/dev/null
if ! cmp "$work/downloads/walk.cnt" "$work/cli.cnt"; then
  echo "FAIL: the page's container differs from qelcontainer-cli's" >&2
  exit 1
fi
if ! cmp "$work/downloads/texture-out.png" "$parts/texture.png"; then
  echo "FAIL: the exported texture differs from the one set" >&2
  exit 1
fi
echo "web walk: the page's container equals qelcontainer-cli's byte for byte; screenshots in $work/shots"
