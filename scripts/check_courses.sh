#!/usr/bin/env bash
# Checks the four shipped courses with the tools of an existing build: the
# course checker must find nothing (no warning either) and the prover must
# prove every stage clearable. Builds nothing itself.
#
# Usage: scripts/check_courses.sh <build folder>
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: scripts/check_courses.sh <build folder>}

checker="$build/run/course_checker"
prover="$build/tools/course_prover/course_prover"
for tool in "$checker" "$prover"; do
  if [ ! -x "$tool" ]; then
    echo "check_courses: $tool is missing; build the course_checker and course_prover targets" >&2
    exit 2
  fi
done

courses=()
for name in basic advanced sniper extreme; do
  courses+=("$root/data/$name.txt")
done

status=0
diagnostics=$("$checker" "${courses[@]}")
checker_status=$?
if [ -n "$diagnostics" ]; then
  echo "$diagnostics"
fi
if [ $checker_status -ne 0 ] || [ -n "$diagnostics" ]; then
  echo "check_courses: the course checker found problems" >&2
  status=1
fi

if ! "$prover" "${courses[@]}"; then
  echo "check_courses: a course is not proven clearable" >&2
  status=1
fi
exit $status
