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

# The progress file is read on the way to the menu: each course it unlocks is
# offered. A text is there when its row has dark pixels.
drawn() {
  local dark
  dark=$(convert "$SANDBOX/$3.png" -crop "80x1+$1+$2" -depth 8 txt:- |
    awk 'NR > 1 { split($2, c, /[(,]/); if (int(c[2]) < 64) n++ } END { print n + 0 }')
  [ "$dark" -gt 3 ]
}
# progress, then whether Advanced, Sniper and Extreme are offered
for row in "0 no no no" "1 yes no no" "2 yes yes no" "3 yes yes yes"; do
  read -r progress advanced sniper extreme <<<"$row"
  rm -f "$SANDBOX/stdin"
  printf '%s' "$progress" >"$SANDBOX/data.dat"
  start_to_menu
  shot "progress$progress"
  for course in "Advanced 300 218 $advanced" "Sniper 214 268 $sniper" "Extreme 300 268 $extreme"; do
    read -r name x y offered <<<"$course"
    if drawn "$x" "$y" "progress$progress"; then seen=yes; else seen=no; fi
    [ "$seen" = "$offered" ] || fail "with progress $progress, $name offered: $seen"
  done
  key q
  wait_exit 10
done
rm -f "$SANDBOX/data.dat"

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
