#!/usr/bin/env bash
# Builds the Debian package from the build in build/ (everything, as
# scripts/build.sh makes it) and prints the path of the .deb.
# Usage: scripts/package.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
cmake --build "$build" -j"$(nproc)" >/dev/null
out="$build/package"
mkdir -p "$out"
# The maintainer scripts' owner and the files' come out as root either way;
# cpack needs no fakeroot.
if ! (cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1); then
  cat "$out/cpack.log" >&2
  exit 1
fi
ls "$out"/quorrelstead_*.deb
