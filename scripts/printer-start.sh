#!/usr/bin/env bash
# Starts CUPS with the cups-pdf queue KVPDF as the default printer, which Wine offers to
# programs as their default printer; a print job lands as /var/spool/cups-pdf/<user>/<job
# title>.pdf (spaces become underscores). Safe to run again: it only does what is missing.
set -euo pipefail

conf=/etc/cups/cups-pdf.conf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
out='/var/spool/cups-pdf/${USER}'

# One fixed output folder keeps test output out of home folders (Debian writes to ~/PDF).
# The backend reads this file for every job, so a running cupsd needs no reload.
if ! grep -qxF "Out $out" "$conf"; then
  sed -i '/^Out /d' "$conf"
  echo "Out $out" >> "$conf"
fi

# lpstat -r succeeds either way; only its words tell.
scheduler_running() { LC_ALL=C lpstat -r 2>/dev/null | grep -qx 'scheduler is running'; }
if ! scheduler_running; then
  cupsd </dev/null >/dev/null 2>&1
  for _ in $(seq 50); do scheduler_running && break; sleep 0.1; done
  scheduler_running || { echo "printer-start: cupsd did not start" >&2; exit 1; }
fi

if ! lpstat -p KVPDF >/dev/null 2>&1; then
  # lpadmin warns that printer drivers are deprecated; only a failure is worth showing.
  log=$(lpadmin -p KVPDF -v cups-pdf:/ -E -P "$ppd" 2>&1) || { echo "$log" >&2; exit 1; }
fi
# Files are named after the job's title as CUPS has it, with no job number added: the title
# the backend would read from the PostScript itself may carry stray bytes after it.
lpadmin -p KVPDF -o TitlePref=1 -o Label=0
LC_ALL=C lpstat -d 2>/dev/null | grep -q ': KVPDF$' || lpadmin -d KVPDF
