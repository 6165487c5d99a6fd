#!/bin/bash
# Measures the game on a virtual display: time to the first shown table, peak
# resident memory, and CPU use while idle (waiting for the player) and while
# the computers play (a table of computer seats, "Start" pressed every 2 s).
# Needs xvfb-run and xdotool. Usage: scripts/measure-app.sh [build-dir]
set -euo pipefail
if [ "${1:-}" != "--inside" ]; then
  build=$(realpath "${1:-build}")
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$build"
fi
build=$2
game=$build/src/app/quillfern
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
poke() { printf "\\x$(printf %02x "$3")" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)

# A first-run table set up once (Go in the New Table dialog), then without the splash.
"$game" --data-file "$work/base.dat" --seed 5 --zoom 2 2>/dev/null &
pid=$!; sleep 2
xdotool search --name '^Quillfern$' windowfocus --sync; xdotool key Return; sleep 1
kill -TERM $pid; wait $pid || true
poke "$work/base.dat" 1052 0   # showSplash
poke "$work/base.dat" 1044 0   # confirmDeal

echo "== start-up (5 runs): time from exec to the first shown table"
for run in 1 2 3 4 5; do
  cp "$work/base.dat" "$work/t.dat"
  before=$(date +%s%3N)
  QF_REPORT_STARTUP=1 "$game" --data-file "$work/t.dat" --seed 5 2>"$work/err" &
  pid=$!
  for _ in $(seq 50); do grep -q 'first table' "$work/err" && break; sleep 0.1; done
  shown=$(grep -o 'epoch [0-9]*' "$work/err" | awk '{print $2}')
  inside=$(grep -o 'shown [0-9.]* ms' "$work/err" | awk '{print $2}')
  echo "run $run: $((shown - before)) ms from exec ($inside ms from main)"
  kill -TERM $pid; wait $pid || true
done

measure() {  # $1 label, $2 table file, $3 seconds, $4 1 to press "1" every 2 s
  /usr/bin/time -v -o "$work/time" "$game" --data-file "$2" --seed 5 --zoom 2 2>/dev/null &
  local tpid=$!
  sleep 0.5
  local pid
  pid=$(pgrep -P $tpid)
  sleep 2.5   # past the start
  local start
  start=$(cpu_ticks "$pid")
  local t=0
  while [ $t -lt "$3" ]; do
    if [ "$4" = 1 ]; then
      xdotool search --name '^Quillfern$' windowfocus --sync 2>/dev/null || true
      xdotool key 1
    fi
    sleep 2; t=$((t + 2))
  done
  local used=$(( $(cpu_ticks "$pid") - start ))
  kill -TERM "$pid"; wait $tpid || true
  echo "$1: $(awk -v u=$used -v s="$3" -v hz=$hz 'BEGIN{printf "%.2f", 100*u/hz/s}')% of a core over $3 s;" \
       "peak RSS $(awk '/Maximum resident/ {printf "%.1f MB", $6/1024}' "$work/time")"
}

echo "== idle: the player's turn, nothing pressed"
cp "$work/base.dat" "$work/idle.dat"
measure "idle" "$work/idle.dat" 20 0

echo "== computers playing: every seat a computer"
cp "$work/base.dat" "$work/cpu.dat"
for seat in 0 1 2 3 4 5; do
  kind=$(dd if="$work/cpu.dat" bs=1 skip=$((40 + 76 * seat + 68)) count=1 status=none | od -An -tu1 | tr -d ' ')
  if [ "$kind" != 2 ]; then
    poke "$work/cpu.dat" $((40 + 76 * seat + 68)) 3; poke "$work/cpu.dat" $((40 + 76 * seat + 72)) 3
  fi
done
measure "computers playing" "$work/cpu.dat" 20 1
