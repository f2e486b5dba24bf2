#!/usr/bin/env bash
# Writes the fuzzers' seed corpora (made locally by fuzz_seed_maker: nothing is downloaded)
# into BUILD/seeds/<target without the fuzz_ prefix>.
#   make-fuzz-seeds.sh [BUILD]    BUILD defaults to build/fuzz
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build/fuzz"}
rm -rf "$build/seeds"
mkdir -p "$build/seeds"
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$build/fuzz/fuzz_seed_maker" "$build/seeds"
for folder in "$build"/seeds/*; do
  echo "seeds: $(basename "$folder"): $(find "$folder" -type f | wc -l) files"
done
