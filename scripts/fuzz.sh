#!/usr/bin/env bash
# Builds the fuzz targets into build-fuzz/ with clang, libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer, then runs each one for a while, starting
# from its seeds in tests/fuzz/corpus/. Any crash, leak, sanitizer report,
# broken invariant or hang fails the run; the input is kept and named.
#
# Usage: scripts/fuzz.sh [target...]        (default: every target)
#   QS_FUZZ_SECONDS  seconds per target (default 20)
#   QS_FUZZ_RUNS     stop each target after this many inputs instead
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build="$root/build-fuzz"
seconds=${QS_FUZZ_SECONDS:-20}
runs=${QS_FUZZ_RUNS:-}

targets=(fuzz_stage_reader fuzz_font fuzz_ranking fuzz_progress fuzz_start_prompt fuzz_midi fuzz_replay)
[ $# -gt 0 ] && targets=("$@")

cc_path=$(command -v clang) || { echo "fuzz: clang not found (scripts/deps.sh test installs it)" >&2; exit 2; }
cxx_path=$(command -v clang++) || { echo "fuzz: clang++ not found" >&2; exit 2; }

echo "== configure"
# Every library is instrumented for coverage, so that libFuzzer sees inside
# the readers, and built with the sanitizers that QS_SANITIZE turns on.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER="$cc_path" -DCMAKE_CXX_COMPILER="$cxx_path" \
  -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link \
  -DQS_SANITIZE=ON -DQS_FUZZ=ON -DQS_BENCH=OFF -DQS_TEST_DIRS=none >/dev/null || exit 1

echo "== build"
cmake --build "$build" -j2 --target "${targets[@]}" >"$build/fuzz-build.log" 2>&1 || {
  tail -n 40 "$build/fuzz-build.log" >&2
  echo "fuzz: the targets did not build" >&2
  exit 1
}

limit=(-max_total_time="$seconds")
[ -n "$runs" ] && limit=(-runs="$runs")
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"

mkdir -p "$build/fuzz-logs" "$build/fuzz-artifacts"
failed=()
printf '%-20s %12s %8s %8s %8s  %s\n' target executions seconds cov ft result
for target in "${targets[@]}"; do
  seeds="$root/tests/fuzz/corpus/$target"
  # Inputs found by earlier runs are kept here, apart from the committed seeds.
  found="$build/fuzz-corpus/$target"
  log="$build/fuzz-logs/$target.log"
  mkdir -p "$found"
  start=$(date +%s)
  "$build/tests/fuzz/$target" "${limit[@]}" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/fuzz-artifacts/$target-" "$found" "$seeds" >"$log" 2>&1
  status=$?
  elapsed=$(( $(date +%s) - start ))
  execs=$(awk '/stat::number_of_executed_units/ { print $2 }' "$log")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | awk '{ print $2 }')
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | awk '{ print $2 }')
  result=ok
  if [ "$status" -ne 0 ]; then
    result="FAILED (status $status)"
    failed+=("$target")
  fi
  printf '%-20s %12s %8s %8s %8s  %s\n' "$target" "${execs:--}" "$elapsed" "${cov:--}" "${ft:--}" "$result"
  if [ "$status" -ne 0 ]; then
    grep -E 'ERROR|invariant broken|SUMMARY|Test unit written|==[0-9]+==' "$log" | head -n 20 >&2
    echo "   full log: $log" >&2
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: failed: ${failed[*]}" >&2
  exit 1
fi
