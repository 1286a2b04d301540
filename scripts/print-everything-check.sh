#!/usr/bin/env bash
# CTest's print_everything_pdf test: prints a memo holding every kind of object through the
# library on the default printer (the print_everything_job program under Wine), then checks
# the PDF the cups-pdf queue writes: the program ends normally, the text of the memo and of
# the memos opened in place is on the page, and every picture is: the links' icons, the
# picture file and the plug-in's picture opened in place, and the pasted bitmap.
# Usage: print-everything-check.sh KVENV PROGRAM
set -euo pipefail
here=$(dirname "$0")
title="KVMemo - everything check"
# Icons of 9 links (two memos, a figure memo, a text file, a file, a folder, an address, a
# picture, a plug-in file), the picture, the plug-in's picture, the figure's bitmap and the
# pasted bitmap.
pictures=13

fail() { echo "print-everything-check: $*" >&2; exit 1; }

# shellcheck source=SCRIPTDIR/print-pdf-job.sh
. "$here/print-pdf-job.sh"
print_pdf_job "$title" "$1" "$2"

text=$(pdftotext -layout "$pdf" -)
for line in "EVERYTHING E001" "INNER MEMO M001" "SECOND LINE M002" "win.ini" "example.com" \
            "EVERYTHING END E999"; do
  echo "$text" | grep -q "$line" || fail "\"$line\" is not printed"
done
found=$(pdfimages -list "$pdf" | awk 'NR > 2' | wc -l)
echo "print-everything-check: $found pictures"
[ "$found" -ge "$pictures" ] || fail "$found pictures printed, $pictures expected"
echo "print-everything-check: the text and the $pictures pictures are printed"
