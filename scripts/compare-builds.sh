#!/usr/bin/env bash
# Compares two builds' KVDump on the same files after the same edit sequence: the printed
# positions of every object, the rendered picture and the saved memo must be equal.
# Usage: scripts/compare-builds.sh OLD_BUILD NEW_BUILD OUT_FOLDER FILE... (a file ending
# in .large is compared without a picture). Prints one line per file and kind.
set -u
mkdir -p "$3"
old=$(realpath "$1") new=$(realpath "$2") out=$(realpath "$3"); shift 3
export KV_BUILD=$new
windows() { echo "Z:$(realpath -m "$1" | tr / '\\')"; }
status=0
for file in "$@"; do
  name=$(basename "$file")
  for build in "$old" "$new"; do
    tag=$([ "$build" = "$old" ] && echo old || echo new)
    picture=(); [[ $name != *.large ]] && picture=(--render "$(windows "$out/$name.$tag.bmp")")
    : > "$out/$name.$tag.kvm"
    "$(dirname "$0")/wine-run.sh" "$build/bin/KVDump.exe" "$(windows "$file")" --edit "${picture[@]}" \
      --save "$(windows "$out/$name.$tag.kvm")" < /dev/null > "$out/$name.$tag.txt" 2>&1
    # Paths of the build's own programs (a sample links to one) differ by build only.
    sed -i "s|$(windows "$build" | sed 's/\\/\\\\/g')||" "$out/$name.$tag.txt"
  done
  for kind in txt kvm bmp; do
    [ -f "$out/$name.old.$kind" ] || continue
    if cmp -s "$out/$name.old.$kind" "$out/$name.new.$kind"; then
      echo "$name $kind same"
    else
      echo "$name $kind DIFFERENT"; status=1
    fi
  done
done
exit $status
