#!/usr/bin/env bash
# The game started where no window can be opened: one line on stderr that
# says what is wrong and what to do, nothing from the toolkit, nothing on
# stdout, and status 1, both with DISPLAY unset and with a display that
# cannot be opened. --help still works there.
# Usage: no_display_test.sh GAME
set -u
GAME=$(realpath "$1")
FAILED=0
fail() {
  echo "FAIL: $*" >&2
  FAILED=1
}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK" || exit 1

check_no_display() {
  local label=$1 mention=$2
  shift 2
  # Input that would start the game, had the window opened.
  printf '1\n' | "$@" >stdout 2>stderr
  local status=$?
  local lines
  lines=$(wc -l <stderr)
  if [ "$status" -ne 1 ]; then
    fail "$label: status $status, not 1"
  elif [ "$lines" -ne 1 ]; then
    fail "$label: $lines lines on stderr, not 1"
  elif ! grep -q '^quorrelstead: the game needs a graphical session, and .*DISPLAY' stderr; then
    fail "$label: the line does not say what is wrong"
  elif ! grep -qF -- "$mention" stderr; then
    fail "$label: the line does not mention $mention"
  elif ! grep -q 'start it from a desktop session' stderr; then
    fail "$label: the line does not say what to do"
  elif grep -qi 'freeglut\|failed to open display' stderr; then
    fail "$label: the toolkit spoke"
  elif [ -s stdout ]; then
    fail "$label: something was printed on stdout"
  else
    echo "$label: $(cat stderr)"
    return 0
  fi
  cat stderr >&2
}

check_no_display "DISPLAY unset" "DISPLAY is not set" env -u DISPLAY -u WAYLAND_DISPLAY "$GAME"
check_no_display "DISPLAY empty" "DISPLAY is not set" env -u WAYLAND_DISPLAY DISPLAY= "$GAME"
check_no_display "DISPLAY unreachable" "DISPLAY=:7719 cannot be opened" env -u WAYLAND_DISPLAY DISPLAY=:7719 "$GAME"

env -u DISPLAY "$GAME" --help >stdout 2>stderr
status=$?
[ "$status" -eq 0 ] && grep -q -- '--help' stdout || fail "--help without a display: status $status"

exit "$FAILED"
