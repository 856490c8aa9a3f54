#!/usr/bin/env bash
# Runs one fuzz target over its seeds:
#   run_target.sh [--fresh] <target> <seed folder> <work folder> [libFuzzer flags...]
# <work>/corpus keeps the inputs it finds (emptied first with --fresh),
# <work>/artifacts any input that broke a reader, <work>/log the whole output.
# Prints one line (runs, seconds, executions per second, coverage points,
# corpus size, findings) and fails on any finding, with the end of the log.
set -uo pipefail

fresh=0
if [ "${1:-}" = --fresh ]; then
  fresh=1
  shift
fi
if [ $# -lt 3 ]; then
  echo "usage: run_target.sh [--fresh] <target> <seed folder> <work folder> [libFuzzer flags...]" >&2
  exit 2
fi
binary=$1
seeds=$2
work=$3
shift 3
name=$(basename "$binary")

mkdir -p "$work"
work=$(cd "$work" && pwd)
if [ "$fresh" = 1 ]; then
  rm -rf "$work/corpus" "$work/artifacts"
fi
mkdir -p "$work/corpus" "$work/artifacts"
marker="$work/.started"
touch "$marker"

# Without address randomisation, since the fuzzer's dictionary picks up
# addresses from comparisons: a fixed seed then gives the same inputs each time.
launcher=()
if setarch "$(uname -m)" -R true 2>/dev/null; then
  launcher=(setarch "$(uname -m)" -R)
fi
"${launcher[@]}" "$binary" -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$@" "$work/corpus" "$seeds" \
  >"$work/log" 2>&1
status=$?

runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log" | tail -n 1)
seconds=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$work/log" | tail -n 1)
corpus=$(grep -o 'corp: [0-9]*' "$work/log" | tail -n 1 | sed 's/corp: //')
coverage=$(grep -o 'cov: [0-9]*' "$work/log" | tail -n 1 | sed 's/cov: //')
findings=$(find "$work/artifacts" -type f -newer "$marker" | wc -l)

printf '%-14s %11s runs %6s s %8s exec/s  coverage %5s  corpus %6s  findings %s\n' \
  "$name" "${runs:-?}" "${seconds:-?}" "${rate:-?}" "${coverage:-?}" "${corpus:-?}" "$findings"
if [ "$status" -ne 0 ] || [ "$findings" -ne 0 ]; then
  echo "--- $name failed (exit $status); the end of $work/log:"
  tail -n 60 "$work/log"
  find "$work/artifacts" -type f -newer "$marker" -printf 'finding: %p\n'
  exit 1
fi
