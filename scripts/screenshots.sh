#!/bin/sh
# Photographs the real board window, menu bar included, at 1366 × 736 (a 1366 × 768 laptop screen
# less a 32-pixel desktop panel) under a virtual X display and writes the pictures to
# docs/screenshots/: the empty board; ten photos with the keyboard focus on the strip, in the light
# and the dark appearance; the busy overlay; the error, quick guide, unsaved-changes and
# save-conflict alerts. The About and Settings windows come from scripts/screenshots-app.sh.
#
# Needs: xvfb (Xvfb). Builds the tesserly_screenshots tool in the build directory (default
# build/dev, configured here with the tests on when it does not exist yet).
# Usage: scripts/screenshots.sh [build-directory]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build/dev"}
out="$root/docs/screenshots"

command -v Xvfb >/dev/null || { echo "Xvfb is missing: apt-get install xvfb" >&2; exit 1; }
if [ ! -f "$build/CMakeCache.txt" ]; then
    generator=
    command -v ninja >/dev/null && generator="-G Ninja"
    launcher=
    command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    # shellcheck disable=SC2086 # the two options are meant to split or vanish
    cmake -S "$root" -B "$build" $generator $launcher -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSERLY_TESTS=ON
fi
cmake --build "$build" --target tesserly_screenshots

display=:$((90 + $$ % 100))
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT INT TERM
sleep 1

mkdir -p "$out"
DISPLAY=$display QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 "$build/tools/tesserly_screenshots" "$out"
