#!/usr/bin/env bash
# Measures the desktop program's start against a minimal Qt Widgets program (a main window
# with a menu bar), the same way in one run: from launch until each one's window is visible
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

# Milliseconds from launching $1 until a window titled $2 is visible; the program is ended.
start_time() {
  local begin end pid status=0
  begin=$(date +%s%N)
  "$1" >"$work/app.log" 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" || status=$?
      fail "$1 ended before its window showed (exit status $status)"
    fi
    [ $(($(date +%s%N) - begin)) -lt $((limit * 1000000000)) ] || fail "no window '$2'"
    # Asking without a pause floods the X server, which then turns the program away.
    sleep 0.01
  done
  end=$(date +%s%N)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo $(((end - begin) / 1000000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: >"$work/program"
: >"$work/peer"
for _ in $(seq "$runs"); do
  start_time "$program" "ノルカ" >>"$work/program"
  start_time "$peer" "minimal" >>"$work/peer"
done
program_ms=$(median <"$work/program")
peer_ms=$(median <"$work/peer")
echo "qelcontainer: $program_ms ms (runs: $(tr '\n' ' ' <"$work/program"))"
echo "minimal Qt Widgets program: $peer_ms ms (runs: $(tr '\n' ' ' <"$work/peer"))"
awk -v a="$program_ms" -v b="$peer_ms" 'BEGIN { printf "ratio: %.2f\n", a / b }'
