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

pdf=$("$queue" pdf "$marker") || { echo "FAIL: no PDF from the queue"; exit 1; }
rm -f "$marker"
mkdir -p "$artifacts"
cp "$pdf" "$artifacts/cups-chart.pdf"
rm -f "$pdf"
command -v pdftoppm >/dev/null && pdftoppm -r 100 -png -singlefile "$artifacts/cups-chart.pdf" "$artifacts/cups-chart"

"$(dirname "$queue")/check-chart-pdf.sh" "$artifacts/cups-chart.pdf" \
  "Loan Amount: \$100000 Interest Rate: 8.75% Term: 30 years" "$table"
