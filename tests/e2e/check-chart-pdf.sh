#!/usr/bin/env bash
# Checks a printed chart: one page with the title, the given header line, the twelve lines of
# the table that corvalen-table gives for the same inputs, the disclaimer and the print time.
# Usage: check-chart-pdf.sh PDF HEADER-LINE CORVALEN-TABLE [TABLE ARGUMENTS...]
set -euo pipefail
pdf=$1
header=$2
table=$3
shift 3

# One line per text line of the page, runs of blanks squeezed, ends trimmed.
lines=$(pdftotext -layout "$pdf" - | tr -s ' ' | sed -e 's/^ //' -e 's/ $//')
failures=0
expect() {
  if grep -qxF -- "$1" <<<"$lines"; then
    echo "ok: $1"
  else
    echo "FAIL: no line '$1'"
    failures=$((failures + 1))
  fi
}

expect "Chart of Annual Percentage Rates"
expect "$header"
rows=0
while IFS= read -r row; do
  expect "$(sed -e 's/^"//' -e 's/"$//' -e 's/","/\n/g' <<<"$row" | sed -e 's/^ *//' -e 's/ *$//' | paste -sd' ')"
  rows=$((rows + 1))
done < <("$table" --format csv "$@")
[ "$rows" -eq 12 ] || { echo "FAIL: corvalen-table gave $rows rows"; failures=$((failures + 1)); }
expect "While effort was made to ensure the accuracy of these calculations, there is NO WARRANTY, expressed"
expect "or implied, for the accuracy or applicability of this information to your particular financial situation."
expect "Please check with your own financial advisor before"
expect "making any financial decisions based upon this information."
if grep -q "^Printed at [0-9]" <<<"$lines"; then echo "ok: Printed at ..."; else echo "FAIL: no 'Printed at' line"; failures=$((failures + 1)); fi
pages=$(pdfinfo "$pdf" 2>/dev/null | sed -n 's/^Pages: *//p')
[ "${pages:-1}" = 1 ] || { echo "FAIL: $pages pages"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed; the page's text:"; echo "$lines"; exit 1; }
echo "the printed chart is complete"
