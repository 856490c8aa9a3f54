# Two real games playing each other over the network, each under its own
# Xvfb display (screen_checks.sh keeps both): the host started with
# --host PORT, the joiner with --join ADDRESS:PORT, both set up and accept,
# and the match begins on two boards on both screens.

# A UDP port nobody listens on now, on the loopback address.
free_udp_port() {
  python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

two_boards_shown() { board_has_panels probe && right_board_has_panels; }

# The process CPU of the game in use (utime+stime, all threads) as a
# percentage of one core over the given seconds.
cpu_percent() {
  local pid=$1 seconds=$2 ticks a b
  ticks=$(getconf CLK_TCK)
  a=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  sleep "$seconds"
  b=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  awk -v a="$a" -v b="$b" -v t="$ticks" -v s="$seconds" 'BEGIN { printf "%.1f", 100 * (b - a) / t / s }'
}

# Starts both games (binary, work folder, the joiner's address:port, the
# host's port), kept as host and join, and brings them through the set-up
# into a running match, checked on both screens.
start_online_match() {
  local binary=$1 work=$2 join_to=$3 port=$4 side
  E2E_GAME_ARGS="--host $port" start_game "$binary" "$work/host" '\x00\x00\x00\x00\x00'
  keep_game host
  E2E_GAME_ARGS="--join $join_to" start_game "$binary" "$work/join" '\x00\x01\x00\x01\x00'
  keep_game join
  for side in host join; do
    use_game "$side"
    wait_until 30 versus_setup_shown || fail "$side: no set-up page after connecting"
  done
  pass "both games connected and show their own set-up"
  # The host: five on SPEED (the line is walked by taps), then up to the
  # decide button. The joiner decides as he stands.
  use_game host
  sleep 0.3
  tap b
  for _ in 1 2 3 4 5; do tap h; done
  tap y; tap y
  tap x
  use_game join
  sleep 0.3
  tap y
  tap x
  for side in host join; do
    use_game "$side"
    wait_until 15 versus_confirm_shown || fail "$side: the confirmation does not show both charts"
    shot "confirm"
  done
  pass "both confirmations show both profiles"
  for side in host join; do
    use_game "$side"
    tap x
  done
  for side in host join; do
    use_game "$side"
    wait_until 20 two_boards_shown || fail "$side: the match did not start on two boards"
  done
  pass "the match runs on two boards on both screens"
  sleep 5   # the opening rows rise and the countdown runs
}
