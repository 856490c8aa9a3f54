#!/usr/bin/env bash
# The real game under Xvfb played with a gamepad: a virtual pad (SDL's
# virtual joystick, through sumline_paddriver) is plugged in once the title
# is up, opens the main menu, moves its cursor with the d-pad and the stick,
# starts an endless match with A, and is pulled out during the match; the
# game goes on, takes the pad again and lets it go again, and says nothing on
# standard error.
#
# Arguments: the pad driver binary (beside the game), the work folder.
set -euo pipefail

binary=$(readlink -f "$1")
work=${2:-/tmp/sumline-e2e-pad}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/screen_checks.sh
source "$here/screen_checks.sh"

# The driver reads its commands from a pipe held open here.
pipe_dir=$(mktemp -d)
mkfifo "$pipe_dir/pad"
exec 3<>"$pipe_dir/pad"
export E2E_GAME_INPUT="$pipe_dir/pad"
# Pad events reach the game even when the X server gives no window the focus.
export SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS=1

pad() { echo "$*" >&3; }
# Waits for the driver's n-th answer of the kind (plugged, pressed, ...).
answered() {
  local count=$1 word=$2 _
  for _ in $(seq 1 100); do
    [ "$(grep -c "^paddriver: $word" "$work/game.err" || true)" -ge "$count" ] && return 0
    sleep 0.1
  done
  fail "the pad driver did not answer '$word' ($(grep paddriver "$work/game.err" | tail -n 1))"
}
presses=0
# A quarter of a second: seen by the game even when a busy machine slows its
# frames, and short of the half second after which a menu repeats a move.
pad_press() {
  pad press "$1" 250
  presses=$((presses + 1))
  answered "$presses" pressed
  sleep 0.3
}
sticks=0
pad_stick() {
  pad stick "$1" "$2"
  sticks=$((sticks + 1))
  answered "$sticks" stick
  sleep 0.3
}

start_game "$binary" "$work" '\x00\x00\x00\x00\x00'
wait_until 12 title_is_open || fail "title screen did not appear"
sleep 1

pad plug
answered 1 plugged
pass "virtual pad plugged in after start"

pad_press a
wait_until 5 menu_panel_shown || fail "A on the title did not open the main menu"
shot pad_menu
endless=$(region_signature pad_menu 30 415 610 465)
pass "A opened the main menu"

pad_press dpright
shot pad_menu_right
[ "$(region_signature pad_menu_right 30 415 610 465)" != "$endless" ] || fail "the d-pad did not move the menu cursor"
pass "d-pad moved the menu cursor"

pad_stick x -30000
pad_stick x 0
shot pad_menu_back
[ "$(region_signature pad_menu_back 30 415 610 465)" = "$endless" ] || fail "the stick did not move the cursor back"
pass "left stick moved the cursor back to endless"

pad_press a
wait_until 20 board_has_panels || fail "A on the menu did not start the match"
shot pad_match
pass "A started the endless match"

pad unplug
answered 1 unplugged
sleep 1
kill -0 "$game_pid" 2>/dev/null || fail "the game ended when the pad was pulled out"
board_has_panels || fail "the match was not shown after the pad was pulled out"
pass "pad pulled out during the match, the game goes on"

# Plugged in again and pulled out at once: nothing held stays held.
pad plug
answered 2 plugged
pad unplug
answered 2 unplugged
sleep 0.5
kill -0 "$game_pid" 2>/dev/null || fail "the game ended on a second plug"

exec 3>&-
rm -rf "$pipe_dir"
if grep -v '^paddriver: ' "$work/game.err" | grep -q .; then
  fail "the game said on standard error: $(grep -v '^paddriver: ' "$work/game.err" | head -n 3)"
fi
pass "nothing on standard error but the driver's answers"
echo "e2e pad: all stages passed; screenshots in $work/shots"
