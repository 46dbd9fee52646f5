#!/usr/bin/env bash
# Installs the Debian packages that building, playing or testing needs,
# skipping those already there. Usage: scripts/deps.sh play|test
set -euo pipefail

build_pkgs=(build-essential cmake pkg-config freeglut3-dev libglu1-mesa-dev zlib1g-dev
  libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  xfonts-shinonome libfreetype-dev libx11-dev libxi-dev googletest libgtest-dev libbenchmark-dev)
test_pkgs=(xvfb xdotool x11-utils imagemagick libxtst-dev clang libclang-rt-14-dev llvm weston xwayland
  dpkg-dev file lintian appstream desktop-file-utils man-db)

wanted=("${build_pkgs[@]}")
[ "${1:-play}" = test ] && wanted+=("${test_pkgs[@]}")

missing=()
for pkg in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
