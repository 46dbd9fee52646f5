#!/usr/bin/env bash
# Mouse-look on the real binary: however the pointer's movements arrive, in
# bursts, one by one, or with a button held, the view turns by the same
# amount for the same pixels. Frames are compared pixel for pixel.
# Usage: aiming_test.sh GAME RUN_DIR
set -u
GAME=$1
RUN_DIR=$2
source "$(dirname "$0")/lib.sh"

# One call of xdotool that moves the pointer n times by (dx, dy).
burst() {
  local n=$1 dx=$2 dy=$3 args=() i
  for i in $(seq 1 "$n"); do args+=(mousemove_relative -- "$dx" "$dy"); done
  xdotool "${args[@]}" 2>/dev/null
}

make_sandbox
quiet_course 0
start_to_menu
key b
sleep 0.3
# The first movement in play only sets the reference it is measured from.
xdotool mousemove_relative -- 1 0 2>/dev/null
shot straight

burst 10 5 0  # 50 pixels right: 10 degrees
shot right
[ "$(pixels_differing straight right)" -gt 1000 ] || fail "the view did not turn"

burst 10 -5 0
shot back
[ "$(pixels_differing straight back)" -eq 0 ] || fail "a burst there and back does not return the view"

for i in $(seq 1 10); do
  xdotool mousemove_relative -- 5 0 2>/dev/null
  sleep 0.15
done
shot right_slowly
[ "$(pixels_differing right right_slowly)" -eq 0 ] || fail "moves one by one turn differently from a burst"

# With the button held (clicks find no bullets, so nothing else changes).
xdotool mousedown 1 2>/dev/null
burst 10 -5 0
xdotool mouseup 1 2>/dev/null
shot back_held
[ "$(pixels_differing straight back_held)" -eq 0 ] || fail "held-button moves turn differently"

# Moves while the game is busy: stopped, it finds them all queued when it
# resumes, every real movement ahead of every echo.
kill -STOP "$GAME_PID"
burst 10 5 0
kill -CONT "$GAME_PID"
shot right_busy
[ "$(pixels_differing right right_busy)" -eq 0 ] || fail "moves during a busy spell turn differently"
kill -STOP "$GAME_PID"
burst 10 -5 0
sleep 0.2
kill -CONT "$GAME_PID"
shot back_busy
[ "$(pixels_differing straight back_busy)" -eq 0 ] || fail "moves during a busy spell do not return the view"

# Up and down as well, in one mixed burst.
burst 5 3 -4
burst 5 -3 4
shot mixed
[ "$(pixels_differing straight mixed)" -eq 0 ] || fail "a mixed burst does not return the view"

key Escape
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "Escape ended with status $STATUS"
echo "aiming: all checks passed"
