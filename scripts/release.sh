#!/usr/bin/env bash
# `make release`: for each architecture one installer and one zip in build/release/, from the
# builds' bin/ folders. Both hold the program folder as the programs expect it: KVMemo.exe,
# KVObj.dll, KVOption.exe, ImagePane.dll, Susie\imgfilt.spi and help\ (the help memos are
# the same for both; the x86_64 build writes them).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/release
rm -rf "$out"
mkdir -p "$out"
for arch in x86_64 i686; do
  bin=$root/build/$arch/bin
  stage=$out/stage-$arch/KVMemo
  mkdir -p "$stage/Susie" "$stage/help"
  cp "$bin/KVMemo.exe" "$bin/KVObj.dll" "$bin/KVOption.exe" "$bin/ImagePane.dll" "$stage/"
  cp "$bin/Susie/imgfilt.spi" "$stage/Susie/"
  cp "$root"/build/x86_64/bin/help/*.kvm "$stage/help/"
  "$root/scripts/check-modules.sh" "$bin" "$arch-w64-mingw32-objdump"
  makensis -V2 -INPUTCHARSET UTF8 -DARCH="$arch" -DSTAGE="$stage" \
    -DICON="$root/memo/res/KVMemo.ico" -DOUTFILE="$out/KVMemo-$arch-setup.exe" \
    "$root/installer/KVMemo.nsi"
  (cd "$out/stage-$arch" && zip -qr "$out/KVMemo-$arch.zip" KVMemo)
done
rm -rf "$out"/stage-*
ls -l "$out"
