#!/usr/bin/env bash
# The Windows CLI under wine and the Linux CLI make the same container file from the same
# inputs, and tell the same JSON of it, under code page 932 and under 1252: Japanese names,
# texts and file names reach both builds alike.
# Usage: cli_agreement.sh LINUX_CLI WINDOWS_CLI_EXE WINEPREFIX
# Exits 77 (skipped) without the Linux build, which the Windows build cannot make itself.
set -euo pipefail
linux_cli=$1 windows_cli=$2
export WINEPREFIX=$3 WINEDEBUG=-all
if [ ! -x "$linux_cli" ]; then
  echo "skipped: no Linux qelcontainer-cli at $linux_cli; make it with" \
    "'cmake --preset default && cmake --build --preset default --target qelcontainer-cli'" \
    "(scripts/test-windows.sh does), or point QEL_LINUX_CLI at one" >&2
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A step that fails says which it was, with its exit code: under set -e a crash under wine
# (WINEDEBUG=-all) would end the script without a word.
step() {
  local rc=0
  "$@" || rc=$?
  [ $rc -eq 0 ] || { echo "failed with exit code $rc: $*" >&2; exit 1; }
}

# A textured quad whose texture is named in code page 932, as Windows tools write it.
python3 - "$work" <<'PY'
import struct, sys, zlib, pathlib
folder = pathlib.Path(sys.argv[1])
def png(width, height):
    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))
    rows = b"".join(b"\0" + bytes((x * 7 + y) % 256 for x in range(width * 3)) for y in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
(folder / "テクスチャ.png").write_bytes(png(64, 32))
(folder / "側面.png").write_bytes(png(48, 16))
(folder / "車体.mtl").write_bytes(b"newmtl body\nmap_Kd " + "テクスチャ.png".encode("cp932") + b"\n")
(folder / "コキ.obj").write_bytes(b"mtllib " + "車体.mtl".encode("cp932") + b"\n"
    b"v 0 0 0\nv 1.5 0 0\nv 1.5 2.25 0.125\nv 0 2.25 0\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n"
    b"usemtl body\nf 1/1 2/2 3/3 4/4\n")
PY

cd "$work"
common=(--sideview 側面.png --name コキ50000 --maker 山田工房 --type 20ft --length 6058
        --description "試作 一号" --seed 4711 --created 1700000000)
step "$linux_cli" pack -o linux.cnt --obj コキ.obj "${common[@]}"
step "$linux_cli" info --json linux.cnt >linux.json
step "$linux_cli" convert コキ.obj -o モデル.blob

# Model files name things in the ANSI code page, so the OBJ is read under 932 only; the
# converted model and its texture go in under both.
status=0
for locale in ja_JP.UTF-8 en_US.UTF-8; do
  inputs=(--model モデル.blob --texture テクスチャ.png)
  [ $locale = ja_JP.UTF-8 ] && inputs=(--obj コキ.obj)
  step env LANG=$locale LC_ALL=$locale wine "$windows_cli" pack -o 出力.cnt "${inputs[@]}" "${common[@]}"
  step env LANG=$locale LC_ALL=$locale wine "$windows_cli" --encoding utf-8 info --json 出力.cnt >windows.json
  cmp linux.cnt 出力.cnt || { echo "pack differs under $locale" >&2; status=1; }
  cmp linux.json windows.json || { echo "info --json differs under $locale" >&2; status=1; }
  rm -f 出力.cnt windows.json
done
[ $status -eq 0 ] && echo "same bytes and JSON from both builds"
exit $status
