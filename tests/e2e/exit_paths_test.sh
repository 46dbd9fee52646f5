#!/usr/bin/env bash
# Every way the real game can end, each with its own status and none hanging:
# the quit keys in the menu and in play (0), the window closed as a window
# manager closes it (0), the display connection cut (the toolkit's 1), the
# answer "2", the end of input and a missing course file (-1, 255 to the
# shell). Prints a table of the outcomes.
# Usage: exit_paths_test.sh GAME RUN_DIR
set -u
GAME=$(realpath "$1")
RUN_DIR=$(realpath "$2")
source "$(dirname "$0")/lib.sh"

make_sandbox
quiet_course 5

# The window-manager stand-in, built for this run.
CLOSE_WINDOW="$SANDBOX/close_window"
c++ -std=c++17 -O1 -o "$CLOSE_WINDOW" "$(dirname "$0")/../reliability/close_window.cpp" -lX11 ||
  fail "cannot build the close_window helper"

ROWS=()
FAILED=0

# Runs one path: how to get there, what ends it, the status expected.
run_path() {
  local label=$1 expected=$2
  shift 2
  rm -f "$SANDBOX/stdin" "$SANDBOX/stdout" "$SANDBOX/stderr"
  "$@"
  wait_exit 15
  local result=ok
  if [ "$STATUS" -ne "$expected" ]; then
    result="FAILED: status $STATUS"
  elif grep -qE 'AddressSanitizer|runtime error|LeakSanitizer' "$SANDBOX/stderr"; then
    result="FAILED: sanitizer report"
  fi
  [ "$result" = ok ] || { FAILED=1; sed -n '1,20p' "$SANDBOX/stderr" >&2; }
  ROWS+=("$(printf '%-28s %-7s %-8s %s' "$label" "$STATUS" "$expected" "$result")")
}

in_menu() { start_to_menu; }
in_play() { start_to_menu; key b; sleep 0.3; }

quit_in_menu() { in_menu; key "$1"; }
quit_in_play() { in_play; key "$1"; }
close_in() { "in_$1"; "$CLOSE_WINDOW" "$WINDOW" || fail "close_window failed"; }
cut_connection_in_play() { in_play; xdotool windowkill "$WINDOW" 2>/dev/null; }
answer_two() { start_game; send_line 2; }
end_of_input() { start_game; exec 7>&-; }
course_missing() {
  mv "$SANDBOX/basic.txt" "$SANDBOX/basic.txt.away"
  in_menu
  key b
  wait_output "file error"
}

for quit in q Q Escape; do run_path "$quit in the menu" 0 quit_in_menu "$quit"; done
for quit in q Q Escape; do run_path "$quit in play" 0 quit_in_play "$quit"; done
run_path "window closed in the menu" 0 close_in menu
run_path "window closed in play" 0 close_in play
run_path "display connection cut" 1 cut_connection_in_play
run_path "answer 2" 255 answer_two
run_path "end of input" 255 end_of_input
run_path "course file missing" 255 course_missing

printf '%-28s %-7s %-8s %s\n' path status expected result
printf '%s\n' "${ROWS[@]}"
[ "$FAILED" -eq 0 ] || fail "some exit paths failed"
echo "exit paths: all checks passed"
