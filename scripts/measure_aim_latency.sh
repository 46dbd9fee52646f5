#!/usr/bin/env bash
# Measures, on the real binary, the time from a pointer movement to the first
# frame that shows the view turned, in the classic game (one frame per tick).
# Needs a display (or starts a private Xvfb).
# Usage: scripts/measure_aim_latency.sh [moves] [game binary] [extra options]
set -euo pipefail
cd "$(dirname "$0")/.."
moves=${1:-40}
game=${2:-$(pwd)/build/run/quorrelstead}
shift $(($# > 2 ? 2 : $#))
cmake --build build --target aim_latency >/dev/null
source scripts/xvfb.sh
start_private_xvfb

dir=$(mktemp -d)
cp -r build/run/. "$dir"/
# One stage on which nothing is launched for a long while: the frame changes
# only when the view turns.
printf '1\n1 0\n0 6 -100 0 90 0 0 1 100000 1.0 0\n' >"$dir/basic.txt"
mkfifo "$dir/stdin"
(cd "$dir" && SDL_AUDIODRIVER=dummy exec "$game" "$@" <"$dir/stdin" >"$dir/stdout" 2>"$dir/stderr") &
pid=$!
exec 9>"$dir/stdin"
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$dir"' EXIT
echo 1 >&9
until grep -q "Escまたは" "$dir/stdout" 2>/dev/null; do sleep 0.05; done
window=$(xdotool search --pid "$pid" --name '^Quorrelstead$' | head -n 1)
xdotool mousemove --window "$window" 300 300 2>/dev/null
sleep 0.3
xdotool key --window "$window" b 2>/dev/null
sleep 0.5
xdotool mousemove_relative -- 1 0 2>/dev/null
sleep 0.3
build/tools/aim_latency/aim_latency "$window" "$moves"
