#!/usr/bin/env bash
# The game as a player installs it: `cmake --install` into a fresh prefix
# puts the executable, its content, the desktop entry, the icons in every
# hicolor size, the AppStream metainfo, the man page and the licence where a
# desktop looks for them; desktop-file-validate and appstreamcli accept the
# two files; and the installed game, started from /, finds its content in
# <prefix>/share/sumline and makes the player's folder from the defaults, as
# it does in share/games/sumline when moved into Debian's games/ folder.
#
# Arguments: the build folder, the work folder.
set -euo pipefail

build=$(readlink -f "$1")
work=${2:-/tmp/sumline-e2e-install}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/headless_run.sh
source "$here/headless_run.sh"
rm -rf "$work"
mkdir -p "$work"
prefix="$work/prefix"
id=net.sumline.SumLine

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install failed: $(tail -n 3 "$work/install.log")"
for file in bin/sumline share/sumline/Back/Title.bmp share/sumline/Back/en/Title.bmp share/sumline/Sound/Logo.wav share/sumline/defaults/PZL.dat \
  share/sumline/defaults/ITEM.dat share/sumline/sumline.bmp "share/applications/$id.desktop" \
  "share/metainfo/$id.metainfo.xml" share/man/man6/sumline.6 share/doc/sumline/LICENSE; do
  [ -f "$prefix/$file" ] || fail "the install has no $file"
done
[ -x "$prefix/bin/sumline" ] || fail "the installed sumline is not executable"
[ ! -e "$prefix/share/sumline/Data" ] || fail "the install holds a Data folder: player files belong to the player"
pass "installed: executable, content, desktop entry, metainfo, man page, licence"

# Each icon a PNG of its size (width and height from the IHDR chunk).
for size in 16 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/sumline.png"
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  [ "$(head -c 8 "$icon" | od -An -t x1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$icon is not a PNG"
  dims=$(od -An -t u1 -j 16 -N 8 "$icon" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
  [ "$dims" = "$size $size" ] || fail "the ${size}x${size} icon is $dims"
done
pass "icons in 16, 24, 32, 48, 64, 128 and 256 pixels"

desktop-file-validate "$prefix/share/applications/$id.desktop" >"$work/desktop.log" 2>&1 ||
  fail "desktop-file-validate: $(cat "$work/desktop.log")"
pass "desktop-file-validate accepts the desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  fail "appstreamcli validate: $(cat "$work/appstream.log")"
pass "appstreamcli validate accepts the metainfo"
if command -v groff >/dev/null; then
  warnings=$(groff -man -ww -z "$prefix/share/man/man6/sumline.6" 2>&1)
  [ -z "$warnings" ] || fail "the man page: $warnings"
  pass "the man page formats without a warning"
fi

xdg="$work/xdg"
headless_play / "$xdg" "$prefix/bin/sumline"
cmp -s "$xdg/sumline/Data/PZL.dat" "$prefix/share/sumline/defaults/PZL.dat" ||
  fail "the installed game did not make its player's folder from the defaults"
pass "the installed game runs from / with its content in $prefix/share/sumline"

# The same tree laid out the Debian way (games/ and share/games/sumline):
# the game finds its content from its own folder there too.
mkdir -p "$prefix/games" "$prefix/share/games"
mv "$prefix/bin/sumline" "$prefix/games/"
mv "$prefix/share/sumline" "$prefix/share/games/"
headless_play / "$work/xdg-games" "$prefix/games/sumline"
cmp -s "$work/xdg-games/sumline/Data/PZL.dat" "$prefix/share/games/sumline/defaults/PZL.dat" ||
  fail "the game in games/ did not find its content in share/games/sumline"
pass "moved to games/ and share/games/sumline, the game still finds its content"

# Removing the build and the install keeps the player's files.
rm -rf "$prefix"
[ -f "$xdg/sumline/Data/PZL.dat" ] || fail "removing the install took the player's files"
pass "the player's files outlive the install"
echo "e2e install: all stages passed"
