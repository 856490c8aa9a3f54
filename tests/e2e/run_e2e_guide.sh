#!/usr/bin/env bash
# The real game under Xvfb and the key guide: F1 on the main menu opens it
# over the menu and F1 closes it again; in an endless match F1 opens it, the
# whole screen stands still under it (two screenshots a second apart are the
# same, where the running match a second apart is not), and Escape closes it
# without leaving the match. A player who has never played: the first
# endless match opens its guide by itself and notes it in Data/Guides.dat,
# and after a restart with that note it does not. Each stage is checked on a
# screenshot.
set -euo pipefail

binary=$(readlink -f "$1")
work=${2:-/tmp/sumline-e2e-guide}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/screen_checks.sh
source "$here/screen_checks.sh"

start_game "$binary" "$work" '\x00\x00\x00\x00\x00'

open_main_menu
sleep 0.5
key_guide_shown && fail "the guide's blue shows before F1"
press F1
wait_until 3 key_guide_shown || fail "F1 did not open the guide over the main menu"
menu_panel_shown && fail "the menu is not dimmed under the guide"
shot guide_menu
pass "F1 opens the key guide over the main menu"
sleep 0.5
press F1
wait_until 3 menu_panel_shown || fail "F1 did not close the guide"
key_guide_shown && fail "the guide is still up"
pass "F1 closes it again, the menu as it was"

press x   # endless is the first tile
wait_until 20 board_has_panels || fail "the endless match did not start"
sleep 5   # the opening rows rise and the countdown runs
# A running match changes within a second: the clock, the rise, the blinks.
shot running_a
sleep 1
shot running_b
[ "$(region_signature running_a 0 0 640 480)" != "$(region_signature running_b 0 0 640 480)" ] ||
  fail "the match did not change within a second: the comparison below would prove nothing"

press F1
wait_until 3 key_guide_shown || fail "F1 did not open the guide in the match"
sleep 0.3
shot still_a
sleep 1
shot still_b
[ "$(region_signature still_a 0 0 640 480)" = "$(region_signature still_b 0 0 640 480)" ] ||
  fail "the screen changed under the guide"
pass "F1 in the match opens the guide and the match stands still under it"

press Escape
wait_until 3 board_has_panels || fail "Escape did not close the guide"
sleep 1
board_has_panels || fail "Escape under the guide left the match"
shot resumed_a
sleep 1
shot resumed_b
[ "$(region_signature resumed_a 0 0 640 480)" != "$(region_signature resumed_b 0 0 640 480)" ] ||
  fail "the match did not go on after the guide closed"
pass "Escape closes the guide and the match goes on"

# Leave the match, then the game through the title.
press Escape
wait_until 10 menu_panel_shown || fail "leaving the match did not return to the menu"
sleep 1
leave_through_the_title

# A player who has never started a mode: the first endless match opens its
# guide by itself and notes it in Data/Guides.dat; after a restart with that
# note the next one does not.
first_endless_match() {
  open_main_menu
  press x
  wait_until 20 board_has_panels || fail "the endless match did not start"
}
export E2E_FIRST_RUN_GUIDES=1
start_game "$binary" "$work-first-run" '\x00\x00\x00\x00\x00'
first_endless_match
wait_until 15 key_guide_shown || fail "the first endless match did not open its guide by itself"
shot first_run
note=$(od -An -t u1 "$E2E_RUN/Data/Guides.dat" | tr -s ' ' | sed 's/^ //; s/ $//')
[ "$note" = "1 0 0 0 0" ] || fail "Data/Guides.dat holds '$note'"
mkdir -p "$work-note"
cp "$E2E_RUN/Data/Guides.dat" "$work-note/"
press F1
wait_until 3 board_has_panels || fail "F1 did not close the first-run guide"
pass "the first endless match opens its guide by itself, noted in Data/Guides.dat"
press Escape
wait_until 10 menu_panel_shown || fail "leaving the match did not return to the menu"
sleep 1
leave_through_the_title

start_game "$binary" "$work-restart" '\x00\x00\x00\x00\x00' "$work-note/Guides.dat"
first_endless_match
sleep 6
key_guide_shown && fail "the guide opened again after a restart"
board_has_panels || fail "the match is not on screen"
pass "after a restart the note holds: no guide"
press Escape
wait_until 10 menu_panel_shown || fail "leaving the match did not return to the menu"
sleep 1
leave_through_the_title
echo "e2e guide: all stages passed; screenshots in $work/shots and $work-first-run/shots"
