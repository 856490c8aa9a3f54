#!/usr/bin/env bash
# The real game's command line and where it finds its files, without an X
# server: --help, --version and unknown options; started from another
# folder; the one clear line when its content is missing; the player's
# folder made on the first run from the shipped defaults; an older build's
# files copied over once and left in place; the portable marker; --data-dir;
# and no noise on standard error without a sound device.
#
# Arguments: the game binary (beside its content), the work folder.
set -euo pipefail

binary=$(readlink -f "$1")
work=${2:-/tmp/sumline-e2e-command-line}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/headless_run.sh
source "$here/headless_run.sh"
game_dir=$(dirname "$binary")
rm -rf "$work"
mkdir -p "$work"

# A copy of the game in a folder of its own: the executable beside links to
# the build's content, and whatever else the case puts there.
game_copy() {
  local dir=$1
  mkdir -p "$dir"
  cp "$binary" "$dir/sumline"
  ln -s "$game_dir/Back" "$dir/Back"
  ln -s "$game_dir/Sound" "$dir/Sound"
  ln -s "$game_dir/defaults" "$dir/defaults"
}

# --- Options ------------------------------------------------------------------

run() {  # run NAME ARGS...: the game's output in $work/NAME.out/.err, its code in $code
  local name=$1
  shift
  set +e
  (cd / && HOME="$work/home" XDG_DATA_HOME="$work/options-xdg" "$binary" "$@" </dev/null \
    >"$work/$name.out" 2>"$work/$name.err")
  code=$?
  set -e
}

run help --help
[ "$code" = 0 ] || fail "--help ended with $code"
grep -q '^Usage: sumline ' "$work/help.out" || fail "--help printed no usage: $(head -n 2 "$work/help.out")"
for option in --fullscreen --window '--data-dir DIR' '--host \[PORT\]' '--join HOST\[:PORT\]' --help --version; do
  grep -q -- "$option" "$work/help.out" || fail "--help does not name $option"
done
grep -qx "Saved games: $work/options-xdg/sumline/Data" "$work/help.out" || fail "--help does not say where saves are kept"
[ ! -s "$work/help.err" ] || fail "--help wrote to standard error"
[ ! -e "$work/options-xdg/sumline" ] || fail "--help made the data folder"
pass "--help: usage and the saves' folder, exit 0"

run version --version
[ "$code" = 0 ] || fail "--version ended with $code"
grep -qx 'sumline [0-9][0-9.]*' "$work/version.out" || fail "--version printed '$(cat "$work/version.out")'"
pass "--version: $(cat "$work/version.out"), exit 0"

for bad in --bogus -f extra '--data-dir' '--host 0' '--join' '--join 10.0.0.1:99999'; do
  # shellcheck disable=SC2086
  run bad $bad
  [ "$code" = 2 ] || fail "'$bad' ended with $code, not 2"
  head -n 1 "$work/bad.err" | grep -q '^sumline: ' || fail "'$bad' did not say what was wrong"
  grep -q '^Usage: sumline ' "$work/bad.err" || fail "'$bad' did not print the usage"
  [ ! -s "$work/bad.out" ] || fail "'$bad' wrote to standard output"
done
pass "unknown options, a --data-dir without its folder and bad --host/--join values: the usage, exit 2"

# --- Content missing ----------------------------------------------------------

mkdir -p "$work/lonely"
cp "$binary" "$work/lonely/sumline"
set +e
(cd / && HOME="$work/home" XDG_DATA_HOME="$work/lonely-xdg" SDL_VIDEODRIVER=dummy "$work/lonely/sumline" \
  </dev/null >"$work/lonely.out" 2>"$work/lonely.err")
code=$?
set -e
installed=$(grep -o 'looked in .*' "$work/lonely.err" | sed 's/.*, //')
if [ -d "$installed" ]; then
  echo "e2e note: $installed exists on this machine; the missing-content case is left out"
else
  [ "$code" = 1 ] || fail "missing content ended with $code, not 1"
  [ "$(wc -l <"$work/lonely.err")" = 1 ] || fail "missing content said more than one line: $(cat "$work/lonely.err")"
  grep -q "^sumline: the game's pictures and sounds (Back/ and Sound/) were not found; looked in $work/lonely, " \
    "$work/lonely.err" || fail "the line does not name the folders: $(cat "$work/lonely.err")"
  [ ! -e "$work/lonely-xdg/sumline" ] || fail "the data folder was made without content"
  pass "content missing: one line naming $(grep -o 'looked in .*' "$work/lonely.err"), exit 1"
fi

# --- First run, from another folder -------------------------------------------

# A game folder without an older build's Data (a build folder may have one).
game_copy "$work/fresh-game"
xdg="$work/first-xdg"
headless_play / "$xdg" "$work/fresh-game/sumline"
data="$xdg/sumline/Data"
[ -d "$data" ] || fail "the first run made no $data"
cmp -s "$data/PZL.dat" "$game_dir/defaults/PZL.dat" || fail "the first run's PZL.dat is not the shipped one"
cmp -s "$data/ITEM.dat" "$game_dir/defaults/ITEM.dat" || fail "the first run's ITEM.dat is not the shipped one"
[ "$(cat "$xdg.err")" = "sumline: saved games are kept in $data" ] ||
  fail "the first run said: $(cat "$xdg.err")"
pass "started from /: content found beside the executable, $data made from the defaults, one line saying so"

# A ranking in it stays; the second run says nothing and adds nothing.
head -c 3400 /dev/urandom >"$data/ED.dat"
cp "$data/ED.dat" "$work/ranking"
rm "$data/ITEM.dat"
headless_play "$work" "$xdg" "$work/fresh-game/sumline" --fullscreen
cmp -s "$data/ED.dat" "$work/ranking" || fail "the second run changed the ranking"
[ ! -e "$data/ITEM.dat" ] || fail "the second run filled the folder again"
[ ! -s "$xdg.err" ] || fail "the second run said: $(cat "$xdg.err")"
pass "second run (--fullscreen): the ranking kept, nothing added, nothing said"

# --- An older build's files ---------------------------------------------------

game_copy "$work/old-build"
mkdir -p "$work/old-build/Data"
head -c 3400 /dev/urandom >"$work/old-build/Data/ED.dat"
printf '\001\000\001\000\000' >"$work/old-build/Data/OD.dat"
echo "not the game's" >"$work/old-build/Data/notes.txt"
cp -r "$work/old-build/Data" "$work/old-data"
xdg="$work/old-xdg"
headless_play / "$xdg" "$work/old-build/sumline"
data="$xdg/sumline/Data"
for file in ED.dat OD.dat; do
  cmp -s "$data/$file" "$work/old-data/$file" || fail "$file was not copied from the older build's Data"
done
[ ! -e "$data/notes.txt" ] || fail "a file not the game's was copied"
diff -r "$work/old-build/Data" "$work/old-data" >/dev/null || fail "the older build's Data was changed"
grep -q "(copied OD.dat ED.dat from $work/old-build/Data, which is left as it was)" "$xdg.err" ||
  fail "the copy was not told: $(cat "$xdg.err")"
# Once: a later ranking beside the executable is not copied again.
head -c 3400 /dev/urandom >"$work/old-build/Data/ED.dat"
headless_play / "$xdg" "$work/old-build/sumline"
cmp -s "$data/ED.dat" "$work/old-data/ED.dat" || fail "the older build's ranking was copied a second time"
pass "an older build's Data copied once into $data and left as it was"

# --- Portable, and --data-dir -------------------------------------------------

game_copy "$work/stick"
mkdir -p "$work/stick/Data"
touch "$work/stick/Data/portable"
xdg="$work/stick-xdg"
headless_play / "$xdg" "$work/stick/sumline"
[ ! -e "$xdg/sumline" ] || fail "a portable game made $xdg/sumline"
[ "$(ls "$work/stick/Data")" = portable ] || fail "the portable Data folder was changed: $(ls "$work/stick/Data")"
[ ! -s "$xdg.err" ] || fail "the portable game said: $(cat "$xdg.err")"
pass "Data/portable beside the executable: that folder is the player's"

xdg="$work/option-xdg"
headless_play / "$xdg" "$binary" --window --data-dir "$work/saves"
[ ! -e "$xdg/sumline" ] || fail "--data-dir made $xdg/sumline"
cmp -s "$work/saves/PZL.dat" "$game_dir/defaults/PZL.dat" || fail "--data-dir's new folder has no shipped PZL.dat"
[ "$(cat "$xdg.err")" = "sumline: saved games are kept in $work/saves" ] || fail "--data-dir said: $(cat "$xdg.err")"
mkdir -p "$work/relative/saves"
headless_play "$work/relative" "$xdg" "$binary" --data-dir=saves
[ -z "$(ls "$work/relative/saves")" ] || fail "an existing --data-dir folder was filled"
pass "--data-dir: a new folder made from the defaults, an existing one used as it is"

# --- No sound device ----------------------------------------------------------

# Whatever audio the machine has, none is reachable here: no sound server's
# folder, no device nodes the driver may use.
xdg="$work/silent-xdg"
mkdir -p "$xdg" "$xdg-home" "$work/silent-run"
(cd / && exec env -u SDL_AUDIODRIVER HOME="$xdg-home" XDG_DATA_HOME="$xdg" \
  XDG_RUNTIME_DIR="$work/silent-run" PULSE_SERVER="unix:$work/silent-run/none" SDL_VIDEODRIVER=dummy \
  "$binary" --data-dir "$work/saves" </dev/null >"$xdg.out" 2>"$xdg.err") &
headless_pid=$!
xdg_last=$xdg
wait_for_start
headless_stop
lines=$(wc -l <"$xdg.err")
[ "$lines" -le 1 ] || fail "without a sound device the game said $lines lines: $(head -n 5 "$xdg.err")"
if [ "$lines" = 1 ]; then
  grep -q '^sumline: no sound device (.*); playing without sound$' "$xdg.err" || fail "the line was: $(cat "$xdg.err")"
fi
pass "no sound device: $lines line on standard error$( [ "$lines" = 1 ] && echo ": $(cat "$xdg.err")")"

echo "e2e command line: all stages passed"
