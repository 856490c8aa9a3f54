#!/usr/bin/env bash
# The Debian package as a player gets it: lintian finds no error and no
# warning beyond the overridden ones (each override says why), apt installs
# it with what it depends on, the installed game says its version, its
# desktop entry and metainfo pass the desktop's validators, and started from
# / under Xvfb it finds its content in /usr/share/games/sumline and shows the
# logo; apt-get purge then leaves nothing of it under /usr.
#
# This installs into the machine itself: it needs root or passwordless sudo,
# refuses to run where a sumline package is installed already, and purges
# the package on the way out whatever happened, so no /usr/games/sumline is
# left for other runs to meet.
#
# Arguments: the sumline_*.deb, the work folder.
set -euo pipefail

deb=$(readlink -f "$1")
work=${2:-/tmp/sumline-e2e-package}
# The game is started from /, so its output goes to a folder named in full.
mkdir -p "$work"
work=$(cd "$work" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/screen_checks.sh
source "$here/screen_checks.sh"
rm -rf "$work"
mkdir -p "$work"
id=net.sumline.SumLine
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo -n)
export DEBIAN_FRONTEND=noninteractive

[ -f "$deb" ] || fail "no package $1"
installed() { dpkg-query -W -f='${Status}' sumline 2>/dev/null | grep -qv 'not-installed'; }
! installed || fail "a sumline package is on this machine already; this check would purge it"
[ ! -e /usr/games/sumline ] || fail "/usr/games/sumline is there already"

# Each override in the package comes under a comment saying why.
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/lintian/overrides/sumline >"$work/overrides" 2>/dev/null || true
awk '/^#/ { why = 1; next } /^[[:space:]]*$/ { why = 0; next } !why { print; bad = 1 } END { exit bad }' \
  "$work/overrides" >"$work/unexplained" || fail "lintian overrides without a comment: $(cat "$work/unexplained")"
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || fail "lintian: $(grep -v '^N:' "$work/lintian.log")"
pass "lintian: no error, no unexplained warning"

purge() {
  if installed; then "${sudo_cmd[@]}" apt-get purge -y -qq sumline >>"$work/apt.log" 2>&1 || true; fi
}
trap 'purge' EXIT
trap 'exit 130' INT TERM HUP
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
  fail "apt-get install: $(tail -n 5 "$work/apt.log")"
version=$(dpkg-deb -f "$deb" Version)
[ "$(/usr/games/sumline --version)" = "sumline $version" ] || fail "/usr/games/sumline --version: $(/usr/games/sumline --version 2>&1)"
pass "installed; /usr/games/sumline --version says sumline $version"
for file in /usr/share/games/sumline/Back/Logo.bmp /usr/share/games/sumline/defaults/PZL.dat \
  /usr/share/man/man6/sumline.6.gz /usr/share/icons/hicolor/48x48/apps/sumline.png /usr/share/doc/sumline/copyright; do
  [ -f "$file" ] || fail "the installed package has no $file"
done
desktop-file-validate "/usr/share/applications/$id.desktop" >"$work/desktop.log" 2>&1 ||
  fail "desktop-file-validate: $(cat "$work/desktop.log")"
appstreamcli validate --no-net "/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  fail "appstreamcli validate: $(cat "$work/appstream.log")"
pass "desktop-file-validate and appstreamcli accept the installed desktop entry and metainfo"

# In its own shell: the X server and the game are stopped by start_game's own
# trap, and the purge above stays this shell's.
(
  E2E_GAME_FOLDER=/ start_game /usr/games/sumline "$work/screen"
  wait_until 5 logo_shown || fail "the installed game started from / showed no logo"
  stop_all
)
pass "the installed game, started from /, shows the logo"

dpkg-query -L sumline >"$work/files"
"${sudo_cmd[@]}" apt-get purge -y -qq sumline >>"$work/apt.log" 2>&1 || fail "apt-get purge: $(tail -n 5 "$work/apt.log")"
! installed || fail "dpkg still knows sumline after the purge"
while read -r path; do
  # Shared folders (/usr/share, /usr/games ...) stay; anything of the game's own goes.
  if [ -e "$path" ] && { [ ! -d "$path" ] || [[ $path == *sumline* ]]; }; then echo "$path"; fi
done <"$work/files" >"$work/left"
[ ! -s "$work/left" ] || fail "left under /usr after the purge: $(tr '\n' ' ' <"$work/left")"
pass "apt-get purge leaves nothing of it under /usr"
echo "e2e package: all stages passed"
