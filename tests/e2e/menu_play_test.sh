#!/usr/bin/env bash
# The menu, a course started from it, and the quit keys, on the real binary.
# Usage: menu_play_test.sh GAME RUN_DIR
set -u
GAME=$1
RUN_DIR=$2
source "$(dirname "$0")/lib.sh"

make_sandbox
quiet_course 0
rm -f "$SANDBOX/data.dat"

# The menu is drawn: near-black title on white, then B starts play.
start_to_menu
shot menu
[ "$(red_at menu 5 5)" -eq 255 ] || fail "menu background is not white"
dark=0
for x in $(seq 200 4 296); do
  [ "$(red_at menu "$x" 108)" -lt 64 ] && dark=$((dark + 1))
done
[ "$dark" -gt 3 ] || fail "no title drawn on the menu"
[ "$(red_at menu 310 218)" -eq 255 ] || fail "Advanced is offered without progress"
key b
shot play
[ "$(red_at play 2 2)" -lt 20 ] || fail "no scope mask in play"
[ "$(red_at play 590 590)" -lt 20 ] || fail "no scope mask in play"
key q
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "q in play ended with status $STATUS"

# Every quit key, from the menu and from play.
for where in menu play; do
  for quit in Escape Q q; do
    rm -f "$SANDBOX/stdin"
    start_to_menu
    [ "$where" = play ] && { key b; sleep 0.3; }
    key "$quit"
    wait_exit 10
    [ "$STATUS" -eq 0 ] || fail "$quit in the $where ended with status $STATUS"
  done
done
echo "menu and play: all checks passed"
