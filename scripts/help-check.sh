#!/bin/bash
# Checks the help against the program: every link of the help sources names a memo in the
# built help folder, every picture is beside the sources, and every key combination the
# help names (Ctrl+X, Alt+Enter, F1, ...) is in the editor's accelerator table.
# Usage: help-check.sh <help sources> <built help folder> <KVMemo.rc>
set -u
src=$1 built=$2 rc=$3
failed=0
fail() { echo "help-check: $*" >&2; failed=1; }

for page in "$src"/*.txt; do
  name=$(basename "$page")
  while read -r target; do
    [ -f "$built/$target" ] || fail "$name links to $target, which the built help lacks"
  done < <(grep -v '^#' "$page" | grep -oE '\[(link|open)=[^]]+\]' | sed -E 's/^\[(link|open)=//; s/\]$//')
  while read -r picture; do
    [ -f "$src/$picture" ] || fail "$name shows $picture, which is not beside the sources"
  done < <(grep -v '^#' "$page" | grep -oE '\[picture=[^]]+\]' | sed -E 's/^\[picture=//; s/\]$//')
done

# The table's entries as the help writes them: modifiers Ctrl, Alt, Shift in that order.
keys=$(sed -n '/ACCELERATORS/,/^END/p' "$rc" | grep -E '^\s+("|VK_)' | while IFS=, read -r key _ rest; do
  key=$(echo "$key" | tr -d ' "')
  case $key in
    VK_RETURN) key=Enter ;; VK_BACK) key=Backspace ;; VK_DELETE) key=Delete ;;
    VK_INSERT) key=Insert ;; VK_*) key=${key#VK_} ;;
  esac
  prefix=""
  [[ $rest == *SHIFT* ]] && prefix="Shift+"
  [[ $rest == *ALT* ]] && prefix="Alt+$prefix"
  [[ $rest == *CONTROL* ]] && prefix="Ctrl+$prefix"
  echo "$prefix$key"
done)
[ -n "$keys" ] || fail "no accelerator table in $rc"

while read -r named; do
  grep -qxF "$named" <<< "$keys" || fail "the help names $named, which is no accelerator"
done < <(grep -ohE '((Ctrl|Alt|Shift)\+)+[A-Za-z0-9]+|\bF[0-9]+\b' "$src"/*.txt | sort -u)

[ $failed -eq 0 ] && echo "help-check: links, pictures and keys of the help all resolve"
exit $failed
