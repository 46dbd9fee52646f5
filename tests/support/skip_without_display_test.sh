#!/usr/bin/env bash
# Window tests run where there is no display: every one of them skips, says
# why, and the run succeeds. Checked twice per binary, with DISPLAY unset and
# with a display that cannot be opened.
# Usage: skip_without_display_test.sh TEST_BINARY...
set -u
FAILED=0
fail() {
  echo "FAIL: $*" >&2
  FAILED=1
}

for binary in "$@"; do
  name=$(basename "$binary")
  for display in unset :7719; do
    if [ "$display" = unset ]; then
      output=$(env -u DISPLAY -u WAYLAND_DISPLAY "$binary" 2>&1)
    else
      output=$(env -u WAYLAND_DISPLAY DISPLAY="$display" "$binary" 2>&1)
    fi
    status=$?
    ran=$(sed -n 's/^\[==========\] \([0-9]*\) tests\? from .* ran\..*/\1/p' <<<"$output")
    skipped=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) tests\?, listed below:.*/\1/p' <<<"$output")
    reasons=$(grep -c 'no X display to open a window on' <<<"$output")
    where="$name with DISPLAY $display"
    if [ "$status" -ne 0 ]; then
      fail "$where: status $status"
      tail -n 5 <<<"$output" >&2
    elif [ -z "$ran" ] || [ "$ran" -eq 0 ]; then
      fail "$where: no tests ran"
    elif [ "${skipped:-0}" -ne "$ran" ]; then
      fail "$where: ${skipped:-0} of $ran tests skipped"
    elif [ "$reasons" -lt "$ran" ]; then
      fail "$where: $reasons reasons given for $ran skipped tests"
    else
      echo "$where: all $ran tests skipped"
    fi
  done
done
exit "$FAILED"
