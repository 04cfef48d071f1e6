#!/usr/bin/env bash
# Runs every fuzz program of a fuzz build for a bounded time over its seed corpus.
# Usage: scripts/fuzz.sh BUILD_DIR SECONDS_EACH
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for bin in "$build"/tests/fuzz/fuzz_*; do
  [ -x "$bin" ] || continue
  name=$(basename "$bin")
  seeds="$root/tests/fuzz/corpus/$name"
  work="$build/fuzz-work/$name"
  artifacts="$build/fuzz-artifacts/$name/"
  mkdir -p "$work" "$artifacts" "$seeds"
  echo "== $name: ${seconds}s"
  if ! "$bin" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts" \
       -timeout=10 -rss_limit_mb=2048 "$work" "$seeds" > "$build/fuzz-$name.log" 2>&1; then
    echo "   FINDING: see $build/fuzz-$name.log and $artifacts"
    status=1
  fi
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$build/fuzz-$name.log" | sed 's/^/   /' || true
done
exit $status
