#!/usr/bin/env bash
# Runs every benchmark built under <build>/bench, on the offscreen platform.
set -euo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=offscreen LANG=en_US.UTF-8
for b in "$build"/bench/*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b"
done
