#!/usr/bin/env bash
# Configures and builds into build/ at the repository root: everything, or,
# with "play", only the game and its data. Usage: scripts/build.sh [play]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ "${1:-all}" = play ]; then
  cmake --build build -j"$(nproc)" --target game
else
  cmake --build build -j"$(nproc)"
fi
