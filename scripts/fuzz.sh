#!/usr/bin/env bash
# Runs each fuzzer under <build>/fuzz for <seconds> and reports the executions it made.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-300}
export QT_QPA_PLATFORM=offscreen
for f in "$build"/fuzz/*; do
  [ -f "$f" ] && [ -x "$f" ] || continue
  name=$(basename "$f")
  corpus="fuzz-corpus/$name"
  mkdir -p "$corpus"
  echo "== $name: ${seconds}s"
  "$f" -max_total_time="$seconds" -print_final_stats=1 "$corpus" 2>&1 | grep -E 'stat::number_of_executed_units|ERROR|SUMMARY' || true
done
