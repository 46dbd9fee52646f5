#!/usr/bin/env bash
# Measures, on the real binary, the time from launch to the start prompt and
# from the answer "1" to the first frame of the menu, and how long the main
# thread was on a processor up to the prompt (a figure that a busy machine
# disturbs less than the wall time). Needs a display (or starts a private
# Xvfb). Usage: scripts/measure_startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${1:-5}
source scripts/xvfb.sh
start_private_xvfb

now_ms() { date +%s%3N; }

for run in $(seq 1 "$runs"); do
  dir=$(mktemp -d)
  cp -r build/run/. "$dir"/
  mkfifo "$dir/stdin"
  start=$(now_ms)
  (cd "$dir" && exec ./quorrelstead <"$dir/stdin" >"$dir/stdout" 2>/dev/null) &
  pid=$!
  exec 9>"$dir/stdin"
  until grep -q "２：終了" "$dir/stdout" 2>/dev/null; do sleep 0.002; done
  prompt=$(now_ms)
  busy_ns=$(cut -d' ' -f1 "/proc/$pid/task/$pid/schedstat")
  window=$(xdotool search --pid "$pid" --name '^Quorrelstead$' | head -n 1)
  answered=$(now_ms)
  echo 1 >&9
  # The menu's title is drawn in near-black from (200, 100).
  until [ "$(convert x:"$window" -crop 96x16+200+100 -format '%[fx:int(255*minima)]' info: 2>/dev/null || echo 255)" -lt 100 ]; do
    :
  done
  menu=$(now_ms)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  exec 9>&-
  rm -rf "$dir"
  echo "run $run: launch to prompt $((prompt - start)) ms (main thread busy $((busy_ns / 1000000)) ms)," \
    "answer to menu frame $((menu - answered)) ms"
done
