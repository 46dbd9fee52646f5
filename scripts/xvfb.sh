# Sourced by scripts that need a display: when DISPLAY is unset, starts a
# private Xvfb on a free display number and stops it when the shell exits.
start_private_xvfb() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  for n in $(seq 90 199); do
    [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] || break
  done
  Xvfb ":${n}" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
  QS_XVFB_PID=$!
  trap 'kill "$QS_XVFB_PID" 2>/dev/null; wait "$QS_XVFB_PID" 2>/dev/null' EXIT
  export DISPLAY=":${n}"
  local i
  for i in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on ${DISPLAY}" >&2
  return 1
}
