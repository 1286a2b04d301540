# Sourced by the other scripts: the Wine environment of one build tree.
# KV_BUILD may be set by the caller; the default is the x86_64 build folder.
KV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export KV_BUILD=${KV_BUILD:-$KV_ROOT/build/x86_64}
export WINEPREFIX=$KV_BUILD/wineprefix
export WINEDEBUG=-all
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes the ANSI code page from the locale: ja_JP.UTF-8 gives code page 932.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# The wine wrapper may pick a 32-bit loader; only 64-bit programs run on these machines.
export KV_WINE=/usr/lib/wine/wine64
