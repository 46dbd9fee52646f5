#!/usr/bin/env bash
# Times `quorrelstead --verify` on the marksman's run of every shipped course,
# the longest (Extreme) included, process start to exit, and gives each
# replay's size per minute of play. Needs the build's quorrelstead and
# marksman_replay targets.
# Usage: scripts/measure_replay.sh [build folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
runs=${2:-10}
game="$build/run/quorrelstead"
recorder="$build/tools/marksman_replay/marksman_replay"
for tool in "$game" "$recorder"; do
  [ -x "$tool" ] || { echo "measure_replay: $tool is missing; build it first" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%-10s %7s %9s %9s %12s\n' course ticks bytes bytes/min "verify (ms)"
for name in basic advanced sniper extreme; do
  line=$("$recorder" "data/$name.txt" "$work/$name.qsr")
  ticks=$(sed -E 's/.*: ([0-9]+) ticks.*/\1/' <<<"$line")
  bytes=$(stat -c %s "$work/$name.qsr")
  times=()
  for _ in $(seq 1 "$runs"); do
    start=$(date +%s%N)
    (cd "$build/run" && env -u DISPLAY SDL_AUDIODRIVER=none "$game" --verify "$work/$name.qsr" >/dev/null)
    times+=($(( ($(date +%s%N) - start) / 1000000 )))
  done
  median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }')
  printf '%-10s %7d %9d %9d %12d\n' "$name" "$ticks" "$bytes" $(( bytes * 600 / ticks )) "$median"
done
