#!/usr/bin/env bash
# Starts Kestrova.exe as a user would, waits for its main window, saves a
# screenshot of the screen for review and closes the program.
#   tests/e2e/screenshot.sh BUILD_DIR [WINDOW_TITLE]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "$1" && pwd)
title=${2:-Kestrova}
prefix="$build/wineprefix"
shots="$build/screenshots"
mkdir -p "$shots"

"$root/tools/wine-run" --prefix "$prefix" "$build/Kestrova.exe" &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT

display=${DISPLAY:-}
found=""
for _ in $(seq 300); do
  [ -n "$display" ] || display=$(cat "$prefix/.xvfb-display" 2>/dev/null || true)
  if [ -n "$display" ] && xwininfo -display "$display" -root -tree 2>/dev/null | grep -q "\"$title\""; then
    found=yes; break
  fi
  sleep 0.1
done
[ -n "$found" ] || { echo "no window titled \"$title\" appeared" >&2; exit 1; }
sleep 1   # let it paint
import -display "$display" -window root "$shots/kestrova.png"
echo "screenshot: $shots/kestrova.png"
