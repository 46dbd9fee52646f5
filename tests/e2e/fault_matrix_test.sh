#!/usr/bin/env bash
# The real game against missing, damaged and unwritable files and a missing
# sound device. Every case plays the same stretch: answer 1, choose Basic,
# fire a few shots, quit with q; each must end with status 0 and no crash,
# having reached play. A missing course file ends in "file error" and -1.
# Prints a table of the outcomes.
# Usage: fault_matrix_test.sh GAME RUN_DIR
set -u
GAME=$(realpath "$1")
RUN_DIR=$(realpath "$2")
source "$(dirname "$0")/lib.sh"

EFFECTS="shot.wav kara.wav ata.wav cap.wav life.wav"

random_bytes() { head -c "$2" /dev/urandom >"$SANDBOX/$1"; }

# Like start_game, with a chosen audio driver and an optional command that
# the game is run under.
start_game_with() {
  local driver=$1
  shift
  [ -p "$SANDBOX/stdin" ] || mkfifo "$SANDBOX/stdin"
  (cd "$SANDBOX" && SDL_AUDIODRIVER=$driver exec "$@" "$GAME" <"$SANDBOX/stdin" >"$SANDBOX/stdout" 2>"$SANDBOX/stderr") &
  GAME_PID=$!
  # Opened for reading too, so that a game that never starts cannot block us here.
  exec 7<>"$SANDBOX/stdin"
}

# A course of our own when the run folder has none: figures that come soon
# and fly across the middle of the view.
ensure_course() {
  [ -f "$SANDBOX/basic.txt" ] && return 0
  printf '1\n# figures straight ahead\n2 6\n0 0 -80 10 90 0 120 4 0 2 0\n-10 0 -60 12 80 10 120 4 5 2 1\n' >"$SANDBOX/basic.txt"
}

# Like shot, but only of a game still running, and never waiting for ever:
# a capture of a window that has gone away does not return.
capture() {
  sleep 0.2
  kill -0 "$GAME_PID" 2>/dev/null || return 1
  timeout 10 import -window "$WINDOW" "$SANDBOX/$1.png" 2>/dev/null
}

# Keeps the files of a failed case, its damaged inputs included, for a rerun.
keep_sandbox() {
  local kept
  kept=$(mktemp -d "${TMPDIR:-/tmp}/fault_case.XXXXXX")
  cp -r "$SANDBOX"/. "$kept"/ 2>/dev/null
  rm -f "$kept/stdin"
  echo "the files of this case are kept in $kept" >&2
}

# --- Making the sandbox read-only, even for root -----------------------------
# A private mount namespace with a read-only bind mount leaves nothing behind;
# failing that, the immutable attribute; failing that, permissions (which
# stop everyone but root). The test's own files are made first and stay
# writable: the console streams and the capture.
TEST_FILES='stdin|stdout|stderr|.*[.]png'
READONLY_WRAP=()
game_files() { ls -A "$SANDBOX" | grep -vxE "$TEST_FILES" | sed "s|^|$SANDBOX/|"; }

make_readonly() {
  mkfifo "$SANDBOX/stdin"
  : >"$SANDBOX/stdout"
  : >"$SANDBOX/stderr"
  : >"$SANDBOX/play.png"
  local files
  mapfile -t files < <(game_files)
  local ns=(unshare --mount --propagation private sh -c
    'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" && cd "$1" && shift && exec "$@"' sh "$SANDBOX")
  if "${ns[@]}" sh -c '! touch probe' 2>/dev/null && [ ! -e "$SANDBOX/probe" ]; then
    READONLY_WRAP=("${ns[@]}")
    READONLY_HOW="read-only bind mount"
    return 0
  fi
  rm -f "$SANDBOX/probe"
  if chattr +i "${files[@]}" "$SANDBOX" 2>/dev/null; then
    if ! touch "$SANDBOX/probe" 2>/dev/null && ! : 2>/dev/null >>"${files[0]}"; then
      READONLY_HOW="immutable attribute"
      return 0
    fi
    chattr -i "${files[@]}" "$SANDBOX" 2>/dev/null
  fi
  rm -f "$SANDBOX/probe"
  chmod a-w "${files[@]}" "$SANDBOX"
  if ! touch "$SANDBOX/probe" 2>/dev/null && ! : 2>/dev/null >>"${files[0]}"; then
    READONLY_HOW="permissions"
    return 0
  fi
  rm -f "$SANDBOX/probe"
  chmod u+w "${files[@]}" "$SANDBOX"
  return 1
}

# The sandbox's files, without those of the test itself.
listing() { ls -A "$SANDBOX" | grep -vxE "$TEST_FILES"; }

undo_readonly() {
  chattr -i "$SANDBOX" "$SANDBOX"/* 2>/dev/null
  chmod u+w "$SANDBOX" "$SANDBOX"/* 2>/dev/null
}

# --- The cases -----------------------------------------------------------------
# Each prepares the sandbox; DRIVER, WRAP and EXPECT may be changed by it.
case_baseline() { :; }
case_font_missing() { rm -f "$SANDBOX/shnm16.f1b"; }
case_font_truncated() { head -c 1001 "$RUN_DIR/shnm16.f1b" >"$SANDBOX/shnm16.f1b"; }
case_font_header_cut() { head -c 3 "$RUN_DIR/shnm16.f1b" >"$SANDBOX/shnm16.f1b"; }
case_font_random() { random_bytes shnm16.f1b 200000; }
case_bgm_missing() { rm -f "$SANDBOX/bgm.mid"; }
case_bgm_garbage() { random_bytes bgm.mid 15000; }
case_bgm_truncated() { head -c 200 "$RUN_DIR/bgm.mid" >"$SANDBOX/bgm.mid"; }
case_effect_missing() { rm -f "$SANDBOX/$1"; }
case_effects_garbage() { local f; for f in $EFFECTS; do random_bytes "$f" 3000; done; }
case_no_audio_device() { DRIVER=no_such_driver; }
case_ranking_garbage() { printf 'twelve\tpoints\nno numbers here at all\n%%%%\n' >"$SANDBOX/ranking.dat"; }
case_ranking_binary() { random_bytes ranking.dat 65536; }
case_ranking_10000_lines() {
  awk 'BEGIN { for (i = 0; i < 10000; i++) printf "%d\t\t%d\t%d\tline%d\n", 10000 - i, i % 6, i % 100, i }' >"$SANDBOX/ranking.dat"
}
case_progress_garbage() { printf 'not a number\n' >"$SANDBOX/data.dat"; }
case_progress_empty() { : >"$SANDBOX/data.dat"; }
case_progress_negative() { printf -- '-7' >"$SANDBOX/data.dat"; }
case_progress_huge() { printf '99999999999999999999' >"$SANDBOX/data.dat"; }
case_run_folder_read_only() {
  # A course cleared on its first tick, so that the game tries to save both
  # the progress and the ranking while nothing can be written.
  printf '1\n0 5\n' >"$SANDBOX/basic.txt"
  printf '0' >"$SANDBOX/data.dat"
  printf '500\t\t4\t50\told\n' >"$SANDBOX/ranking.dat"
  listing >"$SANDBOX.before"
  cat "$SANDBOX/data.dat" "$SANDBOX/ranking.dat" >"$SANDBOX.saves"
  make_readonly || { SKIP="cannot make a folder read-only as $(id -un)"; return; }
  WRAP=("${READONLY_WRAP[@]}")
}
case_course_missing() { rm -f "$SANDBOX/basic.txt"; EXPECT=255; }

# --- Running one case ----------------------------------------------------------
# Each case runs in a subshell of its own, so that a case whose game never
# shows a window or never ends is reported in the table and the others still run.
ROWS_FILE=$(mktemp)
trap 'rm -f "$ROWS_FILE"' EXIT
row() { printf '%-24s %-7s %-6s %-8s %s\n' "$@" >>"$ROWS_FILE"; }

play_case() {
  local name=$1 label=$2
  shift 2
  make_sandbox
  trap 'status=$?; stop_game; undo_readonly; [ "$status" -eq 0 ] || keep_sandbox
        rm -rf "$SANDBOX" "$SANDBOX.before" "$SANDBOX.saves"' EXIT
  ensure_course
  DRIVER=dummy WRAP=() EXPECT=0 SKIP= READONLY_HOW=
  "case_$name" "$@"
  if [ -n "$SKIP" ]; then
    row "$label" - - - "SKIPPED: $SKIP"
    return 0
  fi

  start_game_with "$DRIVER" "${WRAP[@]}"
  send_line 1
  wait_window
  wait_output "Escまたは"
  xdotool mousemove --window "$WINDOW" 300 300 2>/dev/null
  sleep 0.3
  key b
  sleep 0.5
  local played=no
  if [ "$EXPECT" -eq 0 ]; then
    xdotool click --repeat 4 --delay 150 1 2>/dev/null
    # The scope's mask darkens the corners only in play.
    capture play && [ "$(red_at play 2 2)" -lt 20 ] && played=yes
    key q
  fi
  wait_exit 15

  local problems=()
  [ "$STATUS" -eq "$EXPECT" ] || problems+=("status $STATUS, not $EXPECT")
  [ "$EXPECT" -ne 0 ] || [ "$played" = yes ] || problems+=("play never showed")
  grep -qE 'AddressSanitizer|runtime error|LeakSanitizer' "$SANDBOX/stderr" && problems+=("sanitizer report")
  if [ "$EXPECT" -eq 255 ]; then
    grep -qx 'file error' "$SANDBOX/stdout" || problems+=("no 'file error' line")
  fi
  if [ -n "$READONLY_HOW" ]; then
    undo_readonly
    # The ranking listing shows that the course ended and its result was entered.
    grep -q '位' "$SANDBOX/stdout" || problems+=("the course never ended, nothing was saved")
    [ "$(listing)" = "$(cat "$SANDBOX.before")" ] || problems+=("files appeared or vanished")
    [ "$(cat "$SANDBOX/data.dat" "$SANDBOX/ranking.dat")" = "$(cat "$SANDBOX.saves")" ] ||
      problems+=("saved files changed")
  fi

  if [ ${#problems[@]} -gt 0 ]; then
    local joined
    joined=$(printf '%s; ' "${problems[@]}")
    row "$label" "$STATUS" "$played" "$EXPECT" "FAILED: ${joined%; }"
    sed -n '1,20p' "$SANDBOX/stderr" >&2
    return 1
  fi
  row "$label" "$STATUS" "$played" "$EXPECT" "ok${READONLY_HOW:+ ($READONLY_HOW)}"
}

FAILED=0
run_case() {
  local name=$1
  local label=$name${2:+ $2}
  echo "$(date +%T) $label" >&2
  local lines_before
  lines_before=$(wc -l <"$ROWS_FILE")
  ( play_case "$name" "$label" "${@:2}" ) || FAILED=1
  # A case that stopped short (no window, no end) wrote no row of its own.
  [ "$(wc -l <"$ROWS_FILE")" -gt "$lines_before" ] || row "$label" - - - "FAILED: stopped short, see above"
}

run_case baseline
run_case font_missing
run_case font_truncated
run_case font_header_cut
run_case font_random
run_case bgm_missing
run_case bgm_garbage
run_case bgm_truncated
for effect in $EFFECTS; do run_case effect_missing "$effect"; done
run_case effects_garbage
run_case no_audio_device
run_case ranking_garbage
run_case ranking_binary
run_case ranking_10000_lines
run_case progress_garbage
run_case progress_empty
run_case progress_negative
run_case progress_huge
run_case run_folder_read_only
run_case course_missing

printf '%-24s %-7s %-6s %-8s %s\n' case status played expected result
cat "$ROWS_FILE"
[ "$FAILED" -eq 0 ] || fail "some cases failed"
echo "fault matrix: all checks passed"
