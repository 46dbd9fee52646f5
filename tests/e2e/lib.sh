# Helpers for end-to-end tests of the real game binary under X.
# Sourced with GAME (the binary) and RUN_DIR (its data folder) set.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Makes a private copy of the run folder so that saved files stay apart.
make_sandbox() {
  SANDBOX=$(mktemp -d)
  cp -r "$RUN_DIR"/. "$SANDBOX"/
  trap 'stop_game; rm -rf "$SANDBOX"' EXIT
}

# Starts the game in the sandbox with its input from a fifo kept open by us,
# with the options in GAME_ARGS if any.
start_game() {
  mkfifo "$SANDBOX/stdin"
  (cd "$SANDBOX" && SDL_AUDIODRIVER=dummy exec "$GAME" ${GAME_ARGS:-} <"$SANDBOX/stdin" >"$SANDBOX/stdout" 2>"$SANDBOX/stderr") &
  GAME_PID=$!
  exec 7>"$SANDBOX/stdin"
}

send_line() { printf '%s\n' "$1" >&7; }

# Ends a game still running: SIGTERM first, then SIGKILL, so that a game
# stuck on its way out cannot hang the test.
stop_game() {
  [ -n "${GAME_PID:-}" ] || return 0
  kill "$GAME_PID" 2>/dev/null
  local i
  for i in $(seq 1 20); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$GAME_PID" 2>/dev/null
  wait "$GAME_PID" 2>/dev/null
  GAME_PID=
}

# Waits for the game to end and sets STATUS; fails after the given seconds.
wait_exit() {
  local seconds=$1 i
  for i in $(seq 1 $((seconds * 10))); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
      wait "$GAME_PID"
      STATUS=$?
      GAME_PID=
      return 0
    fi
    sleep 0.1
  done
  fail "the game did not end within ${seconds}s"
}

# Waits for the game window and sets WINDOW to its id.
wait_window() {
  local i
  for i in $(seq 1 100); do
    WINDOW=$(xdotool search --pid "$GAME_PID" --name '^Quorrelstead$' 2>/dev/null | head -n 1)
    [ -n "$WINDOW" ] && return 0
    sleep 0.1
  done
  fail "no window titled Quorrelstead appeared"
}

wait_output() {
  local text=$1 i
  for i in $(seq 1 100); do
    grep -qF -- "$text" "$SANDBOX/stdout" && return 0
    sleep 0.1
  done
  fail "the console never showed: $text"
}

# Writes a one-stage course in the sandbox as basic.txt: one spawner whose
# figure comes only after a very long delay, and the given bullets.
quiet_course() {
  printf '1\n# nothing happens for a long while\n1 %d\n0 6 -100 0 90 0 0 1 100000 1.0 0\n' "${1:-0}" >"$SANDBOX/basic.txt"
}

# A key that ends the game can take the window with it before xdotool sends
# the release, which then never comes: the key would stay down on the server
# and quit every game started after. So every key is let go once more.
key() {
  xdotool key --window "$WINDOW" "$@" 2>/dev/null
  xdotool keyup "$@" 2>/dev/null
  return 0
}

# Saves the window's image under the given name in the sandbox.
shot() {
  sleep "${2:-0.4}"  # a few ticks, so the frame shows what came before
  # A window that is gone would leave import waiting for ever.
  timeout 10 import -window "$WINDOW" "$SANDBOX/$1.png" || fail "no screenshot $1"
}

# The red channel of one pixel of a screenshot.
red_at() {
  convert "$SANDBOX/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- | awk 'NR == 2 { split($2, c, /[(,]/); print int(c[2]) }'
}

# "r g b" of one pixel of a screenshot.
rgb_at() {
  convert "$SANDBOX/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- | awk 'NR == 2 { split($2, c, /[(,)]/); print int(c[2]), int(c[3]), int(c[4]) }'
}

# Number of pixels in which two screenshots differ.
pixels_differing() {
  compare -metric AE "$SANDBOX/$1.png" "$SANDBOX/$2.png" null: 2>&1 | awk '{print int($1)}'
}

# Answers the prompt with 1 and waits for the window and the menu.
start_to_menu() {
  start_game
  send_line 1
  wait_window  # the window exists from before the prompt
  wait_output "Escまたは"
  xdotool mousemove --window "$WINDOW" 300 300 2>/dev/null
  sleep 0.3
}

# Starts the game with the options given as one word, enters Basic, and moves
# the pointer by a pixel: aiming by position, that move sets the reference.
start_to_play() {
  GAME_ARGS=$1
  rm -f "$SANDBOX/stdin"
  start_to_menu
  key b
  sleep 0.3
  xdotool mousemove_relative -- 1 0 2>/dev/null
}

# Sets REPLAY to the one replay the sandbox's replays/ holds; fails if there
# is none or more than one.
only_replay() {
  local files=("$SANDBOX"/replays/*.qsr)
  [ -f "${files[0]}" ] || fail "no replay was written when the course ended"
  [ ${#files[@]} -eq 1 ] || fail "${#files[@]} replays for one course"
  REPLAY=$(basename "${files[0]}")
}

# Runs --verify on a replay of the sandbox's replays/ and sets VERIFIED (its
# one line) and VERIFIED_TICKS; fails unless it confirms the replay.
verify_replay() {
  VERIFIED=$(cd "$SANDBOX" && "$GAME" --verify "replays/$1" 2>&1)
  local status=$?
  echo "$VERIFIED"
  [ "$status" -eq 0 ] || fail "--verify gave status $status for $1"
  [ "$(printf '%s\n' "$VERIFIED" | wc -l)" -eq 1 ] || fail "--verify printed more than one line for $1"
  VERIFIED_TICKS=$(printf '%s\n' "$VERIFIED" | grep -oE '[0-9]+ ticks' | grep -oE '[0-9]+')
  [ -n "$VERIFIED_TICKS" ] || fail "--verify gave no tick count for $1"
}

# Watches a replay of the sandbox's replays/ in the window, the file named
# relative to the caller's folder, with any further options; waits for the
# window. Its output goes to replay-stdout and replay-stderr.
watch_replay() {
  local name=$1
  shift
  (cd "$SANDBOX" && SDL_AUDIODRIVER=dummy QUORRELSTEAD_CALLER_DIR="$SANDBOX/replays" \
    exec "$GAME" --replay "$name" "$@" </dev/null >"$SANDBOX/replay-stdout" 2>"$SANDBOX/replay-stderr") &
  GAME_PID=$!
  wait_window
}
