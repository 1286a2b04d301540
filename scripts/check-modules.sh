#!/usr/bin/env bash
# Checks the deliverables of one build's bin/ folder: every module is there, imports only
# DLLs a plain Windows has (or KVObj.dll beside it), never a mingw runtime DLL, carries no
# symbol table, and has a version resource with the version in VERSION and the product,
# company and copyright strings.
# Usage: check-modules.sh <bin folder> <objdump>
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$1 objdump=$2
version=$(head -1 "$root/VERSION")
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|oleaut32|imm32|advapi32|winspool\.drv|msvcrt|kvobj)(\.dll)?$'
status=0
complain() { echo "check-modules: $*" >&2; status=1; }

# The version resource's strings are UTF-16: each key is followed by its value.
check_version() {
  local texts
  texts=$(strings -el "$bin/$1")
  for key in FileVersion ProductVersion; do
    grep -A1 -x "$key" <<<"$texts" | grep -qx "$version" || complain "$1 has no $key $version"
  done
  for key in ProductName CompanyName LegalCopyright FileDescription; do
    grep -qx "$key" <<<"$texts" || complain "$1 has no $key in its version resource"
  done
}

for module in KVMemo.exe KVObj.dll KVOption.exe ImagePane.dll imgfilt.spi Susie/imgfilt.spi; do
  if [ ! -f "$bin/$module" ]; then
    complain "$bin/$module is missing"; continue
  fi
  while read -r dll; do
    if ! tr 'A-Z' 'a-z' <<<"$dll" | grep -Eq "$allowed"; then
      complain "$module needs $dll, which a Windows machine does not have"
    fi
  done < <("$objdump" -p "$bin/$module" | sed -n 's/^\s*DLL Name: //p')
  if "$objdump" -f "$bin/$module" | grep -q 'HAS_SYMS'; then
    complain "$module is not stripped"
  fi
  check_version "$module"
done
exit $status
