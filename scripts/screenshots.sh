#!/bin/sh
# Photographs the real board window, menu bar included, at 1366 × 736 (a 1366 × 768 laptop screen
# less a 32-pixel desktop panel) under a virtual X display and writes the pictures to
# docs/screenshots/: the empty board; ten photos with the keyboard focus on the strip, in the light
# and the dark appearance; the busy overlay; the error, quick guide, unsaved-changes and
# save-conflict alerts.
#
# Needs: xvfb (Xvfb), and a configured build directory holding test_app (default build/dev).
# Usage: scripts/screenshots.sh [build-directory]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build/dev"}
out="$root/docs/screenshots"

command -v Xvfb >/dev/null || { echo "Xvfb is missing: apt-get install xvfb" >&2; exit 1; }
cmake --build "$build" --target test_app >/dev/null

display=:$((90 + $$ % 100))
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT INT TERM
sleep 1

mkdir -p "$out"
DISPLAY=$display QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 TESSERLY_SCREENSHOT_DIR="$out" \
    "$build/tests/test_app" --gtest_also_run_disabled_tests --gtest_filter='Screenshots.*'
ls -1 "$out"
