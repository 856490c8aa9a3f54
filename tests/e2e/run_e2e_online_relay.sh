#!/usr/bin/env bash
# Two real games through a slow, lossy link: the joiner talks to a relay on
# the loopback address that holds each datagram 60 ms ± 20 ms and drops 3 %,
# doubles and reorders some, each way. A whole match is played: the host
# clears a line, the joiner asks for rows until his stack tops out; both
# screens show WIN! on the left and LOSE on the right; both answer yes and
# the rematch starts on both with the host's win counted; the joiner tops
# out again, the host answers no and both games are back on the main menu. Neither side
# went out of step (the figures lines), both kept the match, and both
# replays verify in another process. The bytes each way are reported.
set -euo pipefail

binary=$(readlink -f "$1")
relay=$(readlink -f "$2")
work=${3:-/tmp/sumline-e2e-online-relay}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/screen_checks.sh
source "$here/screen_checks.sh"
# shellcheck source=tests/e2e/online_pair.sh
source "$here/online_pair.sh"

rm -rf "$work"
mkdir -p "$work"
port=$(free_udp_port)
relay_port=$(free_udp_port)
# The relay stops by itself after its time limit.
"$relay" --listen "$relay_port" --to "127.0.0.1:$port" --delay 60 --jitter 20 --loss 3 --dup 2 \
  --reorder 2 --seed 7 --seconds 400 >"$work/relay.out" 2>&1 &
relay_pid=$!
stop_relay() { kill "$relay_pid" 2>/dev/null || true; wait "$relay_pid" 2>/dev/null || true; }
trap 'stop_all; stop_relay' EXIT
start_online_match "$binary" "$work" "127.0.0.1:$relay_port" "$port"
trap 'stop_all; stop_relay' EXIT

use_game join
shot join_match
wins_zero=$(region_signature join_match 270 400 300 420)
use_game host
shot host_before
for _ in $(seq 1 5); do
  play_a_line || { sleep 1; continue; }
  break
done

left_wins() { win_banner_on left; }

# The joiner asks for rows (A, player 1's drop key on his own machine)
# until his stack tops out; both screens show the same result.
top_out_joiner() {
  local _
  use_game join
  for _ in $(seq 1 60); do
    press a
    sleep 0.5
    left_wins && break
  done
  wait_until 30 left_wins || fail "the joiner's screen shows no WIN! left, LOSE right"
  shot join_result
  use_game host
  wait_until 10 left_wins || fail "the host's screen shows no WIN! left, LOSE right"
  shot host_result
}
# The host's go-on key leads both to the question.
both_asked() {
  local side
  use_game host
  sleep 0.5
  tap x
  for side in host join; do
    use_game "$side"
    wait_until 8 retry_question_shown || fail "$side: the rematch question did not appear"
  done
}
top_out_joiner
pass "the joiner topped out: WIN! for the host and LOSE for the joiner on both screens"

# Both say yes, each on his own machine: the rematch starts on both, with
# the host's win counted on both.
both_asked
use_game join
tap x
use_game host
tap x
for side in host join; do
  use_game "$side"
  wait_until 20 two_boards_shown || fail "$side: the rematch did not start"
  shot "${side}_rematch"
  [ "$(region_signature "${side}_rematch" 270 400 300 420)" != "$wins_zero" ] || fail "$side: the host's win is not counted"
done
pass "both said yes: the rematch runs on both machines with the host's win counted"
sleep 5

top_out_joiner
both_asked
use_game host
sleep 0.5
tap Right
tap x
for side in host join; do
  use_game "$side"
  wait_until 10 menu_panel_shown || fail "$side: the host's no did not bring him back to the menu"
done
pass "the host's no ends the series on both machines"

for side in host join; do
  grep "sumline online:" "$work/$side/game.err" | sed "s/^/e2e figure: $side: /"
  [ "$(grep -c "sumline online:.* over$" "$work/$side/game.err")" = 2 ] ||
    fail "$side: no figures lines of two matches played to their end"
  grep -q "out-of-step" "$work/$side/game.err" && fail "$side: the match went out of step"
  replays=$(find "$work/$side/run" -name '*-versus.replay' 2>/dev/null | sort)
  [ "$(echo "$replays" | grep -c .)" = 2 ] || fail "$side: not two versus replays kept: $replays"
  for replay in $replays; do
    verdict=$("$binary" --data-dir "$work/$side/run/Data" --verify-replay "$replay") ||
      fail "$side: --verify-replay exited $? on $replay: $verdict"
    case "$verdict" in
      *"checkpoints ok") ;;
      *) fail "$side: --verify-replay said: $verdict" ;;
    esac
    pass "$side: no mismatch, and the replay verifies in another process: $verdict"
  done
done

use_game host
leave_through_the_title
echo "e2e online relay: all stages passed; screenshots in $work/*/shots"
