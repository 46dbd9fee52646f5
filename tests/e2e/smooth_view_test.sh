#!/usr/bin/env bash
# The smooth mode on the real binary: a turn of the aim shows in a frame of
# its own before the next tick (the classic game shows it only with the
# tick), and the picture a course ends on, with figures in view, is the
# classic picture pixel for pixel; the menu and the quit key stay as they are.
# Usage: smooth_view_test.sh GAME RUN_DIR FRAME_WATCH
set -u
GAME=$1
RUN_DIR=$2
FRAME_WATCH=$3
source "$(dirname "$0")/lib.sh"

# The bullet count's band of the texts, cut out of a screenshot.
texts_band() { convert "$SANDBOX/$1.png" -crop 104x24+236+36 +repage "$SANDBOX/$2.png"; }

# Pixels of a row of a screenshot in which green (or blue) clearly dominates.
colour_pixels_in_row() {
  convert "$SANDBOX/$1.png" -crop "600x1+0+$2" -depth 8 txt:- | awk -v want="$3" '
    NR > 1 { split($2, c, /[(,)]/); r = c[2]; g = c[3]; b = c[4]
             if (want == "green" && g > r + 60 && g > b + 60) n++
             if (want == "blue" && b > r + 60 && b > g + 60) n++ }
    END { print n + 0 }'
}

quit_game() {
  key Escape
  wait_exit 10
  [ "$STATUS" -eq 0 ] || fail "Escape ended with status $STATUS"
}

make_sandbox

# Each trial clicks (one bullet less, which the texts show from the next tick
# on) and turns the aim; the first frame that shows the turn tells whether it
# came before that tick: its texts still show the old count.
quiet_course 40
start_to_play --smooth
shot before_trials
"$FRAME_WATCH" "$WINDOW" 12 25 --click >"$SANDBOX/smooth_trials" || fail "frame_watch failed"
shot after_trials
quit_game
texts_band before_trials before_texts
texts_band after_trials after_texts
[ "$(pixels_differing before_texts after_texts)" -gt 0 ] || fail "the shots did not change the bullet count"
grep -q -- '^- ' "$SANDBOX/smooth_trials" && fail "smooth: a turn never showed: $(cat "$SANDBOX/smooth_trials")"
early=$(awk '$2 == 1' "$SANDBOX/smooth_trials" | wc -l)
[ "$early" -ge 6 ] || fail "smooth: only $early of 12 turns showed before the tick: $(cat "$SANDBOX/smooth_trials")"

# The same trials on the classic game: the turn always comes with the tick.
start_to_play ""
"$FRAME_WATCH" "$WINDOW" 6 25 --click >"$SANDBOX/classic_trials" || fail "frame_watch failed"
quit_game
grep -q -- '^- ' "$SANDBOX/classic_trials" && fail "classic: a turn never showed: $(cat "$SANDBOX/classic_trials")"
early=$(awk '$2 == 1' "$SANDBOX/classic_trials" | wc -l)
[ "$early" -eq 0 ] || fail "classic: $early turns showed before their tick: $(cat "$SANDBOX/classic_trials")"

# A course lost in a few ticks while figures of all three colours fly in
# view: once it is over the field stands still, and the smooth frame at any
# moment is the tick's own picture.
printf '%s\n' 1 '# figures in view when the lives run out' '3 0' \
  '100 0 -50 0 90 0 0 5 2 1.0 0' '0 0 -40 1 90 0 100 3 0 2.0 2' '-8 0 -60 2 70 0 120 3 1 2.0 1' \
  >"$SANDBOX/basic.txt"
for mode in classic smooth; do
  args=""
  [ "$mode" = smooth ] && args=--smooth
  rm -f "$SANDBOX/ranking.dat"
  start_to_play "$args"
  xdotool mousemove_relative -- 15 -20 2>/dev/null
  shot "${mode}_end" 2.5
  key n
  shot "${mode}_menu"
  quit_game
done
[ "$(pixels_differing classic_end smooth_end)" -eq 0 ] ||
  fail "the course ends on a different picture in smooth mode"
# The picture compared does show figures: green and blue ones on row 340.
for colour in green blue; do
  [ "$(colour_pixels_in_row smooth_end 340 "$colour")" -gt 10 ] || fail "no $colour figure in the end picture"
done
[ "$(pixels_differing classic_menu smooth_menu)" -eq 0 ] || fail "the menu differs in smooth mode"
echo "smooth view: all checks passed"
