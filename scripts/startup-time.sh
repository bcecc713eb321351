#!/usr/bin/env bash
# Measures the desktop program's start against a minimal Qt Widgets program (a main window
# with a menu bar), the same way in one run: from launch until each one's window is mapped
# in a virtual X server, alternating, RUNS times each (default 11). Prints the medians in
# milliseconds and their ratio. The program starts with a workshop name already kept, as it
# does for an author after the first start.
#   scripts/startup-time.sh [build folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
runs=${2:-11}
program=$(realpath "$build/frontends/qt/qelcontainer")
peer=$(realpath "$build/bench/qel-minimal-qt-window")

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

smoke_name=startup-time
shots=$work
limit=20
# shellcheck source=scripts/smoke_walk.sh
source scripts/smoke_walk.sh
start_xvfb

new_linux_user
mkdir -p "$(dirname "$settings_file")"
printf '[General]\nmaker=StartWorks\n' >"$settings_file"

# Each top-level window mapped, as the nanosecond it was seen, one per line of $work/maps.
# One X client watches: asking the server in a loop makes it turn starting programs away.
xev -root -event substructure 2>/dev/null | while IFS= read -r line; do
  case $line in MapNotify*) date +%s%N ;; esac
done >"$work/maps" &

# Milliseconds from launching $1 until its first window is mapped; the program is ended.
start_time() {
  local begin seen pid status=0
  seen=$(wc -l <"$work/maps")
  begin=$(date +%s%N)
  "$1" >"$work/app.log" 2>&1 &
  pid=$!
  until [ "$(wc -l <"$work/maps")" -gt "$seen" ]; do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" || status=$?
      fail "$1 ended before its window showed (exit status $status)"
    fi
    [ $(($(date +%s%N) - begin)) -lt $((limit * 1000000000)) ] || fail "$1 showed no window"
    sleep 0.005
  done
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo $((($(sed -n "$((seen + 1))p" "$work/maps") - begin) / 1000000))
}
# A first start of each, not counted, brings their files into memory; by the time the
# window is found the watcher has long been listening.
warm_up() {
  "$1" >"$work/app.log" 2>&1 &
  local pid=$!
  window "$2" >/dev/null
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: >"$work/program"
: >"$work/peer"
warm_up "$program" "ノルカ"
warm_up "$peer" "minimal"
for _ in $(seq "$runs"); do
  start_time "$program" >>"$work/program"
  start_time "$peer" >>"$work/peer"
done
program_ms=$(median <"$work/program")
peer_ms=$(median <"$work/peer")
echo "qelcontainer: $program_ms ms (runs: $(tr '\n' ' ' <"$work/program"))"
echo "minimal Qt Widgets program: $peer_ms ms (runs: $(tr '\n' ' ' <"$work/peer"))"
awk -v a="$program_ms" -v b="$peer_ms" 'BEGIN { printf "ratio: %.2f\n", a / b }'
