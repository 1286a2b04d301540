#!/usr/bin/env bash
# The installer test (CTest runs it): packages the x86_64 build, installs it silently in a
# fresh Wine prefix, upgrades it over running memo windows, installs it for all users over
# the per-user installation and back (one uninstall entry each time), opens a memo through
# the .kvm association and follows its link to a second memo, then uninstalls and checks
# that the user's files stay.
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

version=$(head -1 "$root/VERSION")
setup_exe="Z:${work//\//\\}\\KVMemo-x86_64-setup.exe"
driver() { "$wine" "Z:${build//\//\\}\\bin\\InstalledMemo.exe" "$@"; }
stop_memos() { driver stop | tr -d '\r'; }

# Where one mode (/CURRENTUSER or /ALLUSERS) installs: home (Unix), winhome (Windows), menu,
# the registry root key and the uninstall entry.
scope() {
  if [ "$1" = /ALLUSERS ]; then
    home="$prefix/drive_c/Program Files/KVMemo" winhome='C:\Program Files\KVMemo' key=HKLM
    menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/KVMemo"
  else
    home=$profile/AppData/Local/Programs/KVMemo key=HKCU
    winhome="C:\\users\\$user\\AppData\\Local\\Programs\\KVMemo"
    menu="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/KVMemo"
  fi
  entry="$key\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\KVMemo"
}

# Installs in one mode and checks files, Start menu, .kvm and the uninstall entry.
install() {
  "$wine" "$setup_exe" /S "$1" >/dev/null 2>&1 || fail "the installer failed ($1)"
  scope "$1"
  for f in KVMemo.exe KVObj.dll KVOption.exe ImagePane.dll Susie/imgfilt.spi help/help.kvm \
           help/keys.kvm Uninstall.exe; do
    [ -f "$home/$f" ] || fail "$f was not installed ($1)"
  done
  for f in KVMemo.lnk "KVMemo オプション.lnk" "KVMemo ヘルプ.lnk"; do
    [ -f "$menu/$f" ] || fail "no Start menu entry $f ($1)"
  done
  "$wine" reg query "$key\\Software\\Classes\\KVMemo.Document\\shell\\open\\command" 2>/dev/null |
    grep -qF "$winhome\\KVMemo.exe" || fail ".kvm does not open with the installed KVMemo.exe ($1)"
  local fields
  fields=$("$wine" reg query "$entry" 2>/dev/null | tr -d '\r')
  grep -Eq "DisplayVersion\s+REG_SZ\s+$version\$" <<<"$fields" || fail "the entry has no DisplayVersion $version"
  grep -Eq 'Publisher\s+REG_SZ\s+\S' <<<"$fields" || fail "the entry has no Publisher"
  local size
  size=$(sed -n 's/.*EstimatedSize\s*REG_DWORD\s*0x\([0-9a-f]*\).*/\1/p' <<<"$fields")
  [ -n "$size" ] && [ $((16#$size)) -gt 500 ] || fail "the entry's EstimatedSize is not the program's (${size:-none})"
}

# What one mode installed is gone: folder, Start menu, association and uninstall entry.
removed() {
  scope "$1"
  [ ! -e "$home" ] || fail "the program folder is left: $(cd "$home" && find . | tr '\n' ' ')"
  [ ! -e "$menu" ] || fail "the Start menu entries are left ($1)"
  ! "$wine" reg query "$key\\Software\\Classes\\.kvm" >/dev/null 2>&1 || fail ".kvm is still registered ($1)"
  ! "$wine" reg query "$key\\Software\\Classes\\KVMemo.Document" >/dev/null 2>&1 ||
    fail "KVMemo.Document is still registered ($1)"
  ! "$wine" reg query "$entry" >/dev/null 2>&1 || fail "the uninstall entry is left ($1)"
}

# Uninstalls silently and checks that what was installed went and the user's files stayed.
uninstall() {
  scope "$1"
  "$wine" "$winhome\\Uninstall.exe" /S >/dev/null 2>&1 || fail "the uninstaller failed"
  /usr/lib/wine/wineserver -w  # the uninstaller finishes from a copy of itself
  removed "$1"
  [ -f "$profile/Kavelo/Data/00000000.kvm" ] && [ -f "$profile/Kavelo/Config/Kavelo.ini" ] ||
    fail "the uninstaller removed the user's memos or settings"
}

# A silent upgrade over running memo windows: one without changes is closed and the files
# are replaced; one with changes is left asking its user, and the install (and an
# uninstall) fails with the old files in place. An appended mark tells the old KVMemo.exe
# from the new one.
upgrade_over_running() {
  scope /CURRENTUSER
  local memo="Z:${work//\//\\}\\memos\\entry.kvm"
  printf old >> "$home/KVMemo.exe"
  driver start "$winhome\\KVMemo.exe" "$memo" || fail "the installed KVMemo did not start"
  "$wine" "$setup_exe" /S /CURRENTUSER >/dev/null 2>&1 || fail "the upgrade over an unchanged memo failed"
  [ "$(stop_memos)" = 0 ] || fail "the upgrade left the unchanged memo open"
  unzip -p "$work/KVMemo-x86_64.zip" KVMemo/KVMemo.exe | cmp -s - "$home/KVMemo.exe" ||
    fail "the upgrade left the old KVMemo.exe"
  printf old >> "$home/KVMemo.exe"
  driver start "$winhome\\KVMemo.exe" "$memo" edit || fail "the installed KVMemo did not start"
  ! "$wine" "$setup_exe" /S /CURRENTUSER >/dev/null 2>&1 ||
    fail "the upgrade reported success while a memo with changes was open"
  [ "$(tail -c 3 "$home/KVMemo.exe")" = old ] || fail "the failed upgrade replaced KVMemo.exe"
  # _? keeps the uninstaller in place, so its exit code is its own.
  ! "$wine" "$winhome\\Uninstall.exe" /S "_?=$winhome" >/dev/null 2>&1 ||
    fail "the uninstaller reported success while a memo with changes was open"
  [ -f "$home/KVMemo.exe" ] && "$wine" reg query "$entry" >/dev/null 2>&1 ||
    fail "the uninstaller removed the installation while a memo with changes was open"
  [ "$(stop_memos)" = 1 ] || fail "the memo with changes was closed without its user"
}

strings -el "$work/KVMemo-x86_64-setup.exe" | grep -A1 -x ProductVersion | grep -qx "$version" ||
  fail "the installer carries no ProductVersion $version"

# The user's memos and settings, which the uninstaller must leave.
mkdir -p "$profile/Kavelo/Data" "$profile/Kavelo/Config"
cp "$work/memos/entry.kvm" "$profile/Kavelo/Data/00000000.kvm"
printf '[Title]\r\nUseDocName=1\r\n' > "$profile/Kavelo/Config/Kavelo.ini"

install /CURRENTUSER
upgrade_over_running
# One uninstall entry: each mode replaces the other's installation.
install /ALLUSERS
removed /CURRENTUSER
# Wine's shell reads associations from HKLM only, so the shell is tried on an all-users install.
scope /ALLUSERS
driver open "Z:${work//\//\\}\\memos\\entry.kvm" "$winhome\\KVMemo.exe" ||
  fail "the memo did not open and follow its link"
install /CURRENTUSER
removed /ALLUSERS
uninstall /CURRENTUSER
echo "installer-test: installed, upgraded over running memos, switched between one user and all users with one entry, opened through the association, followed a link, uninstalled"
