#!/usr/bin/env bash
# Replays and the smooth mode on the real binary: one course played with the
# same scripted pointer input, classic and with --smooth, writes a replay
# each; --verify confirms both and finds the same result in them. Watched
# with --replay FILE --smooth, a replay is drawn at display rate (figures in
# flight change the picture more often than the ticks do) and ends on the
# classic replay's results screen, pixel for pixel.
# Usage: smooth_replay_test.sh GAME RUN_DIR FRAME_WATCH
set -u
GAME=$1
RUN_DIR=$2
FRAME_WATCH=$3
source "$(dirname "$0")/lib.sh"

make_sandbox
rm -rf "$SANDBOX/data.dat" "$SANDBOX/ranking.dat" "$SANDBOX/replays"
mkdir -p "$SANDBOX/kept"
# Figures rise and fall straight ahead while the lives run out on figures
# that escape at once; the aim turns away from them before any shot, so that
# no shot can hit and the result does not hang on when a click lands.
printf '%s\n' 1 '# figures ahead, shots aside' '3 20' \
  '0 0 -40 2 90 0 100 6 0 2.0 2' '-8 0 -60 3 70 0 120 4 1 2.0 1' '100 0 -50 4 90 0 0 5 60 1.0 0' \
  >"$SANDBOX/basic.txt"

# Plays the course with the given options and keeps its replay as kept/NAME.qsr.
play_course() {
  local name=$1 i
  start_to_play "$2"
  # Every shot lands seconds before the lives run out, even on a slow build.
  sleep 0.5
  for i in 1 2 3 4 5; do
    xdotool mousemove_relative -- 40 0 2>/dev/null
    sleep 0.05
  done
  for i in 1 2 3 4 5 6; do
    xdotool click 1 2>/dev/null
    sleep 0.1
  done
  for i in $(seq 1 100); do
    ls "$SANDBOX"/replays/*.qsr >/dev/null 2>&1 && break
    sleep 0.1
  done
  only_replay
  sleep 0.3
  key Escape
  wait_exit 10
  [ "$STATUS" -eq 0 ] || fail "Esc ended with status $STATUS"
  mv "$SANDBOX/replays/$REPLAY" "$SANDBOX/kept/$name.qsr"
}

play_course classic ""
play_course smooth --smooth
mv "$SANDBOX"/kept/*.qsr "$SANDBOX/replays/"

# Both verify headless, and hold the same result.
verify_replay classic.qsr
classic_result=${VERIFIED#*: verified: }
verify_replay smooth.qsr
smooth_result=${VERIFIED#*: verified: }
[ "$classic_result" = "$smooth_result" ] ||
  fail "the replays differ: classic $classic_result; smooth $smooth_result"
printf '%s\n' "$classic_result" | grep -q ' 6 shots, 0 hits' || fail "not the six shots played: $classic_result"

# Watches a replay, counts the picture's changes a second while the figures
# fly, and keeps its results screen as NAME.png.
watch_and_count() {
  local name=$1
  shift
  watch_replay "$@"
  sleep 0.2
  RATE=$("$FRAME_WATCH" "$WINDOW" --count 1.0) || fail "frame_watch failed"
  RATE=${RATE%%.*}
  sleep "$(( VERIFIED_TICKS / 10 + 1 ))"
  shot "$name" 0.5
  [ -s "$SANDBOX/replay-stdout" ] && fail "--replay printed: $(head -c 200 "$SANDBOX/replay-stdout")"
  key q
  wait_exit 10
  [ "$STATUS" -eq 0 ] || fail "q left the replay with status $STATUS"
}

watch_and_count classic-watched smooth.qsr
classic_rate=$RATE
watch_and_count smooth-watched smooth.qsr --smooth
smooth_rate=$RATE
echo "picture changes a second while figures fly: classic $classic_rate, smooth $smooth_rate"
[ "$classic_rate" -le 12 ] || fail "the classic replay changed $classic_rate times a second"
[ "$smooth_rate" -ge 20 ] || fail "the smooth replay changed only $smooth_rate times a second"
differing=$(pixels_differing classic-watched smooth-watched)
[ "$differing" = 0 ] || fail "the smooth replay's results differ from the classic one's in $differing pixels"

if [ -n "${QS_SCREENSHOT_DIR:-}" ]; then
  cp "$SANDBOX"/classic-watched.png "$SANDBOX"/smooth-watched.png "$QS_SCREENSHOT_DIR"/
fi
echo "smooth replay: all checks passed"
