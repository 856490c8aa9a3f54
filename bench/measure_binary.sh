#!/usr/bin/env bash
# Process CPU (utime+stime of all threads, percent of one core) and own memory
# (RssAnon) of the real game under Xvfb on its title screen, main menu and
# in an endless match.
# Usage: bench/measure_binary.sh build/game/sumline
set -euo pipefail
binary=$(readlink -f "$1")
game_dir=$(dirname "$binary")
work=$(mktemp -d)
trap 'kill $game $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/Data"
ln -s "$game_dir/Back" "$work/Back"
ln -s "$game_dir/Sound" "$work/Sound"
display=:$((200 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 1 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
cd "$work"
SDL_AUDIODRIVER=dummy "$binary" >/dev/null 2>&1 &
game=$!
ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$game/stat"; }
sample() {  # label seconds
  local a b
  a=$(cpu); sleep "$2"; b=$(cpu)
  awk -v a="$a" -v b="$b" -v t="$ticks" -v s="$2" -v l="$1" 'BEGIN { printf "%-12s %5.1f %% of a core over %d s\n", l, 100 * (b - a) / t / s, s }'
  grep RssAnon "/proc/$game/status"
}
sleep 8.5            # logo sequence and the title's opening wipe
sample title 12
xdotool key x
sleep 2
sample "main menu" 30
xdotool key x        # endless, the first tile
sleep 12             # opening rows and countdown
sample "endless" 30
