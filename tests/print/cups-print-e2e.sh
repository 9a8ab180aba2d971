#!/usr/bin/env bash
# Prints the APR chart through a real CUPS queue and checks the PDF it produced.
# Usage: cups-print-e2e.sh PRINT-CHART-PROGRAM CORVALEN-TABLE CUPS-QUEUE-SCRIPT
# The chart program prints the default inputs' chart through the preview window's Print
# button; corvalen-table gives the grid texts that chart must show.
set -euo pipefail
program=$1
table=$2
queue=$3
artifacts=${CORVALEN_ARTIFACTS:-.}

command -v pdftotext >/dev/null || { echo "skipped: pdftotext not installed (poppler-utils)"; exit 77; }

status=0
"$queue" start || status=$?
[ "$status" -eq 0 ] || exit "$status"
outdir=$("$queue" outdir)
[ -d "$outdir" ] && outdir_existed=yes || outdir_existed=no
finish() {
  [ "$outdir_existed" = no ] && rmdir "$outdir" 2>/dev/null
  "$queue" stop
}
trap finish EXIT

marker=$(mktemp)
unset PRINTER LPDEST
"$program"
"$queue" wait 90

pdf=""
for _ in $(seq 1 100); do
  pdf=$(find "$outdir" -maxdepth 1 -name '*.pdf' -newer "$marker" 2>/dev/null | head -1)
  [ -n "$pdf" ] && break
  sleep 0.1
done
rm -f "$marker"
[ -n "$pdf" ] || { echo "FAIL: no PDF from the queue in $outdir"; exit 1; }
mkdir -p "$artifacts"
cp "$pdf" "$artifacts/cups-chart.pdf"
rm -f "$pdf"
command -v pdftoppm >/dev/null && pdftoppm -r 100 -png -singlefile "$artifacts/cups-chart.pdf" "$artifacts/cups-chart"

# One line per text line of the page, runs of blanks squeezed, ends trimmed.
lines=$(pdftotext -layout "$artifacts/cups-chart.pdf" - | tr -s ' ' | sed -e 's/^ //' -e 's/ $//')
failures=0
expect() {
  if grep -qxF -- "$1" <<<"$lines"; then
    echo "ok: $1"
  else
    echo "FAIL: no line '$1'"
    failures=$((failures + 1))
  fi
}
expect_start() {
  if grep -q "^$1" <<<"$lines"; then echo "ok: $1..."; else echo "FAIL: no line starting '$1'"; failures=$((failures + 1)); fi
}

expect "Chart of Annual Percentage Rates"
expect "Loan Amount: \$100000 Interest Rate: 8.75% Term: 30 years"
rows=0
while IFS= read -r row; do
  expect "$(sed -e 's/^"//' -e 's/"$//' -e 's/","/\n/g' <<<"$row" | sed -e 's/^ *//' -e 's/ *$//' | paste -sd' ')"
  rows=$((rows + 1))
done < <("$table" --format csv)
[ "$rows" -eq 12 ] || { echo "FAIL: corvalen-table gave $rows rows"; failures=$((failures + 1)); }
expect "While effort was made to ensure the accuracy of these calculations, there is NO WARRANTY, expressed"
expect "or implied, for the accuracy or applicability of this information to your particular financial situation."
expect "Please check with your own financial advisor before"
expect "making any financial decisions based upon this information."
expect_start "Printed at [0-9]"
pages=$(pdfinfo "$artifacts/cups-chart.pdf" 2>/dev/null | sed -n 's/^Pages: *//p')
[ "${pages:-1}" = 1 ] || { echo "FAIL: $pages pages"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed; the page's text:"; echo "$lines"; exit 1; }
echo "the printed chart is complete"
