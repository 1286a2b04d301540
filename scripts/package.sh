#!/usr/bin/env bash
# Packages one architecture's build: <out>/KVMemo-<arch>-setup.exe (NSIS) and
# <out>/KVMemo-<arch>.zip, both holding the program folder as the programs expect it:
# KVMemo.exe, KVObj.dll, KVOption.exe, ImagePane.dll, Susie\imgfilt.spi and help\ (the help
# memos are the same for both architectures; the x86_64 build writes them).
# Usage: package.sh <x86_64|i686> <output folder>
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
arch=$1 out=$2
bin=$root/build/$arch/bin
"$root/scripts/check-modules.sh" "$bin" "$arch-w64-mingw32-objdump"
stage=$out/stage-$arch/KVMemo
rm -rf "$out/stage-$arch" "$out/KVMemo-$arch-setup.exe" "$out/KVMemo-$arch.zip"
mkdir -p "$stage/Susie" "$stage/help"
cp "$bin/KVMemo.exe" "$bin/KVObj.dll" "$bin/KVOption.exe" "$bin/ImagePane.dll" "$stage/"
cp "$bin/Susie/imgfilt.spi" "$stage/Susie/"
cp "$root"/build/x86_64/bin/help/*.kvm "$stage/help/"
# The installer carries the modules' version and names (written by CMake from VERSION) and
# asks running memo windows to close with the editor's own close-all command.
header=$root/build/$arch/generated/KVVersion.h
define() { sed -n "s/^#define $1 \"\(.*\)\"$/\1/p" "$header"; }
numbers=$(sed -n 's/^#define KV_VERSION_NUMBERS //p' "$header" | tr -d ' ' | tr , .)
close_all=$(sed -n 's/^#define ID_FILE_CLOSE_ALL \([0-9]*\)$/\1/p' "$root/memo/resource.h")
[ -n "$numbers" ] && [ -n "$close_all" ] || { echo "package: no version or close-all id" >&2; exit 1; }
makensis -V2 -INPUTCHARSET UTF8 -DARCH="$arch" -DSTAGE="$stage" \
  -DICON="$root/memo/res/KVMemo.ico" -DOUTFILE="$out/KVMemo-$arch-setup.exe" \
  -DVERSION="$(define KV_VERSION_TEXT)" -DVERSION_NUMBERS="$numbers" \
  -DPRODUCT="$(define KV_PRODUCT_NAME)" -DCOMPANY="$(define KV_COMPANY_NAME)" \
  -DCOPYRIGHT="$(define KV_COPYRIGHT)" -DCLOSE_ALL="$close_all" \
  "$root/installer/KVMemo.nsi"
(cd "$out/stage-$arch" && zip -qr "$out/KVMemo-$arch.zip" KVMemo)
rm -rf "$out/stage-$arch"
