#!/usr/bin/env bash
# Round trip: the prover's marksman plays each shipped course through the
# play scene while it is recorded; the game's --verify must confirm every
# replay, in one line, with no window and no sound device.
# Usage: round_trip_test.sh MARKSMAN_REPLAY GAME RUN_DIR COURSE...
set -uo pipefail
recorder=$1 game=$2 run_dir=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for course in "$@"; do
  name=$(basename "$course" .txt)
  "$recorder" "$course" "$work/$name.qsr" || { echo "FAIL: $name: not recorded"; status=1; continue; }
  out=$(cd "$run_dir" && env -u DISPLAY SDL_AUDIODRIVER=none "$game" --verify "$work/$name.qsr" 2>&1)
  rc=$?
  echo "$out"
  if [ "$rc" -ne 0 ] || [ "$(printf '%s\n' "$out" | wc -l)" -ne 1 ] || [[ "$out" != *": verified: $name.txt, stage "*", cleared, "* ]]; then
    echo "FAIL: $name: --verify gave status $rc"
    status=1
  fi
done
exit $status
