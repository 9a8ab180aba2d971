#!/usr/bin/env bash
# Starts the desktop program, or says how to when there is no display.
set -euo pipefail
bin=$1
if [ ! -x "$bin/corvalen" ]; then
  exec "$bin/corvalen-table"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "corvalen: no display found (DISPLAY and WAYLAND_DISPLAY are unset); run it under a virtual one: xvfb-run -a $bin/corvalen" >&2
  exit 1
fi
exec "$bin/corvalen"
