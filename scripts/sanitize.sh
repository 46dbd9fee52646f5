#!/usr/bin/env bash
# Builds every target with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the whole test suite there; any report fails the run.
#
# Usage: scripts/sanitize.sh [ctest arguments...]
#   QS_SANITIZE_COMPILER=clang|gcc  compiler family (default: clang if present)
#   DISPLAY                         used for the window tests; when unset, a
#                                   private Xvfb is started for the run
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build="$root/build-asan"

family=${QS_SANITIZE_COMPILER:-}
if [ -z "$family" ]; then
  if command -v clang++ >/dev/null 2>&1; then family=clang; else family=gcc; fi
fi
case "$family" in
  clang) cc=clang; cxx=clang++ ;;
  gcc) cc=gcc; cxx=g++ ;;
  *) echo "QS_SANITIZE_COMPILER must be clang or gcc, not '$family'" >&2; exit 2 ;;
esac
cc_path=$(command -v "$cc") || { echo "$cc not found" >&2; exit 2; }
cxx_path=$(command -v "$cxx") || { echo "$cxx not found" >&2; exit 2; }

# Third-party libraries that keep allocations until exit by design (the GL
# driver, X, GLUT, SDL and its synthesiser, fontconfig). Only leaks whose
# allocation stack passes through one of them are forgiven.
mkdir -p "$build"
cat >"$build/lsan.supp" <<'SUPP'
leak:libGL.so
leak:libGLX.so
leak:libGLX_mesa.so
leak:libGLdispatch.so
leak:swrast_dri.so
leak:libLLVM
leak:libX11.so
leak:libxcb.so
leak:libglut.so
leak:libSDL2
leak:libfluidsynth.so
leak:libfontconfig.so
leak:libdbus
SUPP

# Set before building too: test discovery runs the test programs.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$build/lsan.supp:print_suppressions=0"

# A cache made with the other compiler cannot be switched in place.
fresh=()
if [ -f "$build/CMakeCache.txt" ] &&
   ! grep -qx "CMAKE_CXX_COMPILER:[A-Z]*=$cxx_path" "$build/CMakeCache.txt"; then
  fresh=(--fresh)
fi

echo "== configure ($family)"
cmake "${fresh[@]}" -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER="$cc_path" -DCMAKE_CXX_COMPILER="$cxx_path" -DQS_SANITIZE=ON -DQS_BENCH=OFF >/dev/null || exit 1

echo "== build"
# Keep going past targets that do not build, so that everything that does is tested.
build_status=0
cmake --build "$build" -j"$(nproc)" -- -k || build_status=$?

# Mesa unloads its driver before the leak check runs, and the driver has no
# frame pointers: its leaks then show as one frame in an unknown module, which
# no suppression can name. Preloaded, the driver stays mapped and is named.
preload=${LD_PRELOAD:-}
for dir in "/usr/lib/$(gcc -print-multiarch 2>/dev/null)/dri" /usr/lib64/dri /usr/lib/dri; do
  if [ -f "$dir/swrast_dri.so" ]; then
    preload="$dir/swrast_dri.so${preload:+:$preload}"
    # gcc's shared runtime would otherwise refuse to start behind the driver.
    [ "$family" = gcc ] && ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0"
    break
  fi
done

echo "== test"
source scripts/xvfb.sh
start_private_xvfb || exit 1
test_status=0
LD_PRELOAD="$preload" ctest --test-dir "$build" --output-on-failure -j2 --timeout 600 "$@" ||
  test_status=$?

if [ "$build_status" -ne 0 ]; then
  echo "sanitize: some targets did not build (status $build_status)" >&2
fi
if [ "$test_status" -ne 0 ]; then
  echo "sanitize: tests failed or a sanitizer reported (status $test_status)" >&2
fi
[ "$build_status" -eq 0 ] && [ "$test_status" -eq 0 ]
