#!/usr/bin/env bash
# The console opening of the real binary, and the window it opens.
# Usage: start_prompt_test.sh GAME RUN_DIR
set -u
GAME=$1
RUN_DIR=$2
source "$(dirname "$0")/lib.sh"

expected_opening='NOW LOADING…
********************************************
*                                          *
*            Quorrelstead                  *
*                                          *
********************************************
１：ゲームを開始する２：終了'

make_sandbox

# "2" and the end of input both end the game with status -1 (255 to the shell).
for answer in "2" ""; do
  start_game
  [ -n "$answer" ] && send_line "$answer"
  exec 7>&-
  wait_exit 10
  [ "$STATUS" -eq 255 ] || fail "answer '$answer' ended with status $STATUS"
  [ "$(cat "$SANDBOX/stdout")" = "$expected_opening" ] || fail "opening for '$answer' printed: $(cat "$SANDBOX/stdout")"
  rm -f "$SANDBOX/stdin"
done

# "1" opens the 600x600 window titled Quorrelstead, which stays up.
start_game
send_line 1
wait_window
wait_output "ゲームを途中で終了するときはEscまたはQキーを押してください．"
geometry=$(xwininfo -id "$WINDOW" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$geometry" = "600x600" ] || fail "window is $geometry"
sleep 0.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended by itself"
echo "start prompt: all checks passed"
