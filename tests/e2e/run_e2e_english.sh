#!/usr/bin/env bash
# The real game under Xvfb started with --language en: the main menu, the
# options screen and an endless match read in English, checked by reading
# the window's words back (OCR); the options screen's F3 switches to
# Japanese and back, kept in Data/Language.txt while OD.dat stays its five
# bytes.
set -euo pipefail

binary=$(readlink -f "$1")
work=${2:-/tmp/sumline-e2e-english}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/screen_checks.sh
source "$here/screen_checks.sh"

command -v tesseract >/dev/null || fail "tesseract is not installed (scripts/install-deps --with-tests)"

# Target total 7, sound on, easiest difficulty.
E2E_GAME_ARGS="--language en" start_game "$binary" "$work" '\x00\x00\x00\x00\x00'

open_main_menu
sleep 0.5
menu_in_english() { shot menu; shows_words menu 0 200 640 400 endless versus puzzle ranking options; }
wait_until 10 menu_in_english || fail "the main menu's tiles do not read in English: $(read_words menu 0 200 640 400)"
pass "main menu in English: $(read_words menu 0 200 640 400)"

# Options is the last tile of the lower row.
for k in Down Right Right Right; do press "$k"; sleep 0.3; done
press x
options_in_english() { shot options; shows_words options 0 30 640 400 target level panels; }
wait_until 10 options_in_english || fail "the options screen does not read in English: $(read_words options 0 30 640 400)"
sleep 1
shot options
pass "options screen in English: $(read_words options 0 30 640 400)"

# F3 speaks Japanese at once and keeps the choice; F3 again, English.
[ -e "$E2E_RUN/Data/Language.txt" ] && fail "--language alone wrote Data/Language.txt"
press F3
options_in_japanese() { shot options_ja; ! shows_words options_ja 0 30 640 400 target && ! shows_words options_ja 0 30 640 400 panels; }
wait_until 10 options_in_japanese || fail "F3 did not switch the options screen away from English"
[ "$(cat "$E2E_RUN/Data/Language.txt" 2>/dev/null)" = ja ] || fail "Data/Language.txt does not hold ja after F3"
pass "F3 switched to Japanese and saved it"
press F3
wait_until 10 options_in_english || fail "F3 again did not bring English back"
[ "$(cat "$E2E_RUN/Data/Language.txt" 2>/dev/null)" = en ] || fail "Data/Language.txt does not hold en after F3 again"
[ "$(stat -c %s "$E2E_RUN/Data/OD.dat")" = 5 ] || fail "Data/OD.dat is $(stat -c %s "$E2E_RUN/Data/OD.dat") bytes"
pass "F3 again: English, Data/Language.txt holds en, OD.dat still 5 bytes"

# Back to the menu (Escape leaves without saving), then to endless.
press Escape
wait_until 10 menu_panel_shown || fail "Escape did not leave the options screen"
sleep 0.5
for k in Up Left Left Left; do press "$k"; sleep 0.3; done
press x
wait_until 20 board_has_panels || fail "the endless match did not start"
sleep 4   # the opening rows rise and the countdown runs
match_in_english() { shot match; shows_words match 295 170 640 400 time level chain; }
wait_until 10 match_in_english || fail "the endless match's labels do not read in English: $(read_words match 295 170 640 400)"
board_has_panels match || fail "no board on the English match screen"
pass "endless match in English: $(read_words match 295 170 640 400)"

echo "e2e english: all stages passed; screenshots in $work/shots"
