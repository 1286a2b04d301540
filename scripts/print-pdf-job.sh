# Sourced by the print checks: runs a print job under Wine on the default printer and waits
# for the PDF the cups-pdf queue writes. The caller defines fail().
# print_pdf_job TITLE KVENV PROGRAM sets $pdf (the file) and $info (what pdfinfo reports)
# once a PDF titled TITLE is there.
print_pdf_job() {
  local title=$1
  pdf="/var/spool/cups-pdf/$(id -un)/${title// /_}.pdf"  # the folder printer-start.sh sets
  LC_ALL=C lpstat -d 2>/dev/null | grep -q ': KVPDF$' ||
    fail "no default printer KVPDF; scripts/printer-start.sh sets it up (make test runs it)"
  rm -f "$pdf"  # so no PDF of an earlier run can pass
  "$(dirname "${BASH_SOURCE[0]}")/wine-run.sh" "$2" "$3"

  # The queue converts the job in the background: wait until it is done and the file is there.
  for _ in $(seq 120); do
    [ -s "$pdf" ] && [ -z "$(lpstat -o KVPDF 2>/dev/null)" ] && break
    sleep 0.5
  done
  [ -s "$pdf" ] || fail "no PDF at $pdf after 60 s"

  info=$(pdfinfo "$pdf")
  echo "$info" | grep -qx "Title: *$title" || fail "the PDF is not titled \"$title\""
}
