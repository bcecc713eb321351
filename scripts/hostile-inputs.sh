#!/usr/bin/env bash
# Hostile inputs against qelcontainer-cli: each is generated here, each command run on it
# under /usr/bin/time, and the run fails when one takes longer or more memory than its
# bound. The bounds are generous (10 s, 300 MB unless said), far below what the inputs
# cost without their guards (minutes, gigabytes).
#  - an mtllib naming /proc/self/pagemap, a file without end;
#  - a 3 GiB sparse texture, named 20 times, and packed;
#  - 1,000 missing textures in a folder of 50,000 files;
#  - 100,000 usemtl of unknown names after 100,000 materials without texture, and
#    1,000,000 usemtl over 4,096 materials of long shared prefixes;
#  - a model blob of one triangle 200,000 times, and of 200,000 distinct triangles that
#    each cover the picture;
#  - a texture PNG whose data inflates to 1 GiB;
#  - under the repair: a 500 KB progressive JPEG of 4096 x 4096 and 50,000 empty scans, one
#    4096 x 4096 PNG under 200 names (hard links, case variants, ./ prefixes), and 4,096
#    materials of distinct 256 x 256 images;
#  - a container of a 256 MB model: every command holds about one copy of it;
#  - a chain of 8,000 folders, walked by check.
# Usage: [KEEP=1] [TIMEOUT=SECONDS] scripts/hostile-inputs.sh [path/to/qelcontainer-cli]
# KEEP=1 keeps the folder of inputs and each command's stderr; TIMEOUT (default 300) stops
# a command that runs longer.
set -euo pipefail
cd "$(dirname "$0")/.."
cli=$(realpath "${1:-build/default/cli/qelcontainer-cli}")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ -n "${KEEP:-}" ] && trap - EXIT && echo "$work"
cd "$work"

failures=0
# run SECONDS MEGABYTES NAME COMMAND...: runs the command (its exit code does not matter),
# prints its time and peak memory and fails the script when either exceeds its bound.
run() {
  local seconds=$1 megabytes=$2 name=$3
  shift 3
  local figures elapsed kilobytes
  /usr/bin/time -o time.txt -f '%e %M' timeout "${TIMEOUT:-300}" "$@" >out.txt 2>err.txt || true
  [ -z "${KEEP:-}" ] || cp err.txt "err-${name//[^a-z0-9]/_}.txt"
  figures=$(tail -n 1 time.txt)
  elapsed=${figures% *}
  kilobytes=${figures#* }
  printf '%-44s %7.2f s %8d MB\n' "$name" "$elapsed" $((kilobytes / 1024))
  if awk -v e="$elapsed" -v s="$seconds" 'BEGIN { exit !(e > s) }' ||
    [ $((kilobytes / 1024)) -gt "$megabytes" ]; then
    echo "  FAIL: bound ${seconds} s, ${megabytes} MB; stderr: $(head -c 300 err.txt)"
    failures=$((failures + 1))
  fi
}

python3 - <<'EOF'
import os, struct, zlib

def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

def png(width, height, rows):
    head = struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', head) + chunk(b'IDAT', rows) + chunk(b'IEND', b'')

def blob(vertices, indices):
    out = struct.pack('<4I', 100, 274, len(vertices), len(indices))
    for v in vertices:
        out += struct.pack('<8f', *v)
    return out + struct.pack('<%dH' % len(indices), *indices)

small = png(16, 16, zlib.compress(b'\0' * (16 * 65)))
open('small.png', 'wb').write(small)
triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nf 1/1 2/1 3/1\n"

os.makedirs('pagemap', exist_ok=True)
open('pagemap/car.obj', 'w').write(
    "mtllib " + "../" * 12 + "proc/self/pagemap\nmtllib car.mtl\nusemtl a\n" + triangle)
open('pagemap/car.mtl', 'w').write("newmtl a\nmap_Kd tex.png\n")
open('pagemap/tex.png', 'wb').write(small)

os.makedirs('sparse', exist_ok=True)
with open('sparse/big.png', 'wb') as f:
    f.write(small[:33])
    f.truncate(3 << 30)
open('sparse/car.mtl', 'w').write("newmtl a\n" + "map_Kd big.png\n" * 20)
open('sparse/car.obj', 'w').write("mtllib car.mtl\nusemtl a\n" + triangle)
with open('sparse/zero.png', 'wb') as f:
    f.truncate(3 << 30)

os.makedirs('crowd', exist_ok=True)
for i in range(50000):
    open('crowd/file%05d.txt' % i, 'w').close()
open('crowd/tex.png', 'wb').write(small)
open('crowd/car.mtl', 'w').write("newmtl a\nmap_Kd tex.png\n" +
    "".join("newmtl m%d\nmap_Kd Missing%d.png\n" % (i, i) for i in range(1000)))
open('crowd/car.obj', 'w').write("mtllib car.mtl\nusemtl a\n" + triangle)

os.makedirs('names', exist_ok=True)
open('names/plain.mtl', 'w').write("".join("newmtl plain%d\n" % i for i in range(100000)) +
                                   "newmtl a\nmap_Kd tex.png\n")
open('names/tex.png', 'wb').write(small)
open('names/unknown.obj', 'w').write("mtllib plain.mtl\n" +
    "".join("usemtl unknown%d\n" % i for i in range(100000)) + "usemtl a\n" + triangle)
prefix = "m" * 56
open('names/long.mtl', 'w').write("".join("newmtl %s%05d\nmap_Kd tex.png\n" % (prefix, i)
                                          for i in range(4096)))
with open('names/long.obj', 'w') as f:
    f.write("mtllib long.mtl\n")
    f.write("".join("usemtl %s%05d\n" % (prefix, i % 4096 ^ 4095) for i in range(1000000)))
    f.write(triangle)

face = [(0, 0, 0, 0, 0, 1, 0, 0), (1, 0, 0, 0, 0, 1, 1, 0), (0, 1, 0, 0, 0, 1, 0, 1)]
open('repeated.blob', 'wb').write(blob(face, [0, 1, 2] * 200000))
# Triangles through the whole frame, no two alike: corners at 20,000 depths.
fan = [(x, y, z / 60000.0, 0, 0, 1, 0, 0)
       for z in range(20000) for (x, y) in ((-1, -1), (1, -1), (0, 1))]
corners = []
for t in range(200000):
    a, b = t % 20000, (t // 20000 + t) % 20000
    corners += [3 * a, 3 * b + 1, 3 * a + 2]
open('covering.blob', 'wb').write(blob(fan, corners))

rows = zlib.compressobj(9)
bomb = b''.join(rows.compress(b'\0' * (1 << 20)) for _ in range(1024)) + rows.flush()
open('bomb.png', 'wb').write(png(256, 256, bomb))

def segment(marker, data):
    return b'\xff' + bytes([marker]) + struct.pack('>H', len(data) + 2) + data

# One component; every DC difference and every AC band an end of block, a one-bit code.
side = 4096
blocks = (side // 8) ** 2
jpeg = b'\xff\xd8' + segment(0xDB, b'\0' + b'\1' * 64)
jpeg += segment(0xC2, struct.pack('>BHHB', 8, side, side, 1) + b'\x01\x11\x00')
jpeg += segment(0xC4, b'\x00' + b'\x01' + b'\0' * 15 + b'\x00')
jpeg += segment(0xC4, b'\x10' + b'\x01' + b'\0' * 15 + b'\x00')
jpeg += segment(0xDA, b'\x01\x01\x00\x00\x00\x00') + b'\0' * (blocks // 8)
jpeg += segment(0xDA, b'\x01\x01\x00\x01\x3f\x00') * 50000 + b'\xff\xd9'
os.makedirs('scans', exist_ok=True)
open('scans/scans.jpg', 'wb').write(jpeg)
open('scans/car.mtl', 'w').write("newmtl a\nmap_Kd scans.jpg\n")
open('scans/car.obj', 'w').write("mtllib car.mtl\nusemtl a\n" + triangle)

def materials_over(folder, names):
    open(folder + '/car.mtl', 'w').write(
        "".join("newmtl m%d\nmap_Kd %s\n" % (i, name) for i, name in enumerate(names)))
    open(folder + '/car.obj', 'w').write(
        "mtllib car.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\n" +
        "".join("usemtl m%d\nf 1/1 2/1 3/1\n" % i for i in range(len(names))))

os.makedirs('links', exist_ok=True)
open('links/big.png', 'wb').write(png(4096, 4096, zlib.compress(b'\0' * (4096 * 16385), 9)))
names = []
for i in range(200):
    if i % 3 == 0:
        os.link('links/big.png', 'links/link%d.png' % i)
        names.append('link%d.png' % i)
    else:
        names.append(('./' if i % 3 == 1 else '') + ('BIG.PNG' if i % 2 else 'big.png'))
materials_over('links', names)

os.makedirs('cells', exist_ok=True)
cell = png(256, 256, zlib.compress(b'\0' * (256 * 1025)))
for i in range(4096):
    open('cells/c%d.png' % i, 'wb').write(cell)
materials_over('cells', ['c%d.png' % i for i in range(4096)])

vertices = 8000000  # 256 MB
with open('large.blob', 'wb') as f:
    f.write(struct.pack('<4I', 100, 274, vertices, 3))
    f.truncate(16 + 32 * vertices)
    f.seek(0, 2)
    f.write(struct.pack('<3H', 0, 1, 2))

# Deeper than any path the system takes at once: made one folder at a time.
top = os.getcwd()
os.makedirs('chain', exist_ok=True)
os.chdir('chain')
for _ in range(8000):
    os.mkdir('d')
    os.chdir('d')
open('car.obj', 'w').write(triangle)
os.chdir(top)
EOF

packing=(--name hostile --maker tester --seed 1 --created 0 --sideview small.png)
"$cli" pack -o repeated.cnt "${packing[@]}" --model repeated.blob --texture small.png
"$cli" pack -o covering.cnt "${packing[@]}" --model covering.blob --texture small.png
"$cli" pack -o bomb.cnt "${packing[@]}" --model repeated.blob --texture bomb.png

echo "command and input                                  time     peak"
run 10 300 "convert, mtllib of pagemap" "$cli" convert pagemap/car.obj -o out.blob
run 10 300 "check, mtllib of pagemap" "$cli" check pagemap/car.obj
run 10 300 "render, mtllib of pagemap" "$cli" render pagemap/car.obj -o out.png
run 10 300 "pack --obj, mtllib of pagemap" "$cli" pack -o out.cnt "${packing[@]}" \
  --obj pagemap/car.obj
run 10 300 "convert, 3 GiB texture 20 times" "$cli" convert sparse/car.obj -o out.blob
run 10 300 "pack --texture, 3 GiB PNG" "$cli" pack -o out.cnt "${packing[@]}" \
  --model repeated.blob --texture sparse/big.png
run 10 300 "pack --texture, 3 GiB of zeros" "$cli" pack -o out.cnt "${packing[@]}" \
  --model repeated.blob --texture sparse/zero.png
run 10 300 "check, 1,000 missing in 50,000 files" "$cli" check crowd/car.obj
run 10 300 "check, 100,000 unknown usemtl" "$cli" check names/unknown.obj
run 10 300 "check, a chain of 8,000 folders" "$cli" check chain
run 10 300 "convert, 1,000,000 usemtl long names" "$cli" convert names/long.obj -o out.blob
run 10 300 "render, 1 triangle 200,000 times" "$cli" render repeated.cnt -o out.png
run 10 300 "render 520x320, 1 triangle 200,000 times" "$cli" render repeated.cnt -o out.png \
  --size 520x320
run 10 300 "render, 200,000 covering triangles" "$cli" render covering.cnt -o out.png
run 20 500 "render 4096x4096, covering triangles" "$cli" render covering.cnt -o out.png \
  --size 4096x4096
run 10 300 "render, PNG inflating to 1 GiB" "$cli" render bomb.cnt -o out.png
run 10 300 "convert --repair, JPEG of 50,000 scans" "$cli" convert scans/car.obj -o out.blob \
  --repair
run 10 300 "convert --repair, one PNG under 200 names" "$cli" convert links/car.obj \
  -o out.blob --repair
# Each of the 4,096 is decoded and scaled into its cell once, about 2 ms of work apiece.
run 30 300 "convert --repair, 4,096 images of 256x256" "$cli" convert cells/car.obj \
  -o out.blob --repair

# The container of a 256 MB model: about one copy of the file (the bound leaves room
# for the program and what each command makes besides).
size_mb=$(($(stat -c %s large.blob) / 1048576))
copy=$((size_mb + size_mb / 4 + 64))
mkdir -p export
run 30 "$copy" "pack, ${size_mb} MB model" "$cli" pack -o large.cnt "${packing[@]}" \
  --model large.blob --texture small.png
run 30 "$copy" "info, ${size_mb} MB container" "$cli" info large.cnt
run 30 "$copy" "check, ${size_mb} MB container" "$cli" check large.cnt
run 30 "$copy" "extract, ${size_mb} MB container" "$cli" extract large.cnt --model out.blob
run 30 "$copy" "render, ${size_mb} MB container" "$cli" render large.cnt -o out.png
# Besides: the picture, its depth buffer and its PNG, 64 MB each.
run 30 $((copy + 200)) "render 4096x4096, ${size_mb} MB container" "$cli" render large.cnt \
  -o out.png --size 4096x4096
run 60 "$copy" "export, ${size_mb} MB container" "$cli" export large.cnt -o export

if [ "$failures" -gt 0 ]; then
  echo "hostile-inputs: $failures over their bounds"
  exit 1
fi
echo "hostile-inputs: every command within its bounds"
