#!/usr/bin/env bash
# Replays on the real binary: a course played with pointer moves and clicks
# until its results show is recorded into replays/; --verify confirms it;
# --replay plays it in the window, and its results screen, the aim turned on
# it included, is the one the player saw, pixel for pixel. Esc leaves the
# replay with status 0.
# Usage: replay_test.sh GAME RUN_DIR
set -u
GAME=$1
RUN_DIR=$2
source "$(dirname "$0")/lib.sh"

make_sandbox
rm -rf "$SANDBOX/data.dat" "$SANDBOX/ranking.dat" "$SANDBOX/replays"
# One stage: a big one-hit figure that rises and falls straight ahead, and a
# second one a little later and to the right.
printf '1\n# two figures ahead\n2 20\n0 0.6 -60 0 90 0 100 1 3 3.0 0\n6 0.6 -60 0 90 0 100 1 12 3.0 0\n' \
  >"$SANDBOX/basic.txt"

start_to_menu
key b
sleep 0.3
# Sweep the aim a little each way while firing, until the course is over.
for i in $(seq 1 40); do
  xdotool mousemove_relative -- $(( i % 4 < 2 ? 3 : -3 )) $(( i % 6 < 3 ? -1 : 1 )) 2>/dev/null
  sleep 0.05
  xdotool click 1 2>/dev/null
  sleep 0.2
  ls "$SANDBOX"/replays/*.qsr >/dev/null 2>&1 && break
done
only_replay
# Turn the aim on the results screen: the replay, kept again when the scene
# is left, must show the same view.
sleep 0.5
xdotool mousemove_relative -- 40 -15 2>/dev/null
shot played-results 1.0

key Escape
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "Esc ended with status $STATUS"

verify_replay "$REPLAY"

# Watching: from another folder, with the file named relative to it.
watch_replay "$REPLAY"
# The run plays at its own pace, then its results stay.
sleep "$(( VERIFIED_TICKS / 10 + 2 ))"
shot replayed-results 0.5
[ -s "$SANDBOX/replay-stdout" ] && fail "--replay printed: $(head -c 200 "$SANDBOX/replay-stdout")"
differing=$(pixels_differing played-results replayed-results)
[ "$differing" = 0 ] || fail "the replayed results differ from the played ones in $differing pixels"
key q
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "q left the replay with status $STATUS"

if [ -n "${QS_SCREENSHOT_DIR:-}" ]; then
  cp "$SANDBOX"/played-results.png "$SANDBOX"/replayed-results.png "$QS_SCREENSHOT_DIR"/
fi
echo "replay: all checks passed"
