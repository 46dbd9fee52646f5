#!/usr/bin/env bash
# The pointer is held inside the window while a course runs, and free in the
# menu, on the results, while the window has lost the focus, and once the game
# has ended. Usage: pointer_hold_test.sh GAME RUN_DIR
set -u
GAME=$1
RUN_DIR=$2
source "$(dirname "$0")/lib.sh"

# Moves the pointer to a screen position far outside the window (which sits
# at (1, 1), 600x600) and prints where it ended up.
try_to_leave() {
  xdotool mousemove 900 800 2>/dev/null
  sleep 0.2
  xdotool getmouselocation 2>/dev/null | sed -n 's/^x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/p'
}

held() {
  local x y
  read -r x y < <(try_to_leave)
  [ "$x" -le 600 ] && [ "$y" -le 600 ]
}

back_inside() {
  xdotool mousemove 300 300 2>/dev/null
  sleep 0.2
}

make_sandbox
quiet_course 0
start_to_menu
held && fail "the pointer is held in the menu"
back_inside
key b
sleep 0.5
held || fail "the pointer left the window during play"

# The focus goes to the root window: the pointer is let go, and taken again
# when the focus comes back.
ROOT=$(xwininfo -root | awk '/Window id:/ { print $4 }')
xdotool windowfocus "$WINDOW" 2>/dev/null
sleep 0.3
held || fail "the pointer left the window while it had the focus"
xdotool windowfocus "$ROOT" 2>/dev/null
sleep 0.5
held && fail "the pointer is still held after the focus went elsewhere"
back_inside
xdotool windowfocus "$WINDOW" 2>/dev/null
sleep 0.5
held || fail "the pointer is not held again when the focus came back"

key q
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "q ended with status $STATUS"
back_inside
held && fail "the pointer is still held after the game ended"

# A course that is over on its first tick: the results let the pointer go,
# and a retry takes it again for as long as the course runs.
printf '1\n0 0\n' >"$SANDBOX/basic.txt"
rm -f "$SANDBOX/stdin"
back_inside
start_to_menu
key b
sleep 0.8
held && fail "the pointer is held on the results"
back_inside
key Escape
wait_exit 10
echo "pointer hold: all checks passed"
