#!/usr/bin/env bash
# The golden trace on every build: plain, sanitized and fuzz, each with gcc
# and clang. Each must print the same checksum, equal to the one kept in
# tests/golden/trace.txt, and no build may compile with a flag that changes
# floating-point results (fast-math and its parts, contraction other than
# off, or code for a particular processor).
#
# Usage: scripts/golden_trace.sh
#   Reuses build/, build-asan/ and build-fuzz/ as ./test, scripts/sanitize.sh
#   and scripts/fuzz.sh configure them; the builds those leave out are made
#   in build-golden/. Only the golden_trace target is built.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
read -r course ticks expected <tests/golden/trace.txt

have() { command -v "$1" >/dev/null 2>&1; }
for tool in gcc g++ clang clang++; do
  have "$tool" || { echo "golden_trace: $tool not found (scripts/deps.sh test installs it)" >&2; exit 2; }
done

common=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DQS_BENCH=OFF -DQS_TEST_DIRS=none)
gcc_=(-DCMAKE_C_COMPILER="$(command -v gcc)" -DCMAKE_CXX_COMPILER="$(command -v g++)")
clang_=(-DCMAKE_C_COMPILER="$(command -v clang)" -DCMAKE_CXX_COMPILER="$(command -v clang++)")
fuzz_flags=(-DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link
  -DQS_SANITIZE=ON -DQS_FUZZ=ON)

# The compiler family (GNU or Clang) a configured build folder uses, or nothing.
family_of() {
  local file
  file=$(ls "$1"/CMakeFiles/*/CMakeCXXCompiler.cmake 2>/dev/null | head -n 1)
  [ -n "$file" ] && sed -n 's/^set(CMAKE_CXX_COMPILER_ID "\(.*\)")$/\1/p' "$file"
}
sanitized() { grep -q '^QS_SANITIZE:BOOL=ON' "$1/CMakeCache.txt" 2>/dev/null; }

# Uses the folder when it is configured with that family, else configures
# the fallback folder (only when it is not yet).
builds=()
add_build() {
  local name=$1 family=$2 dir=$3 fallback=$4
  shift 4
  if [ "$(family_of "$dir")" != "$family" ]; then
    dir=$fallback
    if [ "$(family_of "$dir")" != "$family" ]; then
      cmake -S . -B "$dir" "$@" >/dev/null || { echo "golden_trace: $name: configure failed" >&2; return 1; }
    fi
  fi
  builds+=("$name=$dir")
}

status=0
add_build plain-gcc GNU build build-golden/plain-gcc "${common[@]}" "${gcc_[@]}" || status=1
add_build plain-clang Clang build-golden/plain-clang build-golden/plain-clang "${common[@]}" "${clang_[@]}" || status=1
asan=build-asan
sanitized "$asan" || asan=none
add_build sanitized-clang Clang "$asan" build-golden/sanitized-clang "${common[@]}" "${clang_[@]}" -DQS_SANITIZE=ON || status=1
add_build sanitized-gcc GNU "$asan" build-golden/sanitized-gcc "${common[@]}" "${gcc_[@]}" -DQS_SANITIZE=ON || status=1
add_build fuzz-clang Clang build-fuzz build-fuzz "${common[@]}" "${clang_[@]}" "${fuzz_flags[@]}" || status=1

# Flags that let the compiler compute floating point differently from the
# source: any of them in a compile command fails the check.
forbidden='-ffast-math|-Ofast|-funsafe-math-optimizations|-fassociative-math|-freciprocal-math|-ffinite-math-only|-fno-signed-zeros|-fno-trapping-math|-fcx-limited-range|-ffp-contract=(fast|on)|-ffp-model=fast|-march=|-mtune=native|-mfma|-mavx|-mfpmath=387|-fexcess-precision=fast|-mno-sse2'

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"
printf '%-16s %-18s %s\n' build checksum result
for entry in "${builds[@]}"; do
  name=${entry%%=*}
  dir=${entry#*=}
  if ! cmake --build "$dir" -j2 --target golden_trace >"$dir/golden-build.log" 2>&1; then
    tail -n 20 "$dir/golden-build.log" >&2
    printf '%-16s %-18s %s\n' "$name" - "FAILED (build)"
    status=1
    continue
  fi
  commands="$dir/compile_commands.json"
  bad=$(grep -oE -- "$forbidden" "$commands" | sort -u | tr '\n' ' ')
  contract_off=$(grep -c -- '"command"' "$commands")
  with_off=$(grep -- '"command"' "$commands" | grep -c -- '-ffp-contract=off')
  sum=$("$dir/tools/golden_trace/golden_trace" "$root/data/$course" "$ticks" 2>"$dir/golden-run.log") || sum=-
  result=ok
  if [ -n "$bad" ]; then
    result="FAILED (flags: $bad)"
  elif [ "$with_off" -ne "$contract_off" ]; then
    result="FAILED ($((contract_off - with_off)) compile commands without -ffp-contract=off)"
  elif [ "$sum" != "$expected" ]; then
    result="FAILED (expected $expected)"
  fi
  [ "$result" = ok ] || status=1
  printf '%-16s %-18s %s\n' "$name" "$sum" "$result"
done
if [ "$status" -ne 0 ]; then
  echo "golden_trace: the builds do not agree; if the simulation was changed on purpose," >&2
  echo "  put the plain build's checksum in tests/golden/trace.txt" >&2
fi
exit "$status"
