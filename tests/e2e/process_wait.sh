# wait_for_exit PID TENTHS: waits up to TENTHS tenths of a second for the
# game (a child of this shell) to end and sets exit_code to its code, or to
# nothing when it is still running.
wait_for_exit() {
  local pid=$1 tenths=$2 _
  exit_code=""
  for _ in $(seq 1 "$tenths"); do
    if ! kill -0 "$pid" 2>/dev/null; then
      set +e; wait "$pid"; exit_code=$?; set -e
      return 0
    fi
    sleep 0.1
  done
}
