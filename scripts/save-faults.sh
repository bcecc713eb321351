#!/usr/bin/env bash
# Saves under faults on real file systems, through qelcontainer-cli pack:
#  1. a save into a full 64 MiB tmpfs is refused, keeps the earlier file whole and leaves
#     nothing behind (needs root to mount the tmpfs; skipped otherwise);
#  2. a save leaves other hidden files beside its target alone, those named like its
#     temporaries too;
#  3. 100 pairs of saves to one file at once all succeed and leave one of them whole;
#  4. a save written in place (a file the user may write in a folder they may not add to)
#     into a full tmpfs is refused and keeps the earlier file whole (needs root to mount the
#     tmpfs and to run the save as nobody; skipped otherwise);
#  5. a read-only file (mode 0444) is refused, even for root, and kept;
#  6. 20 saves of a 50 MB part killed with SIGKILL at random points each leave the earlier
#     or the new file whole, and the next save leaves nothing else in the folder;
#  7. four saves killed late one after another leave temporaries that fill a 160 MiB tmpfs,
#     and the next save removes them first and succeeds (the tmpfs needs root).
# Usage: scripts/save-faults.sh [path/to/qelcontainer-cli]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=$(realpath "${1:-build/default/cli/qelcontainer-cli}")

work=$(mktemp -d)
mounts=()
cleanup() {
  local m
  for m in "${mounts[@]}"; do umount "$m" && rmdir "$m"; done
  rm -rf "$work"
}
trap cleanup EXIT

# Mounts a fresh tmpfs of $1 MiB (mode $2, 1777 unless given) at $mounted; leaves it empty
# when that cannot be done.
mount_tmpfs() {
  mounted=""
  [ "$(id -u)" -eq 0 ] || return 0
  local m
  m=$(mktemp -d)
  if mount -t tmpfs -o "size=${1}m,mode=${2:-1777}" tmpfs "$m" 2>/dev/null; then
    mounts+=("$m")
    mounted=$m
  else
    rmdir "$m"
  fi
}

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# A model blob (head 100, 274, vertex and index count) of $2 bytes, and two PNG heads.
model_of() {
  { printf '\x64\0\0\0\x12\x01\0\0\x24\0\0\0\x3c\0\0\0'; head -c "$(($2 - 16))" /dev/urandom; } >"$1"
}
png_of() {
  printf '\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x40\0\0\0\x20filler' >"$1"
}
model_of "$work/big.bin" 50000000
model_of "$work/small.bin" 1000000
png_of "$work/texture.png"
png_of "$work/side.png"

# pack NAME MODEL OUTPUT [RUNNER...]: a deterministic save (fixed seed and time) of a part
# named NAME, run through RUNNER when given.
pack() {
  local name=$1 model=$2 output=$3
  shift 3
  "$@" "$cli" pack -o "$output" --name "$name" --maker 山田工房 --model "$model" \
    --texture "$work/texture.png" --sideview "$work/side.png" --seed 4711 --created 1700000000
}

# Entries of folder $1 other than the names that follow.
others() {
  local folder=$1
  shift
  local entry name extra=()
  for entry in "$folder"/* "$folder"/.[!.]*; do
    [ -e "$entry" ] || continue
    name=${entry##*/}
    [[ " $* " == *" $name "* ]] || extra+=("$name")
  done
  echo "${extra[*]:-}"
}

# expect_refused WHAT MODEL [RUNNER...]: a pack of MODEL over $mounted/part.cnt, which is
# full, is refused in one line, keeps $work/earlier.cnt's bytes and leaves nothing behind.
expect_refused() {
  local what=$1 model=$2
  shift 2
  if pack later "$model" "$mounted/part.cnt" "$@" 2>"$work/err"; then
    fail "$what reported success"
  else
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$what: the refusal took more than one line: $(cat "$work/err")"
    grep -q ': cannot be written: the disk is full$' "$work/err" || fail "$what: the refusal gave another cause: $(cat "$work/err")"
  fi
  cmp -s "$mounted/part.cnt" "$work/earlier.cnt" || fail "$what changed the earlier file"
  local left
  left=$(others "$mounted" part.cnt filler)
  [ -z "$left" ] || fail "$what left: $left"
  echo "$what: refused with '$(cat "$work/err")'"
}

# ---- 1. A full file system ----
mount_tmpfs 64
if [ -n "$mounted" ]; then
  pack earlier "$work/small.bin" "$mounted/part.cnt"
  cp "$mounted/part.cnt" "$work/earlier.cnt"
  # About 19 MiB stay free: too little for the 50 MB part.
  dd if=/dev/zero of="$mounted/filler" bs=1M count=44 status=none
  expect_refused "a save into a full file system" "$work/big.bin"
else
  echo "full file system: skipped (mounting a 64 MiB tmpfs needs root)"
fi

# ---- 2. Hidden files beside the target ----
folder=$(mktemp -d "$work/hidden.XXXXXX")
pack first "$work/small.bin" "$folder/real.cnt"
# The last two are named as the program's temporaries were and nearly as they are.
hidden=(.real.cnt.backup .real.cnt.old123 .real.cnt.qeltmp-notours .real.cnt.qeltmp-abcdefgh
  .real.cnt.qelcontainer-save-notours)
for name in "${hidden[@]}"; do
  echo "not the program's" >"$folder/$name"
done
pack second "$work/small.bin" "$folder/real.cnt"
for name in "${hidden[@]}"; do
  [ -e "$folder/$name" ] || fail "a save removed $name beside its target"
done
left=$(others "$folder" real.cnt "${hidden[@]}")
[ -z "$left" ] || fail "a save beside hidden files left: $left"
echo "hidden files beside the target: kept"

# ---- 3. Saves to one file at once ----
folder=$(mktemp -d "$work/pairs.XXXXXX")
pack first "$work/small.bin" "$work/small-first.cnt"
pack second "$work/small.bin" "$work/small-second.cnt"
for pair in $(seq 1 100); do
  pack first "$work/small.bin" "$folder/part.cnt" 2>"$work/err-first" &
  one=$!
  pack second "$work/small.bin" "$folder/part.cnt" 2>"$work/err-second" &
  two=$!
  wait "$one" || fail "pair $pair: the first save failed: $(cat "$work/err-first")"
  wait "$two" || fail "pair $pair: the second save failed: $(cat "$work/err-second")"
  cmp -s "$folder/part.cnt" "$work/small-first.cnt" || cmp -s "$folder/part.cnt" "$work/small-second.cnt" ||
    fail "pair $pair: the file is neither save whole"
done
left=$(others "$folder" part.cnt)
[ -z "$left" ] || fail "saves at once left: $left"
echo "100 pairs of saves at once: done"

# ---- 4. A save in place into a full file system ----
# Root may add files to any folder, so the save runs as nobody, who may write the file but
# not add to the folder, which is root's.
mount_tmpfs 8 0755
if [ -n "$mounted" ] && setpriv --reuid=nobody --regid=nogroup --clear-groups true 2>/dev/null; then
  chmod 0755 "$work"
  pack earlier "$work/small.bin" "$mounted/part.cnt"
  chown nobody "$mounted/part.cnt"
  cp "$mounted/part.cnt" "$work/earlier.cnt"
  model_of "$work/medium.bin" 3000000
  pack later "$work/medium.bin" "$work/later.cnt"
  runner=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  pack later "$work/medium.bin" "$mounted/part.cnt" "${runner[@]}" ||
    fail "a save in place with room enough failed"
  cmp -s "$mounted/part.cnt" "$work/later.cnt" || fail "a save in place wrote other bytes"
  cp "$work/earlier.cnt" "$mounted/part.cnt"
  # Less room is left than the later part needs beyond the earlier one.
  free_kib=$(df --output=avail -k "$mounted" | tail -1)
  dd if=/dev/zero of="$mounted/filler" bs=1K count="$((free_kib - 512))" status=none
  expect_refused "a save in place into a full file system" "$work/medium.bin" "${runner[@]}"
else
  echo "save in place into a full file system: skipped (needs root, a tmpfs and setpriv)"
fi

# ---- 5. A read-only file ----
folder=$(mktemp -d "$work/readonly.XXXXXX")
pack first "$work/small.bin" "$folder/part.cnt"
chmod 0444 "$folder/part.cnt"
if pack second "$work/small.bin" "$folder/part.cnt" 2>/dev/null; then
  fail "a save over a read-only file reported success"
fi
cmp -s "$folder/part.cnt" "$work/small-first.cnt" || fail "a refused save changed a read-only file"
left=$(others "$folder" part.cnt)
[ -z "$left" ] || fail "a refused save left: $left"
echo "read-only file: refused and kept"

# ---- 6. Saves killed at random points ----
# A process killed leaves the same files on any file system; tmpfs, where root can have
# one, keeps the 40 saves quick.
mount_tmpfs 160
folder=${mounted:-$(mktemp -d "$work/saves.XXXXXX")}
target="$folder/part.cnt"
pack first "$work/big.bin" "$work/first.cnt"
pack second "$work/big.bin" "$work/second.cnt"
start=$(date +%s%N)
pack first "$work/big.bin" "$target"
save_ms=$((($(date +%s%N) - start) / 1000000))

kept_old=0 got_new=0 stale=0
for round in $(seq 1 20); do
  if [ $((round % 2)) -eq 1 ]; then name=second; else name=first; fi
  previous=$([ "$name" = first ] && echo second || echo first)
  # exec: the background shell becomes the save, so that the kill reaches the save itself.
  pack "$name" "$work/big.bin" "$target" exec 2>/dev/null &
  pid=$!
  delay=$((RANDOM % (save_ms + save_ms / 5 + 1)))
  sleep "$(printf '%d.%03d' $((delay / 1000)) $((delay % 1000)))"
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true

  if cmp -s "$target" "$work/$previous.cnt"; then
    kept_old=$((kept_old + 1))
  elif cmp -s "$target" "$work/$name.cnt"; then
    got_new=$((got_new + 1))
  else
    fail "round $round: killed after ${delay} ms, the file is neither the earlier nor the new one"
  fi
  [ -n "$(others "$folder" part.cnt)" ] && stale=$((stale + 1))

  # The next save, left to finish, makes the file whole and leaves nothing else.
  pack "$name" "$work/big.bin" "$target"
  cmp -s "$target" "$work/$name.cnt" || fail "round $round: the save after the kill wrote other bytes"
  left=$(others "$folder" part.cnt)
  [ -z "$left" ] || fail "round $round: the save after the kill left $left"
done
echo "killed saves (one takes ${save_ms} ms): $kept_old kept the earlier file, $got_new had the new one, $stale left a temporary until the next save"

# ---- 7. Temporaries of killed saves filling the disk ----
# Killed late, one after another, the saves leave temporaries that fill the 160 MiB tmpfs;
# the next save removes them before it writes and succeeds.
for round in 1 2 3 4; do
  pack second "$work/big.bin" "$target" exec 2>/dev/null &
  pid=$!
  delay=$((save_ms * 4 / 5))
  sleep "$(printf '%d.%03d' $((delay / 1000)) $((delay % 1000)))"
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
done
echo "killed saves left: $(others "$folder" part.cnt | wc -w) temporaries, $(du -sm "$folder" | cut -f1) MiB in all"
pack first "$work/big.bin" "$target" || fail "a save after killed saves was refused"
cmp -s "$target" "$work/first.cnt" || fail "the save after killed saves wrote other bytes"
left=$(others "$folder" part.cnt)
[ -z "$left" ] || fail "the save after killed saves left $left"
echo "temporaries of killed saves: removed before the next save wrote"

[ "$failures" -eq 0 ] || exit 1
echo "saves under faults: passed"
