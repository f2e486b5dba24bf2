#!/usr/bin/env bash
# The libFuzzer targets over every parser of untrusted input.
#
#   fuzz.sh build                       configure build/fuzz with clang, build, make seed corpora
#   fuzz.sh smoke SECONDS               build, then run every target SECONDS seconds in turn
#   fuzz.sh run TARGET SECONDS [ARGS]   one longer run of one target (after build; no rebuild,
#                                       so that several runs may go at once)
#
# Corpora grow in build/fuzz/corpus/<target>; crashing inputs land in build/fuzz/artifacts/.
# Any crash, leak, timeout or memory limit hit makes the script fail.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"
targets=(fuzz_image_import fuzz_manifest fuzz_project_package)

# Per-input bounds: past these an input counts as a bug, not as slow luck.
limits=(-rss_limit_mb=2048 -malloc_limit_mb=512 -timeout=60)

configure_and_build() {
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
    -DTESSERLY_FUZZ=ON -DTESSERLY_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" --target "${targets[@]}" fuzz_seed_maker -- -j"${TESSERLY_JOBS:-2}"
  bash "$root/scripts/make-fuzz-seeds.sh" "$build"
}

# The extra options each target wants.
target_options() {
  case "$1" in
    fuzz_image_import) echo "-max_len=32768" ;;
    fuzz_manifest) echo "-max_len=16384 -dict=$root/fuzz/manifest.dict" ;;
    fuzz_project_package) echo "-max_len=32768 -dict=$root/fuzz/manifest.dict" ;;
  esac
}

run_target() {
  local target=$1 seconds=$2
  shift 2
  local corpus="$build/corpus/$target" artifacts="$build/artifacts/$target"
  mkdir -p "$corpus" "$artifacts"
  echo "== $target for ${seconds}s"
  # shellcheck disable=SC2046
  QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.gui.imageio.warning=false" ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=0}" \
    "$build/fuzz/$target" "${limits[@]}" $(target_options "$target") -max_total_time="$seconds" \
    -print_final_stats=1 -artifact_prefix="$artifacts/" "$@" "$corpus" "$build/seeds/${target#fuzz_}"
}

command=${1:-}
case "$command" in
  build)
    configure_and_build
    ;;
  smoke)
    seconds=${2:-60}
    configure_and_build
    for target in "${targets[@]}"; do
      run_target "$target" "$seconds"
    done
    echo "fuzz smoke: every target ran ${seconds}s without a finding"
    ;;
  run)
    target=${2:?target name}
    seconds=${3:?seconds}
    shift 3
    run_target "$target" "$seconds" "$@"
    ;;
  *)
    echo "usage: $0 build | smoke SECONDS | run TARGET SECONDS [libFuzzer options]" >&2
    exit 2
    ;;
esac
