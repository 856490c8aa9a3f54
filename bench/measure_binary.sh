#!/usr/bin/env bash
# Process CPU (utime+stime of all threads, percent of one core) and own memory
# (RssAnon) of the real game under Xvfb on its title screen, main menu, in an
# endless match, a puzzle match, the puzzle editor, the ranking viewer, the
# gallery, the options screen, the versus set-up and a versus match.
# Usage: [MEASURE_SHOTS=DIR] bench/measure_binary.sh build/game/sumline
set -euo pipefail
binary=$(readlink -f "$1")
work=$(mktemp -d)
trap 'kill $game $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/Data"
# One puzzle problem: a single panel (so it is not solved at once) and 5:00.
ff() { head -c "$1" /dev/zero | tr '\0' '\377'; }
zero() { head -c "$1" /dev/zero; }
{
  ff 17; printf '\003'; ff 10482   # boards: problem 1 has a 3 at row 2, column 3
  head -c 100 /dev/zero | tr '\0' '\007'  # target sums 7
  ff 100; zero 100; zero 400; zero 400     # no swap limit, goal 0, values, seconds
  printf '\005\000\000\000'; zero 396    # minutes
} > "$work/Data/PZL.dat"
display=:$((200 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 1 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
cd "$work"
SDL_AUDIODRIVER=dummy "$binary" --data-dir "$work/Data" >/dev/null 2>&1 &
game=$!
ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$game/stat"; }
sample() {  # label seconds
  local a b
  a=$(cpu); sleep "$2"; b=$(cpu)
  awk -v a="$a" -v b="$b" -v t="$ticks" -v s="$2" -v l="$1" 'BEGIN { printf "%-12s %5.1f %% of a core over %d s\n", l, 100 * (b - a) / t / s, s }'
  grep RssAnon "/proc/$game/status"
  # MEASURE_SHOTS=DIR keeps a picture of each measured screen, to see that
  # the keys reached it.
  [ -z "${MEASURE_SHOTS:-}" ] || import -window root "$MEASURE_SHOTS/$1.png"
}
sleep 8.5            # logo sequence and the title's opening wipe
sample title 12
xdotool key x
sleep 4
sample "main menu" 30
xdotool key x        # endless, the first tile
sleep 12             # opening rows and countdown
sample "endless" 30
press() { xdotool keydown "$1"; sleep 0.1; xdotool keyup "$1"; sleep 0.4; }
press Escape         # back to the menu
sleep 3
press Right          # puzzle
press x              # the picker
sleep 3
press x              # the first problem
sleep 6              # countdown
sample "puzzle" 20
press Escape
sleep 3
press Right          # the editor
press x
sleep 3
sample "editor" 20
press Escape
sleep 3
press Down           # the ranking viewer
press x
sleep 3
sample "ranking" 20
press Escape
sleep 3
press Right          # the gallery
press Up
press x
sleep 3
sample "gallery" 20
press Escape
sleep 3
press Down           # the options screen
press x
sleep 3
sample "options" 20
press Escape
sleep 3
press Right          # versus, round from the last column
press x
sleep 3
press x              # 「ふたりで」
sleep 1
sample "setup" 20
press y              # player 1 to the decide button and on
press x
press Up             # player 2 likewise
press l
sleep 1
press x              # both accept
press l
sleep 12
sample "versus" 20
