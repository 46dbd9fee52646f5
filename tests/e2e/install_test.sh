#!/usr/bin/env bash
# Installs into a temporary prefix and starts the game through its launcher.
# Usage: install_test.sh GAME RUN_DIR BUILD_DIR
set -u
GAME=$1
RUN_DIR=$2
BUILD_DIR=$3
source "$(dirname "$0")/lib.sh"

make_sandbox
prefix="$SANDBOX/prefix"
cmake --install "$BUILD_DIR" --prefix "$prefix" >/dev/null || fail "install failed"
sleep 1  # file times have one-second steps on some file systems
touch "$SANDBOX/installed"
for file in bin/quorrelstead libexec/quorrelstead/quorrelstead share/quorrelstead/shnm16.f1b \
  share/quorrelstead/bgm.mid share/quorrelstead/shot.wav share/applications/quorrelstead.desktop \
  share/icons/hicolor/scalable/apps/quorrelstead.svg; do
  [ -e "$prefix/$file" ] || fail "not installed: $file"
done

# The launcher fills the player's folder and runs the game there.
export XDG_DATA_HOME="$SANDBOX/xdg"
user_dir="$XDG_DATA_HOME/quorrelstead"
GAME="$prefix/bin/quorrelstead"
mkdir -p "$SANDBOX/run"
(cd "$SANDBOX/run" && SDL_AUDIODRIVER=dummy "$GAME" <<<"2" >"$SANDBOX/stdout" 2>&1)
status=$?
[ "$status" -eq 255 ] || fail "the launcher's game ended with status $status on '2'"
grep -q "１：ゲームを開始する" "$SANDBOX/stdout" || fail "the launcher's game showed no prompt"
[ -L "$user_dir/shnm16.f1b" ] || fail "the player's folder does not link the font"
[ -e "$user_dir/shot.wav" ] || fail "the player's folder has no effects"

# The installed data stay untouched: nothing is written beside them.
[ -z "$(find "$prefix" -newer "$SANDBOX/installed")" ] ||
  fail "files were written beside the installed data"
echo "install: all checks passed"
