#!/usr/bin/env bash
# Mouse-look under a real Wayland compositor: weston with its X11 back end in
# a private Xvfb, the game on weston's Xwayland, and xdotool moving weston's
# own pointer on the outer Xvfb, so that the game gets real Wayland pointer
# input. No click is ever made: the compositor grants no pointer lock before
# one. The course is static, so a frame depends on the aim alone; frames are
# compared pixel for pixel. Skips (status 77) where weston cannot start.
#
# Before a click weston grants no confinement: the real pointer can leave
# the window, and what it does outside reaches no X client. From the middle
# of the window it leaves only well past the yaw clamp (225 pixels out, the
# edge 300), so aiming is whole there; after a click the pointer stays in.
# Usage: wayland_aiming_test.sh GAME RUN_DIR
set -u
GAME=$1
RUN_DIR=$2
source "$(dirname "$0")/lib.sh"

skip() {
  echo "SKIP: $*"
  exit 77
}

command -v weston >/dev/null || skip "weston is not installed"
command -v Xwayland >/dev/null || skip "Xwayland is not installed"
command -v Xvfb >/dev/null || skip "Xvfb is not installed"

OUTER_PID=
WESTON_PID=
WORK=$(mktemp -d)
# Ends what this test started: the game, weston (and with it Xwayland), the
# outer Xvfb.
cleanup() {
  stop_game
  [ -n "$WESTON_PID" ] && kill "$WESTON_PID" 2>/dev/null && wait "$WESTON_PID" 2>/dev/null
  [ -n "$OUTER_PID" ] && kill "$OUTER_PID" 2>/dev/null && wait "$OUTER_PID" 2>/dev/null
  rm -rf "$WORK" "${SANDBOX:-}"
}
trap cleanup EXIT

# A private Xvfb on a display number of its own choosing, large enough for
# weston's window at scale 2.
Xvfb -displayfd 5 -screen 0 1600x1400x24 -noreset -nolisten tcp 5>"$WORK/outer" >/dev/null 2>&1 &
OUTER_PID=$!
for i in $(seq 1 50); do [ -s "$WORK/outer" ] && break; sleep 0.1; done
[ -s "$WORK/outer" ] || skip "no private Xvfb"
OUTER=":$(head -n 1 "$WORK/outer")"

# Starts weston at the given scale and sets XWL to its Xwayland display.
start_weston() {
  local scale=$1 i
  mkdir -p "$WORK/runtime" && chmod 700 "$WORK/runtime"
  : >"$WORK/weston.log"
  DISPLAY=$OUTER XDG_RUNTIME_DIR=$WORK/runtime weston --backend=x11-backend.so --use-pixman \
    --xwayland --socket="qs-wayland-$$-$scale" --width=760 --height=700 --scale="$scale" \
    --log="$WORK/weston.log" >/dev/null 2>"$WORK/weston.err" &
  WESTON_PID=$!
  XWL=
  for i in $(seq 1 100); do
    XWL=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston.log" | head -n 1)
    [ -n "$XWL" ] && break
    kill -0 "$WESTON_PID" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$XWL" ] || skip "weston did not start: $(cat "$WORK/weston.log" "$WORK/weston.err" | tail -n 3 | tr '\n' ' ')"
  # Xwayland starts when the first X program connects.
  for i in $(seq 1 100); do
    xdpyinfo -display "$XWL" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  skip "weston's Xwayland did not start: $(tail -n 3 "$WORK/weston.log" | tr '\n' ' ')"
}

stop_weston() {
  grep -q "without raw motion" "$SANDBOX/stderr" && fail "the game gave raw motion up: $(cat "$SANDBOX/stderr")"
  stop_game
  kill "$WESTON_PID" 2>/dev/null
  wait "$WESTON_PID" 2>/dev/null
  WESTON_PID=
}

# Weston's pointer, moved on the outer display: n moves of (dx, dy) host
# pixels in one call of xdotool, each a little after the one before.
moves() {
  local n=$1 dx=$2 dy=$3 args=() i
  for i in $(seq 1 "$n"); do args+=(mousemove_relative -- "$dx" "$dy" sleep 0.01); done
  DISPLAY=$OUTER xdotool "${args[@]}" 2>/dev/null
}

# The same moves sent at once, as fast as they go.
burst() {
  local n=$1 dx=$2 dy=$3 args=() i
  for i in $(seq 1 "$n"); do args+=(mousemove_relative -- "$dx" "$dy"); done
  DISPLAY=$OUTER xdotool "${args[@]}" 2>/dev/null
}

# Starts the game on Xwayland, opens Basic and puts weston's pointer on the
# middle of the game window.
start_play() {
  local scale=$1
  make_sandbox_in_place
  quiet_course 0
  export DISPLAY=$XWL
  start_game
  send_line 1
  wait_window
  wait_output "Escまたは"
  # The window's place on the root, which the frame around it does not shift.
  local left top
  left=$(xwininfo -id "$WINDOW" | awk '/Absolute upper-left X/ { print $NF }')
  top=$(xwininfo -id "$WINDOW" | awk '/Absolute upper-left Y/ { print $NF }')
  DISPLAY=$OUTER xdotool mousemove $(((left + 300) * scale)) $(((top + 300) * scale)) 2>/dev/null
  sleep 0.5
  key b
  sleep 0.5
  grep -q "aiming from XInput2 raw motion" "$SANDBOX/stderr" || fail "the game does not aim from raw motion: $(cat "$SANDBOX/stderr")"
}

# Like make_sandbox, but the trap stays ours.
make_sandbox_in_place() {
  rm -rf "${SANDBOX:-}"
  SANDBOX=$(mktemp -d)
  cp -r "$RUN_DIR"/. "$SANDBOX"/
}

# (a) Before any click: far past the yaw clamp, then back and forth again.
start_weston 1
start_play 1
shot a_start
moves 29 10 0  # 290 pixels right: 13 degrees past the clamp
shot a_clamp
[ "$(pixels_differing a_start a_clamp)" -gt 1000 ] || fail "(a) the view did not turn"
moves 20 -10 0
shot a_back
[ "$(pixels_differing a_clamp a_back)" -gt 1000 ] || fail "(a) coming back, the view stuck"
moves 20 10 0
shot a_forth
[ "$(pixels_differing a_clamp a_forth)" -eq 0 ] || fail "(a) back and forth again, the view is off the clamp"

# (c) A burst of 200 pixels at once, then back in small steps.
moves 29 -10 0  # the pointer back in the middle
moves 2 5 0
shot c_start
burst 40 5 0
shot c_burst
[ "$(pixels_differing c_start c_burst)" -gt 1000 ] || fail "(c) the burst did not turn the view"
moves 20 -10 0
shot c_back
[ "$(pixels_differing c_start c_back)" -eq 0 ] || fail "(c) after a burst and its way back the view is off"

# After a click the pointer is held in the window: 500 pixels right would
# take it out, yet 20 moves back and 20 forward come back to the clamp.
DISPLAY=$OUTER xdotool click 1 2>/dev/null
sleep 0.3
moves 25 20 0
shot d_clamp
[ "$(pixels_differing a_clamp d_clamp)" -eq 0 ] || fail "(d) 500 pixels right do not reach the clamp"
moves 20 -10 0
shot d_back
[ "$(pixels_differing d_clamp d_back)" -gt 1000 ] || fail "(d) with the pointer held, coming back the view stuck"
moves 20 10 0
shot d_forth
[ "$(pixels_differing d_clamp d_forth)" -eq 0 ] || fail "(d) with the pointer held, back and forth is off the clamp"
stop_weston

# (b) At scale 2 one host pixel is half a logical pixel: 40 half-pixel moves
# on both axes turn the view, and 40 back return it exactly.
start_weston 2
start_play 2
shot b_start
moves 40 1 1
shot b_forth
[ "$(pixels_differing b_start b_forth)" -gt 1000 ] || fail "(b) half-pixel moves did not turn the view"
moves 40 -1 -1
shot b_back
[ "$(pixels_differing b_start b_back)" -eq 0 ] || fail "(b) half-pixel moves there and back do not return the view"
stop_weston

echo "wayland aiming: all checks passed"
