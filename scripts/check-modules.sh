#!/usr/bin/env bash
# Checks the deliverables of one build's bin/ folder: every module is there and imports only
# DLLs a plain Windows has (or KVObj.dll beside it), never a mingw runtime DLL.
# Usage: check-modules.sh <bin folder> <objdump>
set -euo pipefail
bin=$1 objdump=$2
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|oleaut32|imm32|advapi32|winspool\.drv|msvcrt|kvobj)(\.dll)?$'
status=0
for module in KVMemo.exe KVObj.dll KVOption.exe ImagePane.dll imgfilt.spi Susie/imgfilt.spi; do
  if [ ! -f "$bin/$module" ]; then
    echo "check-modules: $bin/$module is missing" >&2; status=1; continue
  fi
  while read -r dll; do
    if ! tr 'A-Z' 'a-z' <<<"$dll" | grep -Eq "$allowed"; then
      echo "check-modules: $module needs $dll, which a Windows machine does not have" >&2
      status=1
    fi
  done < <("$objdump" -p "$bin/$module" | sed -n 's/^\s*DLL Name: //p')
done
exit $status
