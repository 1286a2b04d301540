#!/usr/bin/env bash
# The installer test (CTest runs it): packages the x86_64 build, installs it
# silently in a fresh Wine prefix, opens a memo through the .kvm association and follows its
# link to a second memo, then uninstalls and checks that the user's files stay.
# Usage: installer-test.sh <x86_64 build folder>
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
work=$build/installer-test
prefix=$build/installer-prefix
fail() { echo "installer-test: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work/src"
"$root/scripts/package.sh" x86_64 "$work"
# Two memos made by the help tool (in the build's prefix): the first is a link to the second.
printf 'title: 入口\n[link=target.kvm]リンク先へ[/link]\n' > "$work/src/entry.txt"
printf 'title: リンク先\nリンクでここに来ました。\n' > "$work/src/target.txt"
KV_BUILD=$build "$root/scripts/wine-run.sh" "$build/bin/kvenv.exe" "$build/bin/HelpGen.exe" \
  "$work/src" "$work/memos" target entry

# From here on everything runs in a prefix of its own, as on a machine that never saw KVMemo.
export WINEPREFIX=$prefix WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
wine=/usr/lib/wine/wine64
# A display of its own: another prefix's windows and clipboard on the tests' display would
# mix with theirs (X selections are shared between prefixes).
DISPLAY=$("$root/scripts/xvfb-start.sh" "$work/xvfb.pid")
export DISPLAY
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; "$root/scripts/xvfb-stop.sh" "$work/xvfb.pid"' EXIT
/usr/lib/wine/wineserver -k 2>/dev/null || true
rm -rf "$prefix"
"$wine" wineboot -i >/dev/null 2>&1 || true
reg=$work/fonts.reg
{ printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE <<'REG'; } > "$reg"
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"ＭＳ Ｐ明朝"="IPAPMincho"
"ＭＳ 明朝"="IPAMincho"
"MS UI Gothic"="IPAPGothic"
"MS Shell Dlg"="IPAPGothic"
REG
"$wine" regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1

profile=$(ls -d "$prefix"/drive_c/users/*/AppData/Local 2>/dev/null | grep -v /Public/ | head -1)
profile=${profile%/AppData/Local}
user=$(basename "$profile")
[ -n "$user" ] || fail "the fresh prefix has no user profile"

# Installs in one mode (/CURRENTUSER or /ALLUSERS) and checks files, Start menu and .kvm.
# Sets home (Unix), winhome (Windows), menu and the registry root key.
install() {
  "$wine" "Z:${work//\//\\}\\KVMemo-x86_64-setup.exe" /S "$1" >/dev/null 2>&1 ||
    fail "the installer failed ($1)"
  if [ "$1" = /ALLUSERS ]; then
    home="$prefix/drive_c/Program Files/KVMemo" winhome='C:\Program Files\KVMemo' key=HKLM
    menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/KVMemo"
  else
    home=$profile/AppData/Local/Programs/KVMemo key=HKCU
    winhome="C:\\users\\$user\\AppData\\Local\\Programs\\KVMemo"
    menu="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/KVMemo"
  fi
  for f in KVMemo.exe KVObj.dll KVOption.exe ImagePane.dll Susie/imgfilt.spi help/help.kvm \
           help/keys.kvm Uninstall.exe; do
    [ -f "$home/$f" ] || fail "$f was not installed ($1)"
  done
  for f in KVMemo.lnk "KVMemo オプション.lnk" "KVMemo ヘルプ.lnk"; do
    [ -f "$menu/$f" ] || fail "no Start menu entry $f ($1)"
  done
  "$wine" reg query "$key\\Software\\Classes\\KVMemo.Document\\shell\\open\\command" 2>/dev/null |
    grep -qF "$winhome\\KVMemo.exe" || fail ".kvm does not open with the installed KVMemo.exe ($1)"
}

# Uninstalls silently and checks that what was installed went and the user's files stayed.
uninstall() {
  "$wine" "$winhome\\Uninstall.exe" /S >/dev/null 2>&1 || fail "the uninstaller failed"
  /usr/lib/wine/wineserver -w  # the uninstaller finishes from a copy of itself
  [ ! -e "$home" ] || fail "the program folder is left: $(cd "$home" && find . | tr '\n' ' ')"
  [ ! -e "$menu" ] || fail "the Start menu entries are left"
  ! "$wine" reg query "$key\\Software\\Classes\\.kvm" >/dev/null 2>&1 || fail ".kvm is still registered"
  ! "$wine" reg query "$key\\Software\\Classes\\KVMemo.Document" >/dev/null 2>&1 ||
    fail "KVMemo.Document is still registered"
  [ -f "$profile/Kavelo/Data/00000000.kvm" ] && [ -f "$profile/Kavelo/Config/Kavelo.ini" ] ||
    fail "the uninstaller removed the user's memos or settings"
}

# The user's memos and settings, which the uninstaller must leave.
mkdir -p "$profile/Kavelo/Data" "$profile/Kavelo/Config"
cp "$work/memos/entry.kvm" "$profile/Kavelo/Data/00000000.kvm"
printf '[Title]\r\nUseDocName=1\r\n' > "$profile/Kavelo/Config/Kavelo.ini"

install /CURRENTUSER
uninstall
# Wine's shell reads associations from HKLM only, so the shell is tried on an all-users install.
install /ALLUSERS
"$wine" "Z:${build//\//\\}\\bin\\InstalledMemo.exe" "Z:${work//\//\\}\\memos\\entry.kvm" \
  "$winhome\\KVMemo.exe" || fail "the memo did not open and follow its link"
uninstall
echo "installer-test: installed for one user and for all users, opened through the association, followed a link, uninstalled"
