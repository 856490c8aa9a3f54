# Helpers of the end-to-end checks that need no X server: the real game run
# with SDL's dummy video and audio drivers (which the game accepts only when
# asked for by name), in a given folder, with its own XDG folders.

fail() { echo "e2e FAIL: $*" >&2; exit 1; }
pass() { echo "e2e ok: $*"; }
# shellcheck source=tests/e2e/process_wait.sh
source "$(dirname "${BASH_SOURCE[0]}")/process_wait.sh"

# headless_start DIR XDG BINARY [ARGS...]: starts the game standing in DIR,
# its XDG data folder XDG and its home beside it; its output goes to
# $XDG.out and $XDG.err. Sets headless_pid.
headless_start() {
  local dir=$1 xdg=$2 binary=$3
  shift 3
  mkdir -p "$xdg" "$xdg-home"
  (cd "$dir" && HOME="$xdg-home" XDG_DATA_HOME="$xdg" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
    exec "$binary" "$@" </dev/null >"$xdg.out" 2>"$xdg.err") &
  headless_pid=$!
}

# headless_stop: the game is still running, is asked to close (SIGTERM, as a
# desktop session does), says goodbye and ends with code 0.
headless_stop() {
  kill -0 "$headless_pid" 2>/dev/null || fail "the game ended by itself: $(cat "$xdg_last.err")"
  kill -TERM "$headless_pid"
  wait_for_exit "$headless_pid" 200
  [ -n "$exit_code" ] || { kill -KILL "$headless_pid" 2>/dev/null; fail "the game did not end within 20 s of SIGTERM"; }
  [ "$exit_code" = 0 ] || fail "the game ended with code $exit_code after SIGTERM"
}

# wait_for_file PATH: up to 20 s.
wait_for_file() {
  local _
  for _ in $(seq 1 200); do
    [ -f "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

# wait_for_start: up to 20 s for the game to take SIGTERM itself (SDL's
# handler, installed when the game has started), then a second of play.
wait_for_start() {
  local mask _
  for _ in $(seq 1 200); do
    mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$headless_pid/status" 2>/dev/null || true)
    [ -n "$mask" ] || fail "the game ended at start: $(cat "$xdg_last.err")"
    if (( (16#$mask >> 14) & 1 )); then sleep 1; return 0; fi
    sleep 0.1
  done
  fail "the game did not start within 20 s"
}

# headless_play DIR XDG BINARY [ARGS...]: starts the game, lets it play a
# second past its start-up and closes it again.
headless_play() {
  xdg_last=$2
  headless_start "$@"
  wait_for_start
  headless_stop
}
