#!/usr/bin/env bash
# The real game under Xvfb through the three menu screens and what they keep:
# the options screen changes the target total to 10 and the backdrop to the
# second one and saves, "Data\OD.dat" then holds exactly those bytes and the
# next endless match is played on that backdrop; the ranking viewer shows a
# prepared "Data\ED.dat", reversed and then sorted by level; the gallery
# shows the icons of the items a prepared "Data\ITEM.dat" unlocks and the
# placeholder for the others. Each stage is checked on a screenshot.
set -euo pipefail

binary=$(readlink -f "$1")
work=${2:-/tmp/sumline-e2e-menus}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/screen_checks.sh
source "$here/screen_checks.sh"

fixtures="$work-fixtures"
rm -rf "$fixtures"
mkdir -p "$fixtures"

# Little-endian 32-bit integers, as the game's records hold them.
le32() {
  local v
  for v in "$@"; do
    ((v < 0)) && v=$((v + 4294967296))
    printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $((v & 255)) $(((v >> 8) & 255)) $(((v >> 16) & 255)) $(((v >> 24) & 255)))"
  done
}
repeat_le32() { local i; for ((i = 0; i < $2; i++)); do le32 "$1"; done; }
zeros() { head -c "$1" /dev/zero; }

# Three results: the best score has the lowest level, so sorting by level
# puts another line first. The other 97 entries are empty.
{
  le32 3000 2000 1000; repeat_le32 -1 97   # score
  zeros 400                                # score beyond the first 32 bits
  le32 2 9 5; zeros 388                    # level
  le32 3 1 2; zeros 388                    # longest chain
  printf '\000\001\002\003\004\005\006\007\010\011\012\013'; zeros 388  # names
  zeros 1200                               # times
  zeros 100                                # grades
  printf '\000\001\002'; zeros 97          # difficulties
} >"$fixtures/ED.dat"
[ "$(stat -c %s "$fixtures/ED.dat")" = 3400 ] || fail "the prepared ranking is $(stat -c %s "$fixtures/ED.dat") bytes"

# Items 0, 1 and 12 unlocked.
{
  printf '\001\001'; zeros 10; printf '\001'; zeros 37
} >"$fixtures/ITEM.dat"
[ "$(stat -c %s "$fixtures/ITEM.dat")" = 50 ] || fail "the prepared item file is not 50 bytes"

# No options file: the screen starts from the defaults (7, sound on,
# difficulty 1, first backdrop, first panel shape).
start_game "$binary" "$work" "" "$fixtures/ED.dat" "$fixtures/ITEM.dat"

open_main_menu

# Menu tiles run two per column: endless, versus | puzzle, practice |
# editor, ranking | gallery, options. The cursor stays on the tile a screen
# was opened from.
go_tile() {
  local k
  for k in "$@"; do press "$k"; sleep 0.3; done
  press x
}
back_on_menu() { wait_until 10 menu_panel_shown || fail "$1 did not return to the main menu"; sleep 0.5; }

# Options: its description box sits lower than the menu's and its value
# pictures stand in the right half.
# Open once the wipe has left no black stripes and the target total's
# orange plate stands at the top right (keys are ignored while it wipes).
options_open() {
  shot options
  local r g b
  read -r r g b < <(rgb options 448 52 474 74)
  awk -v a="$(luma options 0 0 640 480)" -v r="$r" -v b="$b" 'BEGIN { exit !(a > 0.55 && r > 0.6 && r > b + 0.2) }'
}
go_tile Right Right Right Down
wait_until 10 options_open || fail "the options screen did not open"
sleep 0.5
shot options
pass "options screen open"
# Target total: Left wraps 7 to 10. Then down to the backdrop, one to the
# right, and down past the panel shape to the end button.
press Left; sleep 0.3
press Down; sleep 0.3; press Down; sleep 0.3; press Down; sleep 0.3
press Right; sleep 0.3
shot options_changed
[ "$(region_signature options 380 40 620 330)" != "$(region_signature options_changed 380 40 620 330)" ] ||
  fail "the value pictures did not change"
press Down; sleep 0.3; press Down; sleep 0.3
press x; sleep 1.2
shot save_question
press x   # "はい" is the preset answer
back_on_menu "saving the options"
options_bytes=$(od -An -t x1 "$E2E_RUN/Data/OD.dat" | tr -d ' \n')
[ "$options_bytes" = 0300010100 ] || fail "Data/OD.dat holds $options_bytes, not 03 00 01 01 00"
pass "options saved: Data/OD.dat is 03 00 01 01 00"

# Endless on the second backdrop: the top right corner, where no box stands,
# matches "Back\screen2.bmp" much better than "Back\screen1.bmp".
press Left; sleep 0.3; press Left; sleep 0.3; press Left; sleep 0.3; press Up; sleep 0.3
press x
wait_until 20 board_has_panels || fail "the endless match did not start"
sleep 1
shot match_backdrop
backdrop_distance() {
  local bmp=$1 r g b R G B
  read -r r g b < <(rgb match_backdrop 600 0 640 140)
  read -r R G B < <(convert "$E2E_CONTENT/Back/$bmp" -crop 40x140+600+0 +repage \
    -format '%[fx:mean.r] %[fx:mean.g] %[fx:mean.b]' info:)
  awk -v r="$r" -v g="$g" -v b="$b" -v R="$R" -v G="$G" -v B="$B" \
    'BEGIN { printf "%.4f", (r - R) ^ 2 + (g - G) ^ 2 + (b - B) ^ 2 }'
}
near2=$(backdrop_distance screen2.bmp)
near1=$(backdrop_distance screen1.bmp)
awk -v a="$near2" -v b="$near1" 'BEGIN { exit !(a < 0.002 && a < b) }' ||
  fail "the match backdrop is not the second one (distance $near2 to it, $near1 to the first)"
pass "the endless match shows the saved backdrop"
wait_until 10 endless_clock_runs || fail "the endless match's clock did not start"
press Escape
back_on_menu "leaving the match"

# Ranking viewer: three lines; X on the score column turns the order
# round, and Right then X sorts by level, each a different list.
go_tile Right Right Down
sleep 2
shot ranking_score
lines_of() { region_signature "$1" 80 90 600 200; }
[ "$(luma ranking_score 80 90 600 200)" != 0 ] || fail "the ranking lines are black"
press x; sleep 1
shot ranking_reversed
[ "$(lines_of ranking_score)" != "$(lines_of ranking_reversed)" ] || fail "choosing the score column again changed nothing"
press Right; sleep 0.4
press x; sleep 1
shot ranking_level
[ "$(lines_of ranking_level)" != "$(lines_of ranking_score)" ] || fail "sorting by level gave the score order"
[ "$(lines_of ranking_level)" != "$(lines_of ranking_reversed)" ] || fail "sorting by level gave the reversed order"
pass "ranking viewer: reversed and sorted by level"
press Escape
back_on_menu "leaving the ranking viewer"

# Gallery (the menu's cursor is still on the ranking tile): icons of items 1
# and 12, the placeholder for items 2 and 3.
go_tile Right Up
cell() { region_signature gallery $((74 + 52 * ($1 % 10))) $((110 + 48 * ($1 / 10))) $((106 + 52 * ($1 % 10))) $((142 + 48 * ($1 / 10))); }
cell_colours() {
  convert "$E2E_SHOTS/gallery.png" -crop "$(crop_of $((74 + 52 * ($1 % 10))) $((110 + 48 * ($1 / 10))) \
    $((106 + 52 * ($1 % 10))) $((142 + 48 * ($1 / 10))))" +repage -format '%[fx:mean.r] %[fx:mean.g] %[fx:mean.b]' info:
}
# Squared distance of two cells' mean colours. The window's scaling is not a
# whole number, so two cells of one picture differ a little.
cell_distance() {
  local a b
  a=$(cell_colours "$1")
  b=$(cell_colours "$2")
  awk -v a="$a" -v b="$b" 'BEGIN { split(a, x, " "); split(b, y, " ")
    printf "%.5f", (x[1] - y[1]) ^ 2 + (x[2] - y[2]) ^ 2 + (x[3] - y[3]) ^ 2 }'
}
same_picture() { awk -v d="$(cell_distance "$1" "$2")" 'BEGIN { exit !(d < 0.002) }'; }
# Open once its pale background fills the screen (no wipe stripes left).
gallery_open() {
  shot gallery
  awk -v a="$(luma gallery 0 0 640 480)" 'BEGIN { exit !(a > 0.6) }' && same_picture 2 3
}
wait_until 10 gallery_open || fail "no gallery, or locked items 2 and 3 look different"
same_picture 2 13 || fail "locked items 2 and 13 look different"
! same_picture 1 2 || fail "unlocked item 1 shows the placeholder"
! same_picture 12 13 || fail "unlocked item 12 shows the placeholder"
[ "$(cell 1)" != "$(cell 12)" ] || fail "items 1 and 12 show the same picture"
pass "gallery: unlocked icons and locked placeholders"
press Escape
back_on_menu "leaving the gallery"

# The files the screens only read are untouched.
cmp -s "$fixtures/ITEM.dat" "$E2E_RUN/Data/ITEM.dat" || fail "Data/ITEM.dat changed"
cmp -s "$fixtures/ED.dat" "$E2E_RUN/Data/ED.dat" || fail "Data/ED.dat changed"
pass "Data/ED.dat and Data/ITEM.dat unchanged"

leave_through_the_title
echo "e2e menus: all stages passed; screenshots in $work/shots"
