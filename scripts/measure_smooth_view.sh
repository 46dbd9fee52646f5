#!/usr/bin/env bash
# Measures, on the real binary, classic against smooth: the time from a
# pointer move to the first frame that shows the turned view, the processor
# time the game takes while a course with no figures is played, and the new
# frames a second seen while figures fly.
# Needs a display (or starts a private Xvfb) and a build with frame_watch.
# Usage: scripts/measure_smooth_view.sh [moves] [cpu seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
moves=${1:-40}
cpu_seconds=${2:-10}
watch=build/tests/e2e/frame_watch
[ -x "$watch" ] || { echo "build the frame_watch target first" >&2; exit 1; }
source scripts/xvfb.sh
start_private_xvfb

# Processor time of a process so far, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Median and 90th percentile of a column of numbers.
summary() {
  sort -n | awk '{ v[NR] = $1 } END {
    if (NR == 0) { print "no samples"; exit }
    printf "median %.1f ms, 90th percentile %.1f ms, %d moves\n", v[int((NR + 1) / 2)], v[int(NR * 0.9 + 0.5)], NR }'
}

# Starts the game in MODE (classic or smooth) in a folder of its own, on
# Basic written as COURSE, and begins the course. Sets dir, pid and window.
play_course() {
  local mode=$1 course=$2 args=()
  [ "$mode" = smooth ] && args=(--smooth)
  dir=$(mktemp -d)
  cp -r build/run/. "$dir"/
  printf '%s' "$course" >"$dir/basic.txt"
  mkfifo "$dir/stdin"
  (cd "$dir" && SDL_AUDIODRIVER=dummy exec ./quorrelstead "${args[@]}" <"$dir/stdin" >/dev/null 2>&1) &
  pid=$!
  exec 9>"$dir/stdin"
  echo 1 >&9
  window=
  until [ -n "$window" ]; do
    sleep 0.1
    window=$(xdotool search --pid "$pid" --name '^Quorrelstead$' 2>/dev/null | head -n 1 || true)
  done
  sleep 1
  xdotool mousemove --window "$window" 300 300 key --window "$window" b 2>/dev/null
}

end_game() {
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  exec 9>&-
  rm -rf "$dir"
}

for mode in classic smooth; do
  # One figure after a very long delay: nothing but the aim changes.
  play_course "$mode" $'1\n# empty range\n1 0\n0 6 -100 0 90 0 0 1 100000 1.0 0\n'
  sleep 0.5
  xdotool mousemove_relative -- 1 0 2>/dev/null
  sleep 0.3
  latency=$("$watch" "$window" "$moves" 25 | awk '$1 != "-" { print $1 }' | summary)
  sleep 1
  before=$(cpu_ticks "$pid")
  sleep "$cpu_seconds"
  after=$(cpu_ticks "$pid")
  cpu=$(awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$cpu_seconds" \
    'BEGIN { printf "%.1f%% of one core", 100 * t / hz / s }')
  end_game
  echo "$mode: move to frame: $latency; processor time, no figures: $cpu"
done

# Figures in flight from the first tick on, for ten seconds: how many new
# pictures a second reach the screen.
for mode in classic smooth; do
  play_course "$mode" $'1\n# a fountain\n2 0\n0 0 -40 2 90 20 160 60 0 1.5 2\n-6 0 -55 3 75 30 170 40 0 1.5 1\n'
  sleep 2
  rate=$("$watch" "$window" --count 5)
  end_game
  echo "$mode: new frames a second with figures in flight: $rate"
done
