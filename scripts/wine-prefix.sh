#!/usr/bin/env bash
# Creates the build tree's Wine prefix once: Japanese font replacements for the face
# names memos use, so text under Wine looks as it does on Windows, and the ".kvm"
# association with the build's KVMemo.exe, as an installer makes it on Windows: links,
# Open and Help reach another memo window through the shell.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
[ -f "$WINEPREFIX/.kv-ready-2" ] && exit 0
mkdir -p "$WINEPREFIX"
"$KV_WINE" wineboot -i >/dev/null 2>&1 || true
reg=$(mktemp --suffix=.reg)
# The program's Windows path, its backslashes doubled for the .reg text.
kvmemo=$(printf 'Z:%s' "$KV_BUILD/bin/KVMemo.exe" | sed 's|/|\\\\|g')
cat > "$reg.utf8" <<REG
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"ＭＳ Ｐ明朝"="IPAPMincho"
"ＭＳ 明朝"="IPAMincho"
"MS UI Gothic"="IPAPGothic"
"MS Shell Dlg"="IPAPGothic"

[HKEY_CLASSES_ROOT\.kvm]
@="KVMemo.Document"

[HKEY_CLASSES_ROOT\KVMemo.Document\shell\open\command]
@="\"$kvmemo\" \"%1\""
REG
{ printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$reg.utf8"; } > "$reg"
"$KV_WINE" regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1
rm -f "$reg" "$reg.utf8"
/usr/lib/wine/wineserver -w
touch "$WINEPREFIX/.kv-ready-2"
