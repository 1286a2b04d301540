#!/usr/bin/env bash
# CTest's print_pdf test: prints a memo of numbered lines through the library on the default
# printer (the print_job program under Wine), then checks the PDF the cups-pdf queue writes:
# named after the job, more than one page, every page starting at a line start, and every
# line printed whole exactly once, in order. Usage: print-check.sh KVENV.EXE PRINT_JOB.EXE
set -euo pipefail
here=$(dirname "$0")
lines=150  # as PrintJobTests.cpp writes them: "L001 ... 001" to "L150 ... 150"
title="KVMemo - print check"
pdf="/var/spool/cups-pdf/$(id -un)/${title// /_}.pdf"  # the folder printer-start.sh sets

fail() { echo "print-check: $*" >&2; exit 1; }

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
echo "print-check: $pdf has $pages pages"
[ "$pages" -gt 1 ] || fail "a memo of $lines lines printed on $pages page(s)"

# pdftotext separates pages with a form feed. Each printed line must be the next expected
# one, whole (its number at both ends); a line cut by a page break would show twice or not.
pdftotext -layout "$pdf" - | awk -v lines="$lines" '
  BEGIN { next_line = 1; page = 1 }
  {
    while (index($0, "\f")) { page++; sub(/\f/, "") }
    sub(/^[ \t]+/, ""); sub(/[ \t]+$/, "")
    if ($0 == "") next
    want = sprintf("%03d", next_line)
    if ($0 !~ ("^L" want " .* " want "$")) {
      printf "page %d: expected line %s, found \"%s\"\n", page, want, $0; bad = 1; exit 1
    }
    if (page != last_page) { printf "page %d starts with line %s\n", page, want; last_page = page }
    next_line++
  }
  END {
    if (bad) exit 1
    if (next_line - 1 != lines) { printf "%d of %d lines printed\n", next_line - 1, lines; exit 1 }
  }' || fail "the pages do not hold the memo's lines whole and in order"
echo "print-check: all $lines lines printed whole, every page starting at a line start"
