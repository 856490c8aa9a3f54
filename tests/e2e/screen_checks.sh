# Helpers of the end-to-end run: screenshots of the game window and checks on
# regions given in the game's 640x480 coordinates (mapped into the 4:3
# picture inside the 960x640 window).

fail() { echo "e2e FAIL: $*" >&2; exit 1; }
# shellcheck source=tests/e2e/process_wait.sh
source "$(dirname "${BASH_SOURCE[0]}")/process_wait.sh"

# Starts Xvfb on a free display and the game, standing in a fresh run folder
# (or in E2E_GAME_FOLDER when set) with its own data folder (--data-dir
# run/Data, made beforehand, so the game adds nothing to it); the game finds
# its content beside the executable.
# Waits for its window. Sets E2E_WINDOW, E2E_SHOTS, E2E_RUN, E2E_CONTENT (the
# game's content folder) and game_pid.
# Data/Guides.dat notes every first-run key guide as shown (E2E_FIRST_RUN_GUIDES
# set: none). E2E_GAME_ARGS, when set, are more arguments for the game
# (--host PORT).
# Optional third argument: bytes for Data/OD.dat (hex); any further arguments
# are files copied into the run's Data/ before the game starts (the game
# reads its data files once, when a mode opens them). E2E_GAME_INPUT, when
# set, is the game's standard input.
start_game() {
  local binary=$1 work=$2 options=${3:-}
  local data_file
  # A game this run started before (and not kept) has its X server stopped
  # here, so a run that starts the game again leaves no server behind.
  stop_one
  rm -rf "$work"
  mkdir -p "$work/run/Data" "$work/shots"
  [ -n "$options" ] && printf "$options" >"$work/run/Data/OD.dat"
  # A player who has read every mode's key guide, unless the run is about
  # the guides that open by themselves the first time.
  [ -n "${E2E_FIRST_RUN_GUIDES:-}" ] || printf '\001\001\001\001\001' >"$work/run/Data/Guides.dat"
  for data_file in "${@:4}"; do
    cp "$data_file" "$work/run/Data/" || fail "could not copy $data_file into the run's Data/"
  done
  # A random free display in a high range, so runs never meet an X server
  # that a previous run is still taking down.
  local tries n _
  xvfb_pid=""
  game_pid=""
  trap 'stop_all' EXIT
  for tries in 1 2 3 4 5; do
    n=$((200 + RANDOM % 700))
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    export DISPLAY=":$n"
    # -noreset: the server would otherwise reset when the probe below closes
    # its connection, and a game connecting during the reset is refused.
    Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
    # Answered by our own server, not by one that took the number first.
    sleep 0.2
    xdpyinfo >/dev/null 2>&1 && kill -0 "$xvfb_pid" 2>/dev/null && break
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  done
  [ -n "$xvfb_pid" ] || fail "Xvfb did not start"
  E2E_CONTENT=$(dirname "$binary")
  export E2E_RUN="$work/run" E2E_SHOTS="$work/shots" E2E_CONTENT
  (cd "${E2E_GAME_FOLDER:-$E2E_RUN}" && SDL_AUDIODRIVER=dummy exec "$binary" --data-dir "$E2E_RUN/Data" ${E2E_GAME_ARGS:-} <"${E2E_GAME_INPUT:-/dev/null}" \
    >"$work/game.out" 2>"$work/game.err") &
  game_pid=$!
  E2E_WINDOW=""
  for _ in $(seq 1 400); do
    E2E_WINDOW=$(xdotool search --name '^Direct X$' 2>/dev/null | head -n 1 || true)
    [ -n "$E2E_WINDOW" ] && break
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended at start: $(cat "$work/game.err")"
    sleep 0.05
  done
  [ -n "$E2E_WINDOW" ] || fail "no window titled 'Direct X'"
  export E2E_WINDOW
  xdotool windowfocus --sync "$E2E_WINDOW" 2>/dev/null || xdotool windowfocus "$E2E_WINDOW" || true
}

# Stops the game and the X server and waits for both, so the next run never
# meets a server that is still going away; and every game kept by keep_game.
stop_all() {
  local name
  for name in ${kept_games:-}; do
    use_game "$name"
    stop_one
  done
  stop_one
}
stop_one() {
  if [ -n "${game_pid:-}" ]; then kill "$game_pid" 2>/dev/null || true; wait "$game_pid" 2>/dev/null || true; fi
  if [ -n "${xvfb_pid:-}" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  game_pid=""
  xvfb_pid=""
}

# Two games at once, each on its own display: start_game, then keep_game
# NAME, for each; use_game NAME points the checks and the keys (shot, press,
# game_pid) at that one. stop_all stops them all.
keep_game() {
  local name=$1
  printf -v "kept_${name}" '%s' "$DISPLAY|$E2E_WINDOW|$E2E_SHOTS|$E2E_RUN|$game_pid|$xvfb_pid"
  kept_games="${kept_games:-} $name"
  game_pid=""
  xvfb_pid=""
}
use_game() {
  local v="kept_$1"
  [ -n "${!v:-}" ] || fail "no game kept as $1"
  IFS='|' read -r DISPLAY E2E_WINDOW E2E_SHOTS E2E_RUN game_pid xvfb_pid <<<"${!v}"
  export DISPLAY E2E_WINDOW E2E_SHOTS E2E_RUN
}
# The kept game's process id, after use_game set it aside for stop_all.
forget_game() {
  local v="kept_$1"
  IFS='|' read -r a b c d _ f <<<"${!v}"
  printf -v "$v" '%s' "$a|$b|$c|$d||$f"
}

# Waits for the game to end by itself and checks its exit code.
# From the open main menu: back to the title, its end choice, the farewell,
# and the game's exit with code 0.
leave_through_the_title() {
  press Escape
  wait_until 5 title_is_open || fail "no title after leaving the menu"
  press Escape
  wait_until 5 farewell_shown || fail "no farewell"
  expect_exit_code_zero
}

expect_exit_code_zero() {
  wait_for_exit "$game_pid" 100
  game_pid=""
  [ -n "$exit_code" ] || fail "the game did not end within 10 s of the farewell"
  [ "$exit_code" = 0 ] || fail "exit code $exit_code"
  pass "exit code 0"
}
pass() { echo "e2e ok: $*"; }

shot() { import -window "$E2E_WINDOW" "$E2E_SHOTS/$1.png" 2>/dev/null; }

# Game rectangle (l,t)-(r,b) to an ImageMagick crop of the window picture.
crop_of() {
  local l=$1 t=$2 r=$3 b=$4
  awk -v l="$l" -v t="$t" -v r="$r" -v b="$b" 'BEGIN {
    s = 640 / 480; s = (960 / 640 < s) ? 960 / 640 : 640 / 480;
    w = int(640 * s); h = int(480 * s); ox = int((960 - w) / 2); oy = int((640 - h) / 2);
    x0 = ox + int(l * s + 0.5); y0 = oy + int(t * s + 0.5);
    x1 = ox + int(r * s + 0.5); y1 = oy + int(b * s + 0.5);
    printf "%dx%d+%d+%d", x1 - x0, y1 - y0, x0, y0 }'
}

# Mean of red, green and blue (0..1) in a region of a screenshot.
rgb() { convert "$E2E_SHOTS/$1.png" -crop "$(crop_of "$2" "$3" "$4" "$5")" +repage -format '%[fx:mean.r] %[fx:mean.g] %[fx:mean.b]' info:; }
luma() { convert "$E2E_SHOTS/$1.png" -crop "$(crop_of "$2" "$3" "$4" "$5")" +repage -colorspace Gray -format '%[fx:mean]' info:; }
region_signature() { convert "$E2E_SHOTS/$1.png" -crop "$(crop_of "$2" "$3" "$4" "$5")" +repage -format '%#' info:; }
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }' || fail "$3"; pass "$3"; }

# The description panel: pure blue in its left margin.
menu_panel_shown() {
  shot probe
  read -r r g b < <(rgb probe 22 420 29 460)
  awk -v r="$r" -v g="$g" -v b="$b" 'BEGIN { exit !(r < 0.1 && g < 0.1 && b > 0.9) }'
}

# The logo screen: one flat light colour beside the logo's column (where the
# title tiles its background) and the logo drawn in it.
logo_shown() {
  shot logo
  local light flat drawn
  light=$(luma logo 20 20 600 440)
  flat=$(convert "$E2E_SHOTS/logo.png" -crop "$(crop_of 10 10 190 470)" +repage -format '%k' info:)
  drawn=$(convert "$E2E_SHOTS/logo.png" -crop "$(crop_of 200 0 420 480)" +repage -format '%k' info:)
  awk -v a="$light" -v f="$flat" -v d="$drawn" 'BEGIN { exit !(a > 0.75 && f == 1 && d > 20) }'
}

# No stripe wipe under way: a closing wipe blacks out the left columns of
# every 40-pixel strip first, an opening one the right columns last, each
# over the whole height; an open screen has no black column there.
no_wipe() {
  local name=${1:-probe} x
  for x in 0 38 320 358; do
    awk -v a="$(luma "$name" "$x" 0 $((x + 2)) 480)" 'BEGIN { exit !(a > 0.05) }' || return 1
  done
}

# The title, open and taking keys: no blue panel, not black, the two plates
# drawn (the logo screen is one flat colour there), and no wipe (the menu's
# closing wipe over its tiles would pass for it, and the title ignores keys
# until its opening wipe is over).
title_is_open() {
  shot probe
  no_wipe probe || return 1
  read -r r g b < <(rgb probe 22 420 29 460)
  awk -v r="$r" -v g="$g" -v b="$b" 'BEGIN { exit (r < 0.1 && g < 0.1 && b > 0.9) }' || return 1
  local whole plates
  whole=$(luma probe 0 0 640 480)
  awk -v a="$whole" 'BEGIN { exit !(a > 0.05) }' || return 1
  plates=$(convert "$E2E_SHOTS/probe.png" -crop "$(crop_of 190 305 450 425)" +repage -format '%k' info:)
  [ "$plates" -gt 8 ]
}

# Farewell: black screen with white characters.
farewell_shown() {
  shot probe
  local whole chars
  whole=$(luma probe 0 0 640 480)
  chars=$(luma probe 150 190 490 290)
  awk -v a="$whole" -v c="$chars" 'BEGIN { exit !(a < 0.12 && c > 0.05) }'
}

# Polls a check for up to n seconds, times three: n is what the game needs
# on a quiet machine, and one busy with builds on both cores takes several
# times as long to start the game or redraw a screen. A passing check
# returns as soon as it holds, so only a failing run waits the longer time.
wait_until() {
  local limit=$(($1 * 3)) check=$2 start=$SECONDS
  while [ $((SECONDS - start)) -lt "$limit" ]; do
    "$check" && return 0
    sleep 0.2
  done
  return 1
}

# Real key events through XTEST, to the focused game window. A press holds
# the key a tenth of a second, timed inside one xdotool: a busy machine can
# take a second to start a second xdotool for the release, and a key held
# that long starts to repeat.
press() {
  xdotool keydown "$1" sleep 0.1 keyup "$1"
}
tap() { press "$1"; sleep 0.3; }
hold_key() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; sleep 0.2; }

# From the game's start to the open main menu (the title's start choice).
open_main_menu() {
  wait_until 12 title_is_open || fail "title screen did not appear"
  press x
  wait_until 5 menu_panel_shown || fail "main menu did not appear"
}

# Player 1 plays a line read off the left board: two neighbours that add up
# to 7 (see find_pair), reached from the bottom-left corner with his keys
# (Y/H/B/G, S selects), selected and confirmed. The cursor needs a quick
# enough speed for the taps. Returns 1 when no such pair shows.
play_a_line() {
  local pair column row direction _
  shot board
  pair=$(read_board board | find_pair)
  [ -n "$pair" ] || return 1
  read -r column row direction <<<"$pair"
  hold_key b 2.2
  hold_key g 1.8
  for _ in $(seq 1 "$column"); do tap h; done
  for _ in $(seq 3 "$row"); do tap y; done
  press s; sleep 0.2; press "$direction"; sleep 0.4; press s
  sleep 1.6
}

# Player 1 clears a line on the left board: play_a_line until the score
# under it differs from the one in the named shot, at most ten tries.
# Returns 1 when no line was cleared.
clear_a_line() {
  local before _
  before=$(region_signature "$1" 40 445 222 468)
  for _ in $(seq 1 10); do
    play_a_line || { sleep 1; continue; }
    shot board_after
    [ "$(region_signature board_after 40 445 222 468)" != "$before" ] && return 0
  done
  return 1
}

# The left board shows panels: its dark field at the top (so this is a
# match screen) and many colours lower down.
board_has_panels() {
  local name=${1:-probe}
  [ "$name" = probe ] && shot probe
  local colours field
  field=$(luma "$name" 60 70 200 90)
  awk -v a="$field" 'BEGIN { exit !(a < 0.3) }' || return 1
  colours=$(convert "$E2E_SHOTS/$name.png" -crop "$(crop_of 52 250 214 374)" +repage -format '%k' info:)
  [ "$colours" -gt 40 ]
}

# An endless match under way, its countdown over (keys tapped during the
# countdown do nothing in play): the clock beside "時間" moves on within a
# second and a half. Nothing of the countdown passes over it.
endless_clock_runs() {
  shot clock_a
  sleep 1.3
  shot clock_b
  [ "$(region_signature clock_a 480 200 620 225)" != "$(region_signature clock_b 480 200 620 225)" ]
}

# The retry question's arrow points at yes.
arrow_on_yes() {
  shot probe
  [ "$(convert "$E2E_SHOTS/probe.png" -crop "$(crop_of 151 250 172 266)" +repage -format '%k' info:)" -gt 2 ]
}

is_blue() {  # shot l t r b
  local r g b
  read -r r g b < <(rgb "$@")
  awk -v r="$r" -v g="$g" -v b="$b" 'BEGIN { exit !(r < 0.1 && g < 0.1 && b > 0.9) }'
}

# The key guide: its panel's left margin, pure blue, in the middle of the
# screen's left edge, where no screen of the game has blue of its own.
key_guide_shown() { shot probe; is_blue probe 40 225 56 255; }

# Name entry: the upper blue panel (49,20)-(589,80) and the middle one.
name_entry_shown() { shot probe; is_blue probe 55 25 70 40 && is_blue probe 145 195 160 205; }

# Retry question: the middle panel (129,189)-(509,289) without the upper one.
retry_question_shown() { shot probe; is_blue probe 133 250 140 260 && ! is_blue probe 55 25 70 40; }

# After a versus match's banners, X leads on to the rematch question once the
# result has stopped to wait for it. On a busy machine the banners can show
# well before that, and an X pressed before it is not taken: press again
# while the question has not come. The question only ever comes after an X
# is taken, so a second X never answers it.
go_on_to_retry_question() {
  local _
  for _ in 1 2 3; do
    tap x
    wait_until 3 retry_question_shown && return 0
  done
  return 1
}

# The body colours of the panels 0..7 (each panel's picture in
# Back/Game.bmp), one "srgb(r,g,b)" each. A script that reads many boards
# keeps them in E2E_PANEL_COLOURS and spares read_board the look-up.
panel_colours() {
  local fmt="" v
  for v in 0 1 2 3 4 5 6 7; do fmt="$fmt%[pixel:p{$((24 * v + 4)),12}] "; done
  convert "$E2E_CONTENT/Back/Game.bmp" -format "$fmt" info:
}

# Panel values of the left board, rows 2..top (top 6 unless given, at most
# 14: the whole field) and columns 0..6, read from a screenshot by each
# panel's body colour (see panel_colours). Prints one line per row, bottom
# row first: seven values, "." for an empty or unknown cell. Assumes the
# stack is not mid-rise.
read_board() {
  local name=$1 top=${2:-6} refs fmt
  refs=${E2E_PANEL_COLOURS:-$(panel_colours)}
  # Each cell's sample point, 4 right of its left edge and 12 below its top,
  # mapped into the window picture.
  fmt=$(awk -v top="$top" 'BEGIN {
    for (r = 2; r <= top; r++) for (c = 0; c <= 6; c++) {
      gx = 49 + 24 * c + 4; gy = 352 - 24 * (r - 2) + 12
      printf "%%[pixel:p{%d,%d}] ", 53 + int(gx * 4 / 3 + 0.5), int(gy * 4 / 3 + 0.5)
    } }')
  convert "$E2E_SHOTS/$name.png" -format "$fmt" info: | awk -v refs="$refs" '
    function rgb(s, out) { gsub(/[^0-9,]/, "", s); split(s, out, ",") }
    BEGIN { n = split(refs, ref, " "); for (v = 1; v <= n; v++) { rgb(ref[v], t); R[v-1] = t[1]; G[v-1] = t[2]; B[v-1] = t[3] } }
    {
      for (i = 1; i <= NF; i++) {
        rgb($i, p); best = "."; bd = 2500
        for (v = 0; v < 8; v++) { d = (p[1]-R[v])^2 + (p[2]-G[v])^2 + (p[3]-B[v])^2; if (d < bd) { bd = d; best = v } }
        line = line best; if (i % 7 == 0) { print line; line = "" } else line = line " "
      }
    }'
}

# A line of two live panels (1..6) adding up to 7 in a board read by
# read_board: prints "column row direction" (direction y up, h right).
find_pair() {
  awk '{ for (c = 1; c <= 7; c++) v[NR + 1, c - 1] = $c }
    END {
      for (r = 2; r <= 6; r++) for (c = 0; c <= 6; c++) {
        a = v[r, c]; if (a !~ /^[1-6]$/) continue
        if (c < 6 && v[r, c + 1] ~ /^[1-6]$/ && a + v[r, c + 1] == 7) { print c, r, "h"; exit }
        if (r < 6 && v[r + 1, c] ~ /^[1-6]$/ && a + v[r + 1, c] == 7) { print c, r, "y"; exit }
      }
    }'
}

is_red() {  # shot l t r b
  local r g b
  read -r r g b < <(rgb "$@")
  awk -v r="$r" -v g="$g" -v b="$b" 'BEGIN { exit !(r > 0.8 && g < 0.2 && b < 0.2) }'
}

# The right board shows panels (in the last probe shot).
right_board_has_panels() {
  local colours
  colours=$(convert "$E2E_SHOTS/probe.png" -crop "$(crop_of 426 250 588 374)" +repage -format '%k' info:)
  [ "$colours" -gt 40 ]
}

warmth() {  # shot l t r b: red minus blue of the region's mean
  local r g b
  read -r r g b < <(rgb "$@")
  awk -v r="$r" -v b="$b" 'BEGIN { printf "%.4f", r - b }'
}
# Both boards emptied by the flying panels (in the last probe shot).
boards_emptied() {
  local left right
  left=$(convert "$E2E_SHOTS/probe.png" -crop "$(crop_of 52 250 214 374)" +repage -format '%k' info:)
  right=$(convert "$E2E_SHOTS/probe.png" -crop "$(crop_of 426 250 588 374)" +repage -format '%k' info:)
  [ "$left" -lt 40 ] && [ "$right" -lt 40 ]
}
# The versus result on emptied boards: WIN! (orange) on the side given
# (left or right), LOSE (grey) on the other.
win_banner_on() {
  shot probe
  boards_emptied || return 1
  local a b
  a=$(warmth probe 98 160 168 190)
  b=$(warmth probe 472 160 542 190)
  [ "$1" = right ] && { local t=$a; a=$b; b=$t; }
  awk -v a="$a" -v b="$b" 'BEGIN { exit !(a > b + 0.1) }'
}

# The versus set-up page: the player and budget panels at the top, and the
# level polygon (all levels 0: a small red pentagon) at the radar's centre.
versus_setup_shown() { shot probe; is_blue probe 15 5 25 9 && is_blue probe 130 5 140 9 && is_red probe 158 248 162 252; }
# The versus confirmation: both polygons and the question panel.
versus_confirm_shown() { shot probe; is_red probe 158 248 162 252 && is_red probe 478 248 482 252 && is_blue probe 25 440 35 460; }

# The words the window shows in a region (game coordinates), read by OCR:
# the region enlarged, grey, and stretched to full contrast first; printed
# in lower case on one line. For the runs that check which language the game
# speaks.
read_words() {  # shot l t r b
  local name=$1
  convert "$E2E_SHOTS/$name.png" -crop "$(crop_of "$2" "$3" "$4" "$5")" +repage -resize 200% -colorspace Gray \
    -normalize "$E2E_SHOTS/$name-words.png"
  tesseract "$E2E_SHOTS/$name-words.png" - --psm 11 2>/dev/null | tr 'A-Z\n' 'a-z ' | tr -s ' '
}

# True when every word given is among those read in the region.
shows_words() {  # shot l t r b word...
  local read_back word
  read_back=" $(read_words "$1" "$2" "$3" "$4" "$5") "
  for word in "${@:6}"; do
    case "$read_back" in *"$word"*) ;; *) return 1 ;; esac
  done
}
