#!/usr/bin/env bash
# Two real games on this machine, over ENet on the loopback address: the
# host (--host PORT) and the joiner (--join 127.0.0.1:PORT) set up and
# accept, both screens show two boards, F1 shows the joiner his keys over
# play and Escape closes them, a line the host clears shows on the joiner's screen, and the CPU of the host's match is measured. Then the
# joiner's process is killed: the host says 「相手との接続が切れました」 and is
# back on the main menu within 5 s and a margin.
set -euo pipefail

binary=$(readlink -f "$1")
work=${2:-/tmp/sumline-e2e-online}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/screen_checks.sh
source "$here/screen_checks.sh"
# shellcheck source=tests/e2e/online_pair.sh
source "$here/online_pair.sh"

rm -rf "$work"
mkdir -p "$work"
port=$(free_udp_port)
start_online_match "$binary" "$work" "127.0.0.1:$port" "$port"

# F1 shows the joiner the keys over play; Escape closes them as it closes
# the guide everywhere, without leaving the match, which went on under it.
use_game join
press F1
wait_until 3 key_guide_shown || fail "F1 shows no key guide over the online match"
shot join_guide
guide_closed() { ! key_guide_shown; }
press Escape
wait_until 3 guide_closed || fail "Escape does not close the key guide over the online match"
sleep 1
shot probe
two_boards_shown || fail "closing the key guide with Escape left the match"
pass "F1 shows the keys over the online match; Escape closes them and the match goes on"

# The host's board as the joiner sees it, before the host plays.
use_game join
shot join_before
join_score_before=$(region_signature join_before 40 445 222 468)

use_game host
shot host_before
clear_a_line host_before || fail "the host cleared no line"
pass "the host cleared a line read off his screen"

use_game join
joiner_sees_it() { shot join_after; [ "$(region_signature join_after 40 445 222 468)" != "$join_score_before" ]; }
wait_until 5 joiner_sees_it || fail "the host's line does not show on the joiner's screen"
pass "the host's line shows on the joiner's screen"

# CPU of both games while the match runs.
use_game host
host_pid=$game_pid
use_game join
join_pid=$game_pid
host_cpu=$(cpu_percent "$host_pid" 8)
join_cpu=$(cpu_percent "$join_pid" 3)
echo "e2e figure: online match CPU: host $host_cpu % of a core, joiner $join_cpu % (over 8 s and 3 s)"

# The joiner's process dies.
kill -9 "$join_pid"
wait "$join_pid" 2>/dev/null || true
forget_game join
killed_at=$SECONDS
use_game host
# The notice: the game's blue box across the screen over the menu.
lost_notice_shown() { shot probe; is_blue probe 35 172 45 186 && is_blue probe 595 172 605 186; }
wait_until 9 lost_notice_shown || fail "the host shows no notice within 9 s of losing the joiner"
shot host_lost
menu_back() { shot probe; is_blue probe 22 420 29 460; }
wait_until 3 menu_back || fail "the host is not on the main menu"
took=$((SECONDS - killed_at))
pass "the host tells of the lost joiner over the main menu after ${took} s"
grep -q "sumline online:.*peer-lost" "$work/host/game.err" || fail "the host's figures line does not tell of the lost peer: $(cat "$work/host/game.err")"
grep "sumline online:" "$work/host/game.err" | sed 's/^/e2e figure: host: /'
pass "the host's figures line names the lost peer"

leave_through_the_title
echo "e2e online: all stages passed; screenshots in $work/*/shots"
