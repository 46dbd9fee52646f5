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

# Starts the game in the sandbox with its input from a fifo kept open by us.
start_game() {
  mkfifo "$SANDBOX/stdin"
  (cd "$SANDBOX" && SDL_AUDIODRIVER=dummy exec "$GAME" <"$SANDBOX/stdin" >"$SANDBOX/stdout" 2>"$SANDBOX/stderr") &
  GAME_PID=$!
  exec 7>"$SANDBOX/stdin"
}

send_line() { printf '%s\n' "$1" >&7; }

stop_game() {
  [ -n "${GAME_PID:-}" ] || return 0
  kill "$GAME_PID" 2>/dev/null
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
