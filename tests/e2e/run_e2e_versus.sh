#!/usr/bin/env bash
# The real game under Xvfb through a versus series: both players set up
# with their own keys (player 2 switches items off), both accept, the match
# starts on two boards; player 1 clears a line read off the screen while
# player 2 asks for rows until his stack tops out; the result shows WIN! on
# the left and LOSE on the right; the rematch starts with player 1's win
# counted; player 2 tops out again, the question is answered no and the
# main menu returns. Each stage is checked on a screenshot of the window.
set -euo pipefail

binary=$(readlink -f "$1")
work=${2:-/tmp/sumline-e2e-versus}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/screen_checks.sh
source "$here/screen_checks.sh"

# Target total 7, sound on, easiest difficulty (three opening rows).
start_game "$binary" "$work" '\x00\x00\x00\x00\x00'

open_main_menu
press Down; sleep 0.3   # versus, under endless
press x

# With items on the table panel reaches down to y 347; with items off to 320.
items_row_shown() { shot probe; is_blue probe 350 328 360 340; }

# The question before the set-up: 「ふたりで」 and 「コンピュータ」 side by side.
question_shown() { shot probe; is_blue probe 400 200 410 206 && is_blue probe 120 200 130 206; }
wait_until 10 question_shown || fail "the question of who plays on the right did not appear"
sleep 0.3
press x                 # 「ふたりで」: a second person plays on the right
wait_until 10 versus_setup_shown || fail "player 1's set-up page did not appear"
shot setup_p1
items_row_shown || fail "items are not on at the start"
player_plate=$(region_signature setup_p1 10 2 110 42)
# Player 1: three points on EX (H raises).
tap h; tap h; tap h
shot setup_p1_raised
is_red setup_p1_raised 158 218 162 222 || fail "raising EX to 3 did not grow the polygon upwards"
# Five on SPEED, so the cursor crosses a cell in four frames (the line
# below is walked by taps); then Y twice to the decide button.
tap b
for _ in 1 2 3 4 5; do tap h; done
tap y; tap y
tap x
sleep 0.5
shot setup_p2
[ "$(region_signature setup_p2 10 2 110 42)" != "$player_plate" ] || fail "the page did not pass to player 2"
is_red setup_p2 158 218 162 222 && fail "player 2's page shows player 1's levels"
pass "player 1 set up with his keys; player 2's page"

# Player 2, on the arrows and L: down to the item switch (row 5), L turns
# items off, the cursor is back on row 0 and the table shrinks; then two
# points on SPEED and up to the decide button.
for _ in 1 2 3 4 5; do tap Down; done
tap l
sleep 0.5
items_row_shown && fail "switching items off kept the items row"
tap Down
tap Right; tap Right
tap Up; tap Up
tap l
wait_until 5 versus_confirm_shown || fail "no confirmation screen"
shot confirm
pass "player 2 set up with items off; the confirmation shows both charts"

# Both accept (accept is the preset answer), each with his own decide key.
tap x
tap l
wait_until 20 board_has_panels || fail "the versus match did not start"
right_board_has_panels || fail "the right board shows no panels"
sleep 5   # the opening rows rise and the countdown runs
shot match
wins_zero=$(region_signature match 270 400 300 420)
pass "versus match on two boards"

# Player 1 clears a line read off the screen (his keys: Y/H/B/G, S).
clear_a_line match || fail "player 1 cleared no line"
pass "player 1 cleared a line read off the screen"

# Player 2 asks for rows (I) until his stack tops out; the panels fly and
# the banners come: WIN! (orange) on the left, LOSE (grey) on the right.
banners_shown() { win_banner_on left; }
top_out_player_2() {
  local _
  for _ in $(seq 1 40); do
    press i
    sleep 0.5
    banners_shown && return 0
  done
  wait_until 30 banners_shown
}
top_out_player_2 || fail "no WIN! and LOSE banners after player 2 topped out"
shot result
pass "player 2 topped out: WIN! for player 1, LOSE for player 2"

# Any of the four keys leads to the rematch question; yes is preset.
sleep 0.5
go_on_to_retry_question || fail "the rematch question did not appear"
shot rematch_question
arrow_on_yes || fail "the rematch question's answer is not on yes"
tap x
wait_until 20 board_has_panels || fail "the rematch did not start"
sleep 4
shot rematch
[ "$(region_signature rematch 270 400 300 420)" != "$wins_zero" ] || fail "player 1's win is not counted in the rematch"
pass "rematch with player 1's win counted"

top_out_player_2 || fail "the rematch did not end"
sleep 0.5
go_on_to_retry_question || fail "the second rematch question did not appear"
sleep 0.5
tap Right
tap x
wait_until 10 menu_panel_shown || fail "answering no did not return to the menu"
pass "rematch question answered no, back on the menu"

leave_through_the_title
echo "e2e versus: all stages passed; screenshots in $work/shots"
