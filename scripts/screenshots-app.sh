#!/usr/bin/env bash
# Screenshots of the About and Settings windows, taken from the real application under a
# private X server: docs/screenshots/about.png and docs/screenshots/settings.png.
# Usage: scripts/screenshots-app.sh [path/to/tesserly]   (default: build/release/tesserly)
# Needs Xvfb, xdotool and ImageMagick's import (apt-get install xvfb xdotool imagemagick).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
binary=${1:-$root/build/release/tesserly}
out=$root/docs/screenshots
[ -x "$binary" ] || { echo "no application at $binary (run make run or make build first)" >&2; exit 1; }
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done

work=$(mktemp -d)
display=:$((90 + RANDOM % 400))
xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# A fresh settings folder: the shots show the default appearance, whatever this machine chose.
export XDG_CONFIG_HOME=$work/config
export ASAN_OPTIONS=detect_leaks=0
"$binary" >"$work/app.log" 2>&1 &
app_pid=$!

wait_for_window() { # name pattern -> window id
  local id=
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "window '$1' did not appear; application log:" >&2
  cat "$work/app.log" >&2
  return 1
}

board=$(wait_for_window ' — Tesserly$')
sleep 1
xdotool windowfocus --sync "$board"

# Help ▸ About Tesserly: the last item of the Help menu.
xdotool key --window "$board" alt+h
sleep 0.5
xdotool key Up Return
about=$(wait_for_window '^About Tesserly$')
sleep 1
import -window "$about" "$out/about.png"

# Edit ▸ Settings… through its shortcut.
xdotool windowfocus --sync "$board"
xdotool key --window "$board" ctrl+comma
settings=$(wait_for_window '^Tesserly Settings$')
sleep 1
import -window "$settings" "$out/settings.png"

echo "wrote $out/about.png and $out/settings.png"
