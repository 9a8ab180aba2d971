#!/usr/bin/env bash
# Start-up against a minimal Qt table program, side by side under one Xvfb, and peak memory.
# Usage: bench-startup.sh <build dir> [runs]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-15}
if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec xvfb-run -a -s "-noreset -screen 0 1280x1024x24" "$0" "$build" "$runs"
fi
export QT_QPA_PLATFORM=xcb LANG=en_US.UTF-8
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

# Milliseconds from launch until the window is mapped; prints "<ms> <peak RSS kB>".
measure() {
  local title=$1; shift
  local start end pid hwm
  start=$(date +%s%N)
  "$@" & pid=$!
  # xdotool's own --sync polls only twice a second; a tight loop sees the window in time.
  until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do sleep 0.002; done
  end=$(date +%s%N)
  sleep 0.3
  hwm=$(sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' /proc/$pid/status)
  kill $pid; wait $pid 2>/dev/null || true
  echo "$(( (end - start) / 1000000 )) $hwm"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure '^Corvalen, 1\.0$' "$build/bin/corvalen" >/dev/null   # warm the caches once
measure '^Minimal table$' "$build/bench/minimal_table" >/dev/null
: > /tmp/corvalen-startup.txt; : > /tmp/minimal-startup.txt
for _ in $(seq "$runs"); do
  measure '^Corvalen, 1\.0$' "$build/bin/corvalen" >> /tmp/corvalen-startup.txt
  measure '^Minimal table$' "$build/bench/minimal_table" >> /tmp/minimal-startup.txt
done
c=$(cut -d' ' -f1 /tmp/corvalen-startup.txt | median)
m=$(cut -d' ' -f1 /tmp/minimal-startup.txt | median)
rss=$(cut -d' ' -f2 /tmp/corvalen-startup.txt | sort -n | tail -n 1)
echo "start-up to first visible window, median of $runs: corvalen ${c} ms, minimal Qt table ${m} ms, ratio $(awk "BEGIN {printf \"%.2f\", $c / $m}")"
echo "peak resident memory of corvalen: $((rss / 1024)) MB ($rss kB)"
