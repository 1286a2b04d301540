#!/usr/bin/env bash
# CTest's print_figure_pdf test: prints a figure memo taller than a page through the library
# on the default printer (the print_figure_job program under Wine), then checks the PDF the
# cups-pdf queue writes: named after the job, exactly one page, holding the top of the
# figure and nothing of what lies below the page. Usage: print-figure-check.sh KVENV PROGRAM
set -euo pipefail
here=$(dirname "$0")
title="KVMemo - figure check"
pdf="/var/spool/cups-pdf/$(id -un)/${title// /_}.pdf"  # the folder printer-start.sh sets

fail() { echo "print-figure-check: $*" >&2; exit 1; }

LC_ALL=C lpstat -d 2>/dev/null | grep -q ': KVPDF$' ||
  fail "no default printer KVPDF; scripts/printer-start.sh sets it up (make test runs it)"
rm -f "$pdf"
"$here/wine-run.sh" "$1" "$2"

# The queue converts the job in the background: wait until it is done and the file is there.
for _ in $(seq 120); do
  [ -s "$pdf" ] && [ -z "$(lpstat -o KVPDF 2>/dev/null)" ] && break
  sleep 0.5
done
[ -s "$pdf" ] || fail "no PDF at $pdf after 60 s"

info=$(pdfinfo "$pdf")
echo "$info" | grep -qx "Title: *$title" || fail "the PDF is not titled \"$title\""
pages=$(echo "$info" | awk '/^Pages:/ {print $2}')
[ "$pages" -eq 1 ] || fail "a figure printed on $pages pages, not one"
text=$(pdftotext -layout "$pdf" -)
echo "$text" | grep -q "FIGURE TOP F001" || fail "the top of the figure is not printed"
echo "$text" | grep -q "F999" && fail "what lies below the page is printed"
echo "print-figure-check: one page with the top of the figure"
