#!/usr/bin/env bash
# CTest's print_pdf test: prints a memo of numbered lines headed by a stretched picture
# through the library on the default printer (the print_job program under Wine), then checks
# the PDF the cups-pdf queue writes: named after the job, more than one page, every page
# starting at a line start, every line printed whole exactly once, in order, and the picture
# at its size on paper. Usage: print-check.sh KVENV.EXE PRINT_JOB.EXE
set -euo pipefail
here=$(dirname "$0")
lines=150  # as PrintJobTests.cpp writes them: "L001 ... 001" to "L150 ... 150"
title="KVMemo - print check"

fail() { echo "print-check: $*" >&2; exit 1; }

# shellcheck source=SCRIPTDIR/print-pdf-job.sh
. "$here/print-pdf-job.sh"
print_pdf_job "$title" "$1" "$2"

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

# The picture heads page 1, stretched to 2.5 by 1.25 inches of the screen: rendered at 72 dpi
# its four quadrants together cover 180 by 90 pixels, red at the top left and yellow at the
# bottom right. Drawn at the printer's pixels as if they were the screen's, it would be
# about a third as large.
ppm=$(mktemp -d)
trap 'rm -rf "$ppm"' EXIT
pdftoppm -r 72 -f 1 -l 1 -x 0 -y 0 -W 595 -H 300 -singlefile "$pdf" "$ppm/page"
od -An -v -tu1 "$ppm/page.ppm" | awk '
  function grow(k, x, y) {
    if (!(k in left) || x < left[k]) left[k] = x
    if (!(k in top) || y < top[k]) top[k] = y
    if (!(k in right) || x > right[k]) right[k] = x
    if (!(k in bottom) || y > bottom[k]) bottom[k] = y
  }
  function near(got, want) { return got >= want - 2 && got <= want + 2 }
  {
    for (i = 1; i <= NF; i++) {
      if (newlines < 3) {  # the header: "P6", width and height, 255
        if ($i == 10) newlines++
        header = header ($i == 10 ? " " : sprintf("%c", $i))
        if (newlines == 2 && width == "") { split(header, f, " "); width = f[2] }
        continue
      }
      rgb[n++ % 3] = $i
      if (n % 3) continue
      x = (n / 3 - 1) % width; y = int((n / 3 - 1) / width)
      r = rgb[0]; g = rgb[1]; b = rgb[2]; k = ""
      if (r > 200 && g < 60 && b < 60) k = "red"
      else if (r < 60 && g > 110 && g < 210 && b < 60) k = "green"
      else if (r < 60 && g < 60 && b > 200) k = "blue"
      else if (r > 200 && g > 150 && g < 240 && b < 60) k = "yellow"
      if (k != "") { grow(k, x, y); grow("all", x, y) }
    }
  }
  END {
    if (!("red" in left) || !("yellow" in left)) { print "no picture on page 1"; exit 1 }
    w = right["all"] - left["all"] + 1; h = bottom["all"] - top["all"] + 1
    printf "picture %dx%d pixels at 72 dpi, red quadrant %dx%d\n", w, h,
           right["red"] - left["red"] + 1, bottom["red"] - top["red"] + 1
    if (!near(w, 180) || !near(h, 90)) exit 1
    if (!near(left["red"], left["all"]) || !near(top["red"], top["all"])) exit 1
    if (!near(right["red"] - left["red"] + 1, 90) || !near(bottom["red"] - top["red"] + 1, 45)) exit 1
    if (!near(right["yellow"], right["all"]) || !near(bottom["yellow"], bottom["all"])) exit 1
  }' || fail "the stretched picture is not 2.5 by 1.25 inches, red at its top left, on page 1"
echo "print-check: the stretched picture printed at its size on paper"
