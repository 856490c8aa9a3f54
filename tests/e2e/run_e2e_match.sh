#!/usr/bin/env bash
# The real game under Xvfb through one endless match: menu, endless, a line
# read off the screen that clears, pause and resume, a game that ends, the name entry,
# the retry question answered no, back on the menu, and "Data\ED.dat" holding
# the new entry. Each stage is checked on a screenshot of the window.
set -euo pipefail

binary=$(readlink -f "$1")
work=${2:-/tmp/sumline-e2e-match}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/screen_checks.sh
source "$here/screen_checks.sh"

# Target total 7, sound on, easiest difficulty (three opening rows, so a
# few missed lines still leave room).
start_game "$binary" "$work" '\x00\x00\x00\x00\x00'

open_main_menu
press x   # endless is the first tile

# Read the board from the screen (each number has its own colour), find two
# neighbours that add up to 7, walk the cursor there, select and confirm the
# line: the score then leaves 0 for good. The cursor is first pushed to the
# bottom-left corner, so the moves are counted from a known cell. A game
# that tops out first is played again (yes is the preset answer).
scored=""
for game in 1 2 3 4 5; do
  wait_until 20 board_has_panels || fail "the endless match did not start"
  sleep 5   # the opening rows rise and the countdown runs
  shot score_zero
  zero=$(region_signature score_zero 40 445 222 468)
  for attempt in $(seq 1 12); do
    retry_question_shown && break
    play_a_line || { sleep 1; continue; }
    retry_question_shown && break
    shot score_now
    if board_has_panels score_now && [ "$(region_signature score_now 40 445 222 468)" != "$zero" ]; then
      scored=yes
      break
    fi
  done
  [ -n "$scored" ] && break
  wait_until 60 retry_question_shown || fail "game $game neither scored nor ended"
  sleep 0.5
  # Keys pressed while the game was ending may have moved the answer to no.
  arrow_on_yes || { press Right; sleep 0.3; }
  arrow_on_yes || fail "the retry question's answer is not on yes"
  press x
  echo "e2e: game $game ended without a clear; playing again"
done
[ -n "$scored" ] || fail "no line added up in five games"
shot match_scored
pass "endless match running; a line read off the screen cleared and scored"

# Pause hides the boards; the same key brings them back.
press c
sleep 0.5
shot paused
board_has_panels paused && fail "the board is still shown while paused"
pause_seen=""
for _ in 1 2 3 4; do
  shot pause_blink
  [ "$(convert "$E2E_SHOTS/pause_blink.png" -crop "$(crop_of 240 155 400 195)" +repage -format '%k' info:)" -gt 4 ] && pause_seen=yes
  sleep 0.3
done
[ -n "$pause_seen" ] || fail "no PAUSE picture while paused"
press c
sleep 0.5
board_has_panels || fail "the board did not come back after the pause"
pass "pause and resume"

# Ask for rows from above until the stack tops out.
for _ in $(seq 1 30); do
  press a
  sleep 0.7
  name_entry_shown && break
done
wait_until 60 name_entry_shown || fail "the game did not end in a name entry"
shot name_entry
pass "game over, name entry"

# Name "CAAA": C is two letters down from A; left from the first letter is OK.
sleep 1
press Down; sleep 0.3; press Down; sleep 0.3
press Left; sleep 0.3
press x
wait_until 5 retry_question_shown || fail "the retry question did not appear"
shot retry
sleep 0.5
press Right; sleep 0.3
press x
wait_until 10 menu_panel_shown || fail "answering no did not return to the menu"
pass "retry question answered no, back on the menu"

ranking="$E2E_RUN/Data/ED.dat"
[ -f "$ranking" ] || fail "no Data/ED.dat"
[ "$(stat -c %s "$ranking")" = 3400 ] || fail "Data/ED.dat is $(stat -c %s "$ranking") bytes"
first_score=$(od -An -t d4 -N 4 "$ranking" | tr -d ' ')
first_name=$(od -An -t u1 -j 1600 -N 4 "$ranking" | tr -s ' ' | sed 's/^ //')
[ "$first_score" -gt 0 ] || fail "first ranking entry has score $first_score"
[ "$first_name" = "2 0 0 0" ] || fail "first ranking entry's name codes are $first_name"
pass "Data/ED.dat holds the entry (score $first_score, name CAAA)"

# The match was kept as a replay (in Data/Replays, the folder --data-dir
# names); another process re-plays it
# to the entry's score with every checkpoint matched.
replay=$(find "$E2E_RUN" -name '*-endless.replay' 2>/dev/null | sort | tail -1)
[ -n "$replay" ] || fail "no endless replay kept"
verdict=$("$binary" --data-dir "$E2E_RUN/Data" --verify-replay "$replay") || fail "--verify-replay exited $? on $replay: $verdict"
case "$verdict" in
  "endless score $first_score result top-out steps "*" checkpoints ok") ;;
  *) fail "--verify-replay said: $verdict" ;;
esac
pass "the replay verifies in another process: $verdict"

# The ranking viewer (third tile of the lower row) names R on its blue plate;
# R plays the marked entry's replay (place 1) on the match screen under the
# blue 「リプレイ」 plate, at 4x; its end shows the result box; X goes back.
replay_key_shown() { shot probe; is_blue probe 503 14 509 22; }
replay_plate_shown() { shot probe; is_blue probe 243 10 249 24 && board_has_panels probe; }
replay_end_shown() { shot probe; is_blue probe 173 200 179 260 && is_blue probe 462 200 467 260; }
tap Right; tap Right; tap Down
press x
wait_until 10 replay_key_shown || fail "the ranking viewer did not open with its R plate"
shot viewer
pass "ranking viewer showing"
press r
wait_until 15 replay_plate_shown || fail "R did not play the replay"
shot replay_playing
pass "the entry's replay playing on the match screen"
sleep 1
tap Right; tap Right
wait_until 200 replay_end_shown || fail "the replay did not reach its end"
shot replay_end
pass "the replay played to its end"
press x
wait_until 10 replay_key_shown || fail "X at the replay's end did not go back to the ranking viewer"
press Escape
wait_until 10 menu_panel_shown || fail "Escape did not leave the ranking viewer"
pass "back in the ranking viewer, then the menu"

# Leave: back to the title, end, farewell, exit code 0.
leave_through_the_title
echo "e2e match: all stages passed; screenshots in $work/shots"
