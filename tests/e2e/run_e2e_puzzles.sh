#!/usr/bin/env bash
# The real game under Xvfb offers the shipped puzzle problems: the build's
# defaults/PZL.dat (what a new player's "Data\PZL.dat" starts as) is checked
# against the book it was made from
# (data/puzzles.txt), copied into a fresh run folder, and the picker of the
# PUZZLE mode is browsed from problem 1 to the book's last problem N, each
# board read from a screenshot and compared with the book's, the heading's
# number and arrows following along; one more Right keeps problem N shown.
#
# Arguments: the game binary, the book, the work folder (screenshots in its
# shots/ folder, one per problem).
set -euo pipefail

binary=$(readlink -f "$1")
book=$2
work=${3:-/tmp/sumline-e2e-puzzles}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/screen_checks.sh
source "$here/screen_checks.sh"
started=$SECONDS

shipped="$(dirname "$binary")/defaults/PZL.dat"
delete_hint="build again, so the build writes the shipped problems from the book anew"

# --- The book and the file, as lines that can be compared ------------------

# One line per problem of the book, in the book's order:
#   number target swaps goalType goalValue minutes seconds cells
# with the values the game's tables hold (swaps: -2 none, -1 any; goal types
# 0 clear, 1 chain, 2 panels, 3 score) and cells the 105 cells of the board,
# row 0 first, joined by commas (-1 empty).
book_tables() {
  awk -v source="$1" '
    function flush(   r, c, i, cells, drawn) {
      if (number == "") return
      for (i = 0; i < 105; i++) cell[i] = -1
      # The last drawn row stands on the floor, which is row 2.
      for (i = 1; i <= rows; i++)
        for (c = 0; c < 7; c++) {
          r = 2 + rows - i
          drawn = substr(row[i], c + 1, 1)
          if (drawn != ".") cell[7 * r + c] = drawn + 0
        }
      cells = cell[0]
      for (i = 1; i < 105; i++) cells = cells "," cell[i]
      print number, target, swaps, goalType, goalValue, minutes, seconds, cells
      number = ""
    }
    function fault(what) { printf "%s:%d: %s\n", source, NR, what > "/dev/stderr"; bad = 1; exit 1 }
    /^[ \t]*(#|$)/ { next }
    $1 == "problem" { flush(); number = $2 + 0; target = 7; swaps = -1; goalType = 0; goalValue = 0
                      minutes = 0; seconds = 0; rows = 0; inBoard = 0; next }
    number == "" { next }
    inBoard && /^[ \t]*[.0-7][.0-7][.0-7][.0-7][.0-7][.0-7][.0-7][ \t]*$/ {
      line = $0; gsub(/[ \t]/, "", line); row[++rows] = line; next }
    { inBoard = 0 }
    $1 == "board:" { inBoard = 1; next }
    $1 == "target:" { target = $2 + 0; next }
    $1 == "swaps:" { swaps = $2 == "none" ? -2 : ($2 == "any" ? -1 : $2 + 0); next }
    $1 == "goal:" {
      if ($2 == "clear") { goalType = 0; goalValue = 0 }
      else if ($2 == "chain") { goalType = 1; goalValue = $3 + 0 }
      else if ($2 == "panels") { goalType = 2; goalValue = $3 + 0 }
      else if ($2 == "score") { goalType = 3; goalValue = $3 + 0 }
      else fault("a goal this reading does not know: " $0)
      next }
    $1 == "time:" { split($2, t, ":"); minutes = t[1] + 0; seconds = t[2] + 0; next }
    END { if (!bad) flush() }' "$1"
}

# The same lines for the present problems of a PZL.dat (a problem with a time
# limit is present). The file's seven tables: boards (100 x 105 bytes),
# targets, swap limits and goal types (100 bytes each), then goal values,
# seconds and minutes (100 little-endian 32-bit integers each).
file_tables() {
  { od -An -v -t d1 -N 10800 "$1"; echo "--"; od -An -v -t d4 -j 10800 "$1"; } | awk '
    $1 == "--" { ints = 1; next }
    { for (i = 1; i <= NF; i++) if (ints) w[nw++] = $i + 0; else b[nb++] = $i + 0 }
    END {
      for (p = 0; p < 100; p++) {
        minutes = w[200 + p]; seconds = w[100 + p]
        if (minutes == 0 && seconds == 0) continue
        cells = b[105 * p]
        for (i = 1; i < 105; i++) cells = cells "," b[105 * p + i]
        print p + 1, b[10500 + p], b[10600 + p], b[10700 + p], w[p], minutes, seconds, cells
      }
    }'
}

# A line of book_tables as read_board prints the board: rows 2..14, bottom
# row first, seven values each, "." for an empty cell.
board_rows() {
  awk '{ split($8, cell, ",")
    for (r = 2; r <= 14; r++) {
      line = ""
      for (c = 0; c < 7; c++) { v = cell[7 * r + c + 1]; line = line (c ? " " : "") (v < 0 ? "." : v) }
      print line
    } }' <<<"$1"
}

# --- The shipped file against the book ---------------------------------------

[ -f "$book" ] || fail "no book at $book"
[ -f "$shipped" ] || fail "no $shipped: the build writes it from the book (build the game first)"
size=$(stat -c %s "$shipped")
[ "$size" = 12000 ] || fail "$shipped is $size bytes, not 12000: $delete_hint"

book_lines=$(book_tables "$book") || fail "could not read the book $book"
count=$(grep -c . <<<"$book_lines" || true)
[ "$count" -ge 1 ] || fail "the book $book holds no problems"
# The picker browses up to the first absent problem: the book must fill 1..N.
numbers=$(cut -d' ' -f1 <<<"$book_lines" | tr '\n' ' ')
[ "$numbers" = "$(seq -s ' ' 1 "$count") " ] || fail "the book's problems are not numbered 1 to $count in order: $numbers"

file_lines=$(file_tables "$shipped")
if [ "$file_lines" != "$book_lines" ]; then
  differs=$(diff <(echo "$book_lines") <(echo "$file_lines") | grep -m 1 '^[<>]' | cut -d' ' -f2 || true)
  age="it is newer than the book"
  [ "$shipped" -ot "$book" ] && age="it is older than the book"
  fail "$shipped does not hold the book's problems (problem ${differs:-?} differs; the file holds" \
    "$(grep -c . <<<"$file_lines" || true) problems, the book $count; $age): $delete_hint"
fi
pass "$shipped holds the book's $count problems (12000 bytes)"

# --- The picker ---------------------------------------------------------------

# Target total 7, sound on, the first backdrop (its sky is checked for the
# wipe), panel shape 0 (read_board's colours); the shipped problems.
start_game "$binary" "$work" '\x00\x00\x00\x00\x00' "$shipped"
cmp -s "$shipped" "$E2E_RUN/Data/PZL.dat" || fail "the run's Data/PZL.dat is not a copy of $shipped"
E2E_PANEL_COLOURS=$(panel_colours)

expected_rows() { board_rows "$(sed -n "${1}p" <<<"$book_lines")"; }
# The number in the heading ("problem N") and its two arrows, in yellow.
heading_number() { region_signature "$1" 340 3 398 32; }
yellow_in() {
  local share
  share=$(convert "$E2E_SHOTS/$1.png" -crop "$(crop_of "$2" "$3" "$4" "$5")" +repage \
    -fx '(r > 0.8 && g > 0.55 && b < 0.6) ? 1 : 0' -format '%[fx:mean]' info:)
  awk -v s="$share" 'BEGIN { exit !(s > 0.05) }'
}
left_arrow_shown() { yellow_in "$1" 206 5 230 30; }
right_arrow_shown() { yellow_in "$1" 398 5 422 30; }

# The picker is up once the opening wipe is over: none of its black stripes
# left in the sky between the board and the puzzle box (the box above it may
# hold the problem's idea).
picker_ready() {
  shot picker_open
  local lowest
  lowest=$(convert "$E2E_SHOTS/picker_open.png" -crop "$(crop_of 238 280 266 440)" +repage -colorspace Gray \
    -format '%[fx:minima]' info:)
  awk -v m="$lowest" 'BEGIN { exit !(m > 0.3) }'
}

# Problem k's screenshot shows its board and a heading number unlike the
# previous problem's (two problems may share a board). Polls briefly: the
# picker redraws on the frame after the key.
shown_board=""
shows_problem() {
  local k=$1 before=${2:-}
  shot "problem_$k"
  shown_board=$(read_board "problem_$k" 14)
  [ "$shown_board" = "$(expected_rows "$k")" ] || return 1
  [ -z "$before" ] || [ "$(heading_number "problem_$k")" != "$before" ]
}
wait_for_problem() {
  local k=$1 before=${2:-} _
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    shows_problem "$k" "$before" && return 0
    sleep 0.1
  done
  return 1
}
board_message() { echo "shown (bottom row first): $(tr '\n' '/' <<<"$shown_board"); the book's: $(expected_rows "$1" | tr '\n' '/')"; }

open_main_menu
# PUZZLE is the upper tile of the second column.
press Right
sleep 0.3
press x
wait_until 15 picker_ready || fail "the puzzle picker did not open (the wipe did not clear)"
wait_for_problem 1 || fail "the picker does not show problem 1 of the book: $(board_message 1)"
pass "the picker opened on problem 1"

# Right once per problem. The picker moves on the first frame a direction is
# held and repeats only after 30 frames held: a 0.1 s tap moves one problem.
number_before=""
for k in $(seq 1 "$count"); do
  if [ "$k" -gt 1 ]; then
    press Right
    wait_for_problem "$k" "$number_before" ||
      fail "after Right, problem $k is not shown$([ "$(heading_number "problem_$k")" = "$number_before" ] &&
        echo ' (the heading still shows the number before)'): $(board_message "$k")"
  fi
  number_before=$(heading_number "problem_$k")
  if [ "$k" -gt 1 ]; then left_arrow_shown "problem_$k" || fail "problem $k shows no left arrow"
  else ! left_arrow_shown problem_1 || fail "problem 1 shows a left arrow"; fi
  if [ "$k" -lt "$count" ]; then right_arrow_shown "problem_$k" || fail "problem $k shows no right arrow, though $((k + 1)) is in the book"
  else ! right_arrow_shown "problem_$k" || fail "the last problem, $k, shows a right arrow"; fi
done
pass "Right browsed problems 1 to $count, each board as in the book"

# Past the last problem Right does nothing: problem N stays, number and all.
press Right
sleep 0.3
shot after_last
[ "$(read_board after_last 14)" = "$(expected_rows "$count")" ] || fail "one Right past problem $count changed the board"
[ "$(heading_number after_last)" = "$number_before" ] || fail "one Right past problem $count changed the heading's number"
! right_arrow_shown after_last || fail "a right arrow after the last problem"
pass "one more Right keeps problem $count shown"

# Escape leaves the picker for the menu, the title, and the game's end.
press Escape
wait_until 10 menu_panel_shown || fail "Escape in the picker did not return to the menu"
leave_through_the_title
echo "e2e puzzles: $count problems browsed in $((SECONDS - started)) s; screenshots in $work/shots"
