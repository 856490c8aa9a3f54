#!/usr/bin/env bash
# The real game under Xvfb: player 1's swap moved from X to J on the
# controls screen (F2 over the main menu), the keys file saved in the
# player's folder, then an endless match where J swaps two panels and X
# does not. The match is first seen running (its clock moves) before any
# outcome is trusted.
set -euo pipefail

binary=$(readlink -f "$1")
work=${2:-/tmp/sumline-e2e-controls}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/screen_checks.sh
source "$here/screen_checks.sh"

# Target total 7, sound on, easiest difficulty: the stack rises slowly.
start_game "$binary" "$work" '\x00\x00\x00\x00\x00'
open_main_menu

# The controls screen: its panel's left margin is blue from top to bottom,
# and the chosen cell (player 1's up key at first) is yellow.
controls_shown() {
  shot probe
  is_blue probe 18 60 28 440 || return 1
  read -r r g b < <(rgb probe 186 80 190 96)
  awk -v r="$r" -v g="$g" -v b="$b" 'BEGIN { exit !(r > 0.9 && g > 0.8 && b < 0.4) }'
}
press F2
wait_until 5 controls_shown || fail "F2 did not open the controls screen"
shot controls_open
pass "F2 over the main menu opens the controls screen"

# Player 1's swap is the fifth row of his key column.
for _ in 1 2 3 4; do tap Down; done
shot swap_before
before=$(region_signature swap_before 184 178 284 199)
press Return
sleep 0.4
press j
sleep 0.4
shot swap_after
[ "$(region_signature swap_after 184 178 284 199)" != "$before" ] || fail "the swap cell did not change"
press Escape
wait_until 5 menu_panel_shown || fail "Escape did not leave the controls screen"
controls_shown && fail "the controls screen is still up"
keys="$E2E_RUN/Data/Controls.txt"
[ -f "$keys" ] || fail "no Data/Controls.txt"
grep -q '^1 swap 13 a ' "$keys" || fail "Controls.txt does not bind player 1's swap to J: $(grep swap "$keys")"
pass "player 1's swap moved to J and saved in Data/Controls.txt"

# Endless is the first tile; X is no longer the menu's decide key, Enter is.
press Return
wait_until 20 board_has_panels || fail "the endless match did not start"
wait_until 10 endless_clock_runs || fail "the endless match's clock does not run"
pass "endless match running"

# Two neighbours in the bottom row with different numbers, from the
# bottom-left corner (the keys of the other actions are the game's own).
E2E_PANEL_COLOURS=$(panel_colours)
export E2E_PANEL_COLOURS
swapped_row() { awk -v c="$2" '{ split($0, v, " "); t = v[c + 1]; v[c + 1] = v[c + 2]; v[c + 2] = t;
  out = v[1]; for (i = 2; i <= 7; i++) out = out " " v[i]; print out }' <<<"$1"; }
# The row is in the board as the bottom row or, after a rise, the next one.
row_shown() { shot board_now; read_board board_now 3 | grep -qxF "$1"; }

hold_key b 2.2
hold_key g 1.8
shot board_start
row=$(read_board board_start 2)
column=$(awk '{ for (c = 1; c < 7; c++) if ($c ~ /^[0-7]$/ && $(c + 1) ~ /^[0-7]$/ && $c != $(c + 1)) { print c - 1; exit } }' <<<"$row")
[ -n "$column" ] || fail "no two different neighbours in the bottom row: $row"
for _ in $(seq 1 "$column"); do tap h; done
swapped=$(swapped_row "$row" "$column")

# X, then right, then X: player 1's old swap key does nothing.
press x; sleep 0.3; tap h; press x; sleep 1.2
row_shown "$row" || fail "X changed the row: $(read_board board_now 3 | tr '\n' '/')"
row_shown "$swapped" && fail "X swapped the panels"
pass "X no longer swaps"

# Back to the first cell; J, right, J swaps the two.
tap g
press j; sleep 0.3; tap h; press j; sleep 1.2
row_shown "$swapped" || fail "J did not swap: wanted $swapped, board $(read_board board_now 3 | tr '\n' '/')"
pass "J swaps the two panels"

press Escape
wait_until 10 menu_panel_shown || fail "Escape did not leave the match for the menu"
leave_through_the_title
