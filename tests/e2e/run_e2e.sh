#!/usr/bin/env bash
# The real game in a real X server (Xvfb), driven by key presses: boot, logo,
# title, main menu, a cursor move, back to the title, end, farewell, exit 0.
# Each stage is checked on a screenshot of the window.
set -euo pipefail

binary=$(readlink -f "$1")
work=${2:-/tmp/sumline-e2e}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/screen_checks.sh
source "$here/screen_checks.sh"

start_game "$binary" "$work"
geometry=$(xdotool getwindowgeometry "$E2E_WINDOW" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "960x640" ] || fail "window is $geometry, expected 960x640"
pass "window 'Direct X' 960x640"

# Logo: the light background with the falling logo.
wait_until 3 logo_shown || fail "no logo screen"
pass "logo screen shown"

# Title: the tiled background, title logo and plates.
wait_until 12 title_is_open || fail "title screen did not appear"
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
shot title_again
pass "back on the title"

# End: farewell, then the process ends with code 0.
press Escape
wait_until 5 farewell_shown || fail "the farewell screen did not appear"
shot farewell
pass "farewell shown"

expect_exit_code_zero
echo "e2e: all stages passed; screenshots in $work/shots"
