#!/usr/bin/env bash
# Aiming from pointer positions and warp echoes (--no-raw-motion): a warp made
# while the menu shows (by a resize) is never taken for the echo of a later
# pull-back, so a real 1-pixel move onto its target still turns the view.
# Usage: stale_warps_test.sh GAME RUN_DIR
set -u
GAME=$1
RUN_DIR=$2
source "$(dirname "$0")/lib.sh"

make_sandbox
quiet_course 0
# The game with its option, through a wrapper that start_game can run.
REAL_GAME=$GAME
GAME=$SANDBOX/game_without_raw_motion
printf '#!/bin/sh\nexec "%s" --no-raw-motion "$@"\n' "$REAL_GAME" >"$GAME"
chmod +x "$GAME"

start_to_menu
grep -q "aiming from pointer positions" "$SANDBOX/stderr" || fail "the game does not aim from positions: $(cat "$SANDBOX/stderr")"
# The window sits at (1, 1): a resize to 500x500 puts the pointer at the
# screen's (250, 250), the window's (249, 249), while the menu shows.
xdotool windowsize "$WINDOW" 500 500 2>/dev/null
sleep 0.5
key b
sleep 0.3
# The first movement only sets the reference; it is pulled back to (250, 250).
xdotool mousemove_relative -- 1 1 2>/dev/null
shot before
# One pixel up and left: onto the resize's old target.
xdotool mousemove_relative -- -1 -1 2>/dev/null
shot after
[ "$(pixels_differing before after)" -gt 100 ] || fail "a 1-pixel move onto an old warp target did not turn the view"

key Escape
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "Escape ended with status $STATUS"
echo "stale warps: all checks passed"
