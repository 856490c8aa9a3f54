#!/usr/bin/env bash
# The real game under Xvfb from the puzzle editor to a solved problem: EDIT,
# problem 1 built as a 3 under a 4 (target 7, goal: clear every panel) with a
# time limit of 1:00, saved and left; then PUZZLE, the picker showing the
# problem, the line played, CLEAR!, and "Data\PZL.dat" and "Data\CLEAR.dat"
# holding the problem and the solve. Each stage is checked on a screenshot.
set -euo pipefail

binary=$(readlink -f "$1")
work=${2:-/tmp/sumline-e2e-editor}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/screen_checks.sh
source "$here/screen_checks.sh"
started=$SECONDS

# Target total 7, sound on, the first backdrop (the editor's checks look at
# its sky between the boxes), panel shape 0 (read_board's colours).
start_game "$binary" "$work" '\x00\x00\x00\x00\x00'
puzzles="$E2E_RUN/Data/PZL.dat"
progress="$E2E_RUN/Data/CLEAR.dat"

tap() { press "$1"; sleep "${2:-0.2}"; }
repeat_tap() { local n=$1 key=$2 _; for _ in $(seq 1 "$n"); do tap "$key"; done; }

# The editor: the board's dark field, and the backdrop's sky between its two
# boxes where a match has its lower box.
editor_shown() {
  shot probe
  local field gap
  field=$(luma probe 60 70 200 90)
  gap=$(luma probe 300 260 580 295)
  awk -v f="$field" -v g="$gap" 'BEGIN { exit !(f < 0.3 && g > 0.6) }'
}
# The editor's question: the blue box left of its text.
question_shown() { shot probe; is_blue probe 172 215 186 235; }
# Column 3 of the board read from a screenshot: a 3 in row 2 and a 4 in row 3.
board_is_three_under_four() {
  local rows
  rows=$(read_board "$1")
  [ "$(sed -n 1p <<<"$rows")" = ". . . 3 . . ." ] && [ "$(sed -n 2p <<<"$rows")" = ". . . 4 . . ." ] &&
    [ "$(sed -n 3p <<<"$rows")" = ". . . . . . ." ]
}
# The match screen (the sky beside the boards), its wipe open.
picker_open() {
  shot picker
  awk -v s="$(luma picker 240 200 310 240)" 'BEGIN { exit !(s > 0.6) }' && board_is_three_under_four picker
}
clock_moved() { shot probe; [ "$(region_signature probe 476 100 545 119)" != "$clock_start" ]; }
# CLEAR! over the left board: its pink letters fill a good part of the area.
clear_shown() {
  shot probe
  local pink
  pink=$(convert "$E2E_SHOTS/probe.png" -crop "$(crop_of 75 155 190 195)" +repage \
    -fx '(r > 0.85 && g > 0.35 && g < 0.85 && b > 0.55) ? 1 : 0' -format '%[fx:mean]' info:)
  awk -v p="$pink" 'BEGIN { exit !(p > 0.15) }'
}
puzzles_written() { [ -f "$puzzles" ]; }
progress_written() { [ -f "$progress" ]; }
byte_at() { od -An -t d1 -j "$2" -N 1 "$1" | tr -d ' '; }
int_at() { od -An -t d4 -j "$2" -N 4 "$1" | tr -d ' '; }

open_main_menu
# EDIT is the upper tile of the third column.
tap Right 0.3
tap Right 0.3
press x
wait_until 10 editor_shown || fail "the editor did not appear"
sleep 0.5  # the rest of the opening wipe, which takes no keys
pass "editor open"

# Problem 1: X four times gives a 3 under the cursor (column 3, row 2); the
# cell above gets a 4. S S selects the time: six steps of 10 seconds.
repeat_tap 4 x
tap Up 0.5
repeat_tap 5 x
repeat_tap 2 s
repeat_tap 6 Right
shot editor_built
board_is_three_under_four editor_built || fail "the editor's board is not a 3 under a 4: $(read_board editor_built | head -3 | tr '\n' '/')"
pass "board and time limit set in the editor"

# C asks to record (yes is preset), then whether to go back to the menu.
press c
wait_until 3 question_shown || fail "no save question"
shot save_question
press c
wait_until 3 puzzles_written || fail "answering yes wrote no Data/PZL.dat"
wait_until 3 question_shown || fail "no leave question after the save"
press c
wait_until 10 menu_panel_shown || fail "the editor did not return to the menu"
pass "saved and back on the menu"

[ "$(stat -c %s "$puzzles")" = 12000 ] || fail "Data/PZL.dat is $(stat -c %s "$puzzles") bytes"
[ "$(byte_at "$puzzles" 17)" = 3 ] && [ "$(byte_at "$puzzles" 24)" = 4 ] || fail "the saved board's cells are wrong"
[ "$(int_at "$puzzles" 11600)" = 1 ] && [ "$(int_at "$puzzles" 11200)" = 0 ] || fail "the saved time is not 1:00"
pass "Data/PZL.dat holds problem 1 (12000 bytes)"

# PUZZLE is one column left of EDIT. The picker shows problem 1's board.
tap Left 0.3
press x
wait_until 15 picker_open || fail "the picker did not show problem 1's board"
sleep 0.3
shot picker_problem1
clock_start=$(region_signature picker_problem1 476 100 545 119)
press x
wait_until 15 clock_moved || fail "problem 1 did not start (the clock stands still)"
pass "problem 1 chosen in the picker and started"

# The line: S anchors on the 3 under the cursor, Y stretches it up over the
# 4, S confirms; 3 + 4 = 7 clears both, the board is empty: CLEAR!
tap s 0.3
tap y 0.6
press s
wait_until 5 clear_shown || fail "no CLEAR! after the line"
shot clear
pass "the line cleared the board: CLEAR!"

press x
wait_until 10 progress_written || fail "no Data/CLEAR.dat after the solve"
wait_until 15 menu_panel_shown || fail "the series did not end on the menu"
[ "$(stat -c %s "$progress")" = 200 ] || fail "Data/CLEAR.dat is $(stat -c %s "$progress") bytes"
[ "$(byte_at "$progress" 0)" = 1 ] || fail "problem 1 is not marked solved"
pass "Data/CLEAR.dat (200 bytes) marks problem 1 solved"

leave_through_the_title
echo "e2e editor: all stages passed in $((SECONDS - started)) s; screenshots in $work/shots"
