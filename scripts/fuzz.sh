#!/usr/bin/env bash
# Runs every fuzz program of a fuzz build over its seed corpus, either for a bounded time each or
# until each has done a number of executions. New inputs are kept in BUILD_DIR/fuzz-work/<name>,
# so every run starts from what the earlier ones found.
# Usage: scripts/fuzz.sh BUILD_DIR SECONDS_EACH
#        scripts/fuzz.sh --runs EXECUTIONS_EACH BUILD_DIR
set -euo pipefail
runs=0
if [ "${1:-}" = "--runs" ]; then
  runs=${2:?--runs needs a number of executions}
  shift 2
fi
build=${1:-build-fuzz}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
status=0

# The executions of the run logged in $1 (libFuzzer's final statistics).
executed() {
  sed -n 's/^stat::number_of_executed_units: *//p' "$1" | tail -n 1
}

for bin in "$build"/tests/fuzz/fuzz_*; do
  [ -x "$bin" ] || continue
  name=$(basename "$bin")
  seeds="$root/tests/fuzz/corpus/$name"
  work="$build/fuzz-work/$name"
  artifacts="$build/fuzz-artifacts/$name/"
  log="$build/fuzz-$name.log"
  mkdir -p "$work" "$artifacts" "$seeds"
  common=(-print_final_stats=1 -artifact_prefix="$artifacts" -timeout=10 -rss_limit_mb=2048)
  if [ "$runs" -eq 0 ]; then
    echo "== $name: ${seconds}s"
    if ! "$bin" -max_total_time="$seconds" "${common[@]}" "$work" "$seeds" > "$log" 2>&1; then
      echo "   FINDING: see $log and $artifacts"
      status=1
    fi
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$log" | sed 's/^/   /' || true
    continue
  fi

  # libFuzzer counts the corpus it starts from among its runs and stops at -runs; should a run
  # end short of it all the same, the next one goes on from the corpus the first one grew.
  echo "== $name: $runs executions"
  : > "$log"
  done_runs=0
  start=$SECONDS
  while [ "$done_runs" -lt "$runs" ]; do
    part="$log.part"
    if ! "$bin" -runs=$((runs - done_runs)) "${common[@]}" "$work" "$seeds" > "$part" 2>&1; then
      cat "$part" >> "$log"
      echo "   FINDING: see $log and $artifacts"
      status=1
      break
    fi
    cat "$part" >> "$log"
    n=$(executed "$part")
    if [ -z "$n" ] || [ "$n" -eq 0 ]; then
      echo "   no executions counted: see $log"
      status=1
      break
    fi
    done_runs=$((done_runs + n))
  done
  rm -f "$log.part"
  echo "   executions: $done_runs in $((SECONDS - start))s, corpus: $(find "$work" -type f | wc -l) inputs"
  grep -E '^stat::peak_rss_mb' "$log" | tail -n 1 | sed 's/^/   /' || true
done
exit $status
