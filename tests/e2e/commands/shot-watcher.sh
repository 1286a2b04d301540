#!/usr/bin/env bash
# Takes the screenshots memo_command_tests asks for: run it beside the tests with the same
# folder, and the tests with KV_SHOT_DIR set to that folder's Windows path (Z:\...).
# Usage: DISPLAY=:N shot-watcher.sh FOLDER   (stop it with kill when the tests are done)
set -u
folder=${1:?usage: shot-watcher.sh FOLDER}
mkdir -p "$folder"
while true; do
  for want in "$folder"/*.want; do
    [ -e "$want" ] || continue
    import -window root "${want%.want}.png"
    rm -f "$want"
  done
  sleep 0.1
done
