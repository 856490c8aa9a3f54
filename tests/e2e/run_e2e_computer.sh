#!/usr/bin/env bash
# The real game under Xvfb against the computer: VERSUS, 「コンピュータ」 at
# strength 3, player 1 sets up alone and accepts beside the computer's
# profile, already accepted; the computer clears lines on its board (its
# score changes on screen) within 30 seconds; player 1 asks for rows until
# his stack tops out; the result shows LOSE on the left and WIN! on the
# right; the rematch question answered no leads back to the main menu; the
# match's replay verifies in another process.
set -euo pipefail

binary=$(readlink -f "$1")
work=${2:-/tmp/sumline-e2e-computer}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/screen_checks.sh
source "$here/screen_checks.sh"

# Target total 7, sound on, easiest difficulty.
start_game "$binary" "$work" '\x00\x00\x00\x00\x00'

open_main_menu
press Down; sleep 0.3   # versus, under endless
press x
question_shown() { shot probe; is_blue probe 400 200 410 206 && is_blue probe 120 200 130 206; }
wait_until 10 question_shown || fail "the question of who plays on the right did not appear"
sleep 0.3
shot question
tap Right; tap Right; tap Right
shot question_strength_3
[ "$(region_signature question 350 190 570 290)" != "$(region_signature question_strength_3 350 190 570 290)" ] ||
  fail "the cursor did not move to the computer"
tap x
setup_shown() { shot probe; is_blue probe 15 5 25 9 && is_blue probe 130 5 140 9; }
wait_until 10 setup_shown || fail "player 1's set-up page did not appear"
pass "VERSUS asks who plays on the right; the computer at strength 3 chosen"

# Player 1 decides at once (up from row 0 to the decide button): no page
# for player 2, the confirmation shows both charts.
tap y
tap x
confirm_shown() { shot probe; is_blue probe 25 440 35 460; }
wait_until 5 confirm_shown || fail "no confirmation screen after player 1 alone"
shot confirm
pass "player 1 set up alone; the confirmation shows the computer's profile"

tap x
wait_until 20 board_has_panels || fail "the match against the computer did not start"
sleep 4   # the opening rows rise and the countdown runs
shot match
right_score=$(region_signature match 410 445 596 468)
computer_scored() { shot probe; [ "$(region_signature probe 410 445 596 468)" != "$right_score" ]; }
wait_until 30 computer_scored || fail "the computer cleared no line within 30 seconds"
shot computer_scored
pass "the computer cleared lines on its board"

banners_shown() {
  shot probe
  awk -v a="$(warmth probe 98 160 168 190)" -v b="$(warmth probe 472 160 542 190)" 'BEGIN { exit !(b > a + 0.1) }'
}
top_out_player_1() {
  local _
  for _ in $(seq 1 40); do
    press a
    sleep 0.5
    banners_shown && return 0
  done
  wait_until 30 banners_shown
}
top_out_player_1 || fail "no LOSE and WIN! banners after player 1 topped out"
shot result
pass "player 1 topped out: LOSE for player 1, WIN! for the computer"

sleep 0.5
go_on_to_retry_question || fail "the rematch question did not appear"
sleep 0.5
tap Right
tap x
wait_until 10 menu_panel_shown || fail "answering no did not return to the menu"
pass "rematch question answered no, back on the menu"

# The match against the computer was kept as a replay like any other, and
# another process re-plays it from its inputs alone, without the computer.
replay=$(find "$E2E_RUN" -name '*-versus.replay' 2>/dev/null | sort | head -1)
[ -n "$replay" ] || fail "no versus replay kept"
verdict=$("$binary" --data-dir "$E2E_RUN/Data" --verify-replay "$replay") || fail "--verify-replay exited $? on $replay: $verdict"
case "$verdict" in
  *"checkpoints ok") ;;
  *) fail "--verify-replay said: $verdict" ;;
esac
pass "the replay verifies in another process: $verdict"

leave_through_the_title
echo "e2e computer: all stages passed; screenshots in $work/shots"
