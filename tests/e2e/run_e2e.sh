#!/usr/bin/env bash
# The real game in a real X server (Xvfb), driven by key presses: boot, logo,
# title, main menu, a cursor move, back to the title, end, farewell, exit 0.
# Each stage is checked on a screenshot of the window.
set -euo pipefail

binary=$(readlink -f "$1")
work=${2:-/tmp/sumline-e2e}
game_dir=$(dirname "$binary")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/screen_checks.sh
source "$here/screen_checks.sh"

rm -rf "$work"
mkdir -p "$work/run/Data" "$work/shots"
ln -s "$game_dir/Back" "$work/run/Back"
ln -s "$game_dir/Sound" "$work/run/Sound"

display=""
for n in $(seq 91 150); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || fail "no free X display number"
export DISPLAY=$display

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

for _ in $(seq 1 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"

cd "$work/run"
SDL_AUDIODRIVER=dummy "$binary" >"$work/game.out" 2>"$work/game.err" &
game_pid=$!

window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --name '^Direct X$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.05
done
[ -n "$window" ] || fail "no window titled 'Direct X'"
export E2E_WINDOW=$window E2E_SHOTS="$work/shots"
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window" || true

geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "960x640" ] || fail "window is $geometry, expected 960x640"
pass "window 'Direct X' 960x640"

# Logo: the light background with the falling logo.
sleep 0.6
shot logo
light=$(luma logo 20 20 600 440)
above "$light" 0.75 "logo screen is light (mean $light)"

# Title: the tiled background, title logo and plates.
wait_until 12 title_is_open || fail "title screen did not appear"
sleep 1  # let the opening wipe finish: keys are ignored while it runs
shot title
pass "title screen shown"

# Main menu: start, then the blue description panel.
press x
wait_until 5 menu_panel_shown || fail "main menu's description panel did not appear"
shot menu
text_before=$(region_signature menu 30 415 610 465)
press Right
sleep 0.4
shot menu_moved
text_after=$(region_signature menu_moved 30 415 610 465)
[ "$text_before" != "$text_after" ] || fail "the description did not change after a cursor move"
pass "main menu cursor moved"

# Back to the title.
press Escape
wait_until 5 title_is_open || fail "Escape on the menu did not return to the title"
sleep 1
shot title_again
pass "back on the title"

# End: farewell, then the process ends with code 0.
press Escape
wait_until 5 farewell_shown || fail "the farewell screen did not appear"
shot farewell
pass "farewell shown"

code=""
for _ in $(seq 1 100); do
  if ! kill -0 "$game_pid" 2>/dev/null; then
    set +e; wait "$game_pid"; code=$?; set -e
    break
  fi
  sleep 0.1
done
game_pid=""
[ -n "$code" ] || fail "the game did not end within 10 s of the farewell"
[ "$code" = 0 ] || fail "exit code $code"
pass "exit code 0"
echo "e2e: all stages passed; screenshots in $work/shots"
