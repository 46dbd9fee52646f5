#!/usr/bin/env bash
# Times a first ./start on a clean clone, from the command to the console
# prompt, without the compiler cache. Needs a display (or starts a private
# Xvfb). Usage: scripts/measure_first_start.sh [repository, default this one]
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(realpath "${1:-.}")
source scripts/xvfb.sh
start_private_xvfb
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER
export CCACHE_DISABLE=1

dir=$(mktemp -d)
trap 'exec 9>&- 2>/dev/null; rm -rf "$dir"' EXIT
git clone -q "$repo" "$dir/clone"
mkfifo "$dir/stdin"
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
start=$(date +%s%3N)
(cd "$dir/clone" && exec ./start <"$dir/stdin" >"$dir/stdout" 2>"$dir/stderr") &
pid=$!
exec 9>"$dir/stdin"
until grep -q "２：終了" "$dir/stdout" 2>/dev/null; do
  kill -0 "$pid" 2>/dev/null || { tail "$dir/stderr" >&2; echo "./start ended before the prompt" >&2; exit 1; }
  sleep 0.05
done
prompt=$(date +%s%3N)
echo 2 >&9
wait "$pid" || true
echo "first ./start to the prompt: $((prompt - start)) ms," \
  "$(grep -c 'Building C' "$dir/stdout") objects compiled, load after: $(cut -d' ' -f1-3 /proc/loadavg)"
