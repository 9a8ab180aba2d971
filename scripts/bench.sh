#!/usr/bin/env bash
# Runs every benchmark built under <build>/bench, on the offscreen platform.
set -euo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=offscreen LANG=en_US.UTF-8
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
for b in "$build"/bench/*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  [ "$(basename "$b")" = minimal_table ] && continue
  echo "== $(basename "$b")"
  "$b"
done
if [ -x "$build/bench/minimal_table" ] && [ -x "$build/bin/corvalen" ]; then
  "$(dirname "$0")/bench-startup.sh" "$build"
fi
