#!/usr/bin/env bash
# CTest's print_figure_pdf test: prints a figure memo taller than a page through the library
# on the default printer (the print_figure_job program under Wine), then checks the PDF the
# cups-pdf queue writes: named after the job, exactly one page, holding the top of the
# figure and nothing of what lies below the page. Usage: print-figure-check.sh KVENV PROGRAM
set -euo pipefail
here=$(dirname "$0")
title="KVMemo - figure check"

fail() { echo "print-figure-check: $*" >&2; exit 1; }

# shellcheck source=SCRIPTDIR/print-pdf-job.sh
. "$here/print-pdf-job.sh"
print_pdf_job "$title" "$1" "$2"

pages=$(echo "$info" | awk '/^Pages:/ {print $2}')
[ "$pages" -eq 1 ] || fail "a figure printed on $pages pages, not one"
text=$(pdftotext -layout "$pdf" -)
echo "$text" | grep -q "FIGURE TOP F001" || fail "the top of the figure is not printed"
echo "$text" | grep -q "F999" && fail "what lies below the page is printed"
echo "print-figure-check: one page with the top of the figure"
