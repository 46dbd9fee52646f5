#!/usr/bin/env bash
# A whole game on the real binary: the menu, a course played to its end by
# aiming and firing, the results, the progress and the ranking, back to the
# menu with a course more, and out. Screens are checked pixel by pixel.
# Usage: full_game_test.sh GAME RUN_DIR
set -u
GAME=$1
RUN_DIR=$2
source "$(dirname "$0")/lib.sh"

# Some pixel of the row y between x0 and x1 is dark: a menu text stands there.
text_in_row() {
  local name=$1 y=$2 x0=$3 x1=$4 x
  for x in $(seq "$x0" 2 "$x1"); do
    [ "$(red_at "$name" "$x" "$y")" -lt 100 ] && return 0
  done
  return 1
}

# Some pixel of the row is in the play texts' red: readable on any background.
red_text_in_row() {
  local name=$1 y=$2 x0=$3 x1=$4 x r g b
  for x in $(seq "$x0" 1 "$x1"); do
    read -r r g b < <(rgb_at "$name" "$x" "$y")
    [ "$r" -gt 150 ] && [ "$g" -lt 60 ] && [ "$b" -lt 60 ] && return 0
  done
  return 1
}

make_sandbox
rm -f "$SANDBOX/data.dat" "$SANDBOX/ranking.dat"
# One stage: a big one-hit figure that rises and falls straight ahead, its
# whole flight of about four seconds across the line of sight.
printf '1\n# a figure straight ahead\n1 20\n0 0.6 -60 0 90 0 100 1 3 3.0 0\n' >"$SANDBOX/basic.txt"

start_to_menu
shot 1-menu
text_in_row 1-menu 108 200 296 || fail "the menu shows no title"
text_in_row 1-menu 218 214 276 || fail "the menu does not offer Basic"
text_in_row 1-menu 218 300 380 && fail "the menu offers Advanced without progress"

key b
shot 2-play 0.3
[ "$(red_at 2-play 2 2)" -lt 20 ] || fail "no scope in play"
red_text_in_row 2-play 128 240 300 || fail "play shows no stage number"

# Fire until the console reports a hit.
for i in $(seq 1 15); do
  xdotool click 1 2>/dev/null
  sleep 0.3
  grep -q "ヒット" "$SANDBOX/stdout" && break
done
grep -q "ヒット" "$SANDBOX/stdout" || fail "no hit after $i shots"

shot 3-results 1.0
red_text_in_row 3-results 108 200 260 || fail "the results show no CLEAR!!!"
red_text_in_row 3-results 308 150 230 || fail "the results show no hit rate"
red_text_in_row 3-results 408 200 300 || fail "the results show no retry prompt"
red_text_in_row 3-results 179 150 200 || fail "the results show no rank title"
[ "$(cat "$SANDBOX/data.dat")" = 1 ] || fail "the progress file holds '$(cat "$SANDBOX/data.dat")'"
[ -s "$SANDBOX/ranking.dat" ] || fail "the ranking file is empty"
grep -qP '^\d+\t\t0\t\d+\t' "$SANDBOX/ranking.dat" || fail "the ranking holds: $(cat "$SANDBOX/ranking.dat")"

key n
shot 4-menu-again
text_in_row 4-menu-again 218 300 380 || fail "the menu does not offer Advanced after Basic was cleared"

key q
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "q ended with status $STATUS"
if [ -n "${QS_SCREENSHOT_DIR:-}" ]; then
  cp "$SANDBOX"/[0-9]-*.png "$QS_SCREENSHOT_DIR"/
fi
echo "full game: all checks passed"
