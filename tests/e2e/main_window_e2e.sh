#!/usr/bin/env bash
# The real program under Xvfb: Num Lock switched on at start, the window appears, a loan amount
# typed with xdotool and Tab rebuilds the table. Screenshots go to $CORVALEN_ARTIFACTS.
# Usage: main_window_e2e.sh <corvalen binary>   (run inside xvfb-run -s -noreset)
set -euo pipefail
corvalen=$1
out=${CORVALEN_ARTIFACTS:-.}
mkdir -p "$out"
export QT_QPA_PLATFORM=xcb LANG=en_US.UTF-8
unset LC_ALL WAYLAND_DISPLAY

fail() { echo "FAIL: $*" >&2; exit 1; }
numlock() { xset q | sed -n 's/.*Num Lock: *\([a-z]*\).*/\1/p'; }

numlockx off
[ "$(numlock)" = off ] || fail "Num Lock could not be switched off before start"

"$corvalen" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Corvalen, 1\.0$' | head -n 1) \
  || fail "no window titled 'Corvalen, 1.0' appeared"
sleep 0.5
[ "$(numlock)" = on ] || fail "Num Lock is still off after start"

eval "$(xdotool getwindowgeometry --shell "$win")"
# The APR cells: columns 2..7 and rows 1..11 of the grid, which starts 129 px down the client area.
cells="414x230+$((X + 140))+$((Y + 150))"
colours() { import -silent -window root -crop "$cells" +repage "$1" && convert "$1" -format %k info:; }

before=$(colours "$out/e2e-cells-before.png")
import -silent -window root "$out/e2e-start.png"

xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
sleep 0.3
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 40 250000
xdotool key Tab
sleep 1

after=$(colours "$out/e2e-cells-after.png")
import -silent -window root "$out/e2e-screen.png"
import -silent -window "$win" "$out/e2e-main-window.png" 2>/dev/null || true
echo "distinct colours in the APR cells: before $before, after $after"
[ "$before" -le 4 ] || fail "APR cells were not empty at start ($before colours)"
[ "$after" -gt 8 ] || fail "the table was not rebuilt after Tab ($after colours)"

xdotool key --window "$win" alt+F4 2>/dev/null || kill "$pid"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
echo "PASS: Num Lock on, window shown, table rebuilt on Tab"
