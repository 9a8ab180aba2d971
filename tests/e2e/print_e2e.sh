#!/usr/bin/env bash
# The real program prints through a real print system: a new rate typed and not yet left,
# the toolbar's print button, the preview window, its Print button, a cups-pdf queue. The PDF
# must show the new rate in its header and the table computed at that rate.
# Usage: print_e2e.sh <corvalen> <corvalen-table>   (run inside xvfb-run -s -noreset)
set -euo pipefail
corvalen=$1
table=$2
here=$(cd "$(dirname "$0")" && pwd)
queue=$here/cups-queue.sh
out=${CORVALEN_ARTIFACTS:-.}
mkdir -p "$out"
export QT_QPA_PLATFORM=xcb LANG=en_US.UTF-8
unset LC_ALL WAYLAND_DISPLAY PRINTER LPDEST

fail() { echo "FAIL: $*" >&2; exit 1; }

status=0
"$queue" start || status=$?
[ "$status" -eq 0 ] || exit "$status"
pid=""
finish() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  "$queue" stop
}
trap finish EXIT

"$corvalen" &
pid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Corvalen, 1\.0$' | head -n 1) \
  || fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool windowfocus --sync "$win"
sleep 0.3

# A first table enables printing; then the rate changes while its field keeps the focus.
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 40 250000
xdotool key Tab
sleep 0.3
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 40 7.5
xdotool mousemove $((X + 420)) $((Y + 16)) click 1

preview=$(timeout 20 xdotool search --sync --onlyvisible --name '^Print Preview' | head -n 1) \
  || fail "the preview window did not appear"
sleep 0.5
import -silent -window root "$out/e2e-preview.png"

marker=$(mktemp)
xdotool windowfocus --sync "$preview" 2>/dev/null || true
xdotool key --clearmodifiers alt+t
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^Print Preview' >/dev/null || break
  sleep 0.1
done
xdotool search --onlyvisible --name '^Print Preview' >/dev/null && fail "the preview window stayed open after Print"
"$queue" wait 90
pdf=$("$queue" pdf "$marker") || fail "no PDF came out of the queue"
rm -f "$marker"
cp "$pdf" "$out/e2e-printed-chart.pdf"
rm -f "$pdf"
pdftoppm -r 100 -png -singlefile "$out/e2e-printed-chart.pdf" "$out/e2e-printed-chart"

"$here/check-chart-pdf.sh" "$out/e2e-printed-chart.pdf" \
  "Loan Amount: \$250000 Interest Rate: 7.5% Term: 30 years" "$table" --loan 250000 --rate 7.5
