#!/usr/bin/env bash
# Builds the Debian package and checks it: lintian finds no error, the
# dependencies are the ones the binaries need, the metadata validate, and the
# launcher installed into a scratch root starts the game, which shows its
# prompt and ends with status 255 on "2". Works as root and without a display
# (starts a private Xvfb). Usage: scripts/package_test.sh [build folder]
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

deb=$(scripts/package.sh "$build") || { echo "FAIL: the package was not built" >&2; exit 1; }
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
echo "depends: $(dpkg-deb -f "$deb" Depends)"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Lintian: errors fail, warnings are shown. It warns about running as root on
# stderr; that is no finding about the package.
lintian --no-cfg "$deb" >"$scratch/lintian" 2>/dev/null
grep -E '^[EW]: ' "$scratch/lintian"
grep -q '^E: ' "$scratch/lintian" && fail "lintian reports errors"

root="$scratch/root"
dpkg -x "$deb" "$root" || fail "dpkg -x failed"
for file in usr/games/quorrelstead usr/games/course_checker usr/libexec/quorrelstead/quorrelstead \
  usr/share/quorrelstead/shnm16.f1b usr/share/quorrelstead/bgm.mid usr/share/quorrelstead/basic.txt \
  usr/share/applications/quorrelstead.desktop usr/share/icons/hicolor/scalable/apps/quorrelstead.svg \
  usr/share/man/man6/quorrelstead.6.gz usr/share/man/man1/course_checker.1.gz \
  usr/share/doc/quorrelstead/copyright; do
  [ -e "$root/$file" ] || fail "not in the package: $file"
done

# Every library the programs load comes from a package the .deb depends on:
# the list is computed from the binaries, and nothing is missing from it.
depends=" $(dpkg-deb -f "$deb" Depends | tr ',|' '  ' | sed 's/([^)]*)//g') "
owner_of() {
  local path=$1 candidate owner
  for candidate in "$path" "$(realpath "$path")" "${path#/usr}" "/usr$path"; do
    owner=$(dpkg -S "$candidate" 2>/dev/null | head -n 1 | cut -d: -f1)
    [ -n "$owner" ] && { echo "$owner"; return 0; }
  done
}
for program in usr/libexec/quorrelstead/quorrelstead usr/games/course_checker; do
  for soname in $(objdump -p "$root/$program" | awk '$1 == "NEEDED" {print $2}'); do
    path=$(ldconfig -p | awk -v so="$soname" '$1 == so && /x86-64/ {print $NF; exit}')
    owner=$(owner_of "$path")
    [ -n "$owner" ] || { fail "no package owns $soname"; continue; }
    [[ "$depends" == *" $owner "* ]] || fail "$program needs $soname from $owner, not in Depends"
  done
done

# AppStream, the desktop entry, the manual pages.
metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
[ -e "${metainfo[0]}" ] || fail "no AppStream metainfo"
appstreamcli validate --no-net "${metainfo[0]}" >"$scratch/appstream" 2>&1 ||
  { cat "$scratch/appstream"; fail "appstreamcli rejects the metainfo"; }
grep -q '<screenshot' "${metainfo[0]}" || fail "the metainfo has no screenshots"
desktop-file-validate "$root/usr/share/applications/quorrelstead.desktop" || fail "the desktop entry is not valid"
for page in man6/quorrelstead.6.gz man1/course_checker.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
done
# The manual page names every option the game takes.
for option in $("$root/usr/libexec/quorrelstead/quorrelstead" --help | grep -oE -- '--[a-z-]+'); do
  zcat "$root/usr/share/man/man6/quorrelstead.6.gz" | grep -qF -- "${option//-/\\-}" ||
    fail "quorrelstead(6) does not describe $option"
done

# The installed programs run from the scratch root.
"$root/usr/games/course_checker" "$root/usr/share/quorrelstead/basic.txt" >/dev/null ||
  fail "the installed course_checker rejects the installed basic course"

source scripts/xvfb.sh
start_private_xvfb || exit 1
export XDG_DATA_HOME="$scratch/xdg"
(cd "$scratch" && SDL_AUDIODRIVER=dummy timeout 60 "$root/usr/games/quorrelstead" <<<"2" >"$scratch/stdout" 2>"$scratch/stderr")
status=$?
[ "$status" -eq 255 ] || { cat "$scratch/stderr"; fail "the installed launcher ended with status $status on '2'"; }
grep -q "１：ゲームを開始する２：終了" "$scratch/stdout" || fail "the installed game showed no prompt"
[ -L "$XDG_DATA_HOME/quorrelstead/basic.txt" ] || fail "the player's folder does not link the installed courses"

[ "$failures" -eq 0 ] || exit 1
echo "package: all checks passed"
