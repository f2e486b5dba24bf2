#!/usr/bin/env bash
# Export benchmark: Tesserly's renderer against ImageMagick's montage and a libvips pipeline, all
# making a 6-column contact sheet of the same 60 photographs of 4000 x 3000.
#
#   scripts/bench.sh BENCH_BUILD_DIR        (make bench calls it with build/bench)
#
# Each figure is the best of $RUNS runs (default 3), each run its own process: wall time and peak
# resident memory come from GNU time, so every tool is measured the same way. The machine may be
# shared, so the CPU time (user + system) is printed too. The photos are generated once with
# ImageMagick and cached in ~/.cache/tesserly-bench.
set -euo pipefail

build=${1:?usage: scripts/bench.sh BENCH_BUILD_DIR}
runs=${RUNS:-3}
photos=${TESSERLY_BENCH_PHOTOS:-$HOME/.cache/tesserly-bench}
convert=/usr/bin/convert
for tool in "$convert" /usr/bin/montage /usr/bin/vips /usr/bin/vipsthumbnail; do
  [ -x "$tool" ] || { echo "missing $tool (make bench installs imagemagick and libvips-tools)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$photos"
missing=()
for index in $(seq -w 1 60); do
  [ -s "$photos/photo-$index.jpg" ] || missing+=("$index")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Generating ${#missing[@]} photographs of 4000 x 3000 in $photos (once)…"
  printf '%s\n' "${missing[@]}" | xargs -P 2 -I{} sh -c \
    '"$1" -size 4000x3000 -seed "$2" plasma: -quality 90 "$3/photo-$2.jpg.part.jpg" && mv "$3/photo-$2.jpg.part.jpg" "$3/photo-$2.jpg"' \
    sh "$convert" {} "$photos"
fi
inputs=()
for index in $(seq -w 1 60); do inputs+=("$photos/photo-$index.jpg"); done

# One run: "wall cpu peak_kb" of a command and its children, from GNU time or else from Python's
# resource module (both report the children's getrusage).
run_once() {
  if [ -x /usr/bin/time ]; then
    local report
    if ! report=$(/usr/bin/time -f '%e %U %S %M' "$@" 2>&1 >/dev/null); then
      echo "failed"
      return
    fi
    tail -n 1 <<<"$report" | awk '{ printf "%.2f %.2f %d\n", $1, $2 + $3, $4 }'
  else
    python3 - "$@" <<'PY'
import resource, subprocess, sys, time
start = time.monotonic()
if subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode != 0:
    print("failed")
    sys.exit(0)
usage = resource.getrusage(resource.RUSAGE_CHILDREN)
print("%.2f %.2f %d" % (time.monotonic() - start, usage.ru_utime + usage.ru_stime, usage.ru_maxrss))
PY
  fi
}

# Runs a command $runs times; prints "wall cpu peak_kb" of the fastest run, or "failed".
measure() {
  local best=""
  for _ in $(seq "$runs"); do
    local line
    line=$(run_once "$@")
    if [ "$line" = failed ]; then
      echo "failed - -"
      return
    fi
    if [ -z "$best" ] || awk -v a="${line%% *}" -v b="${best%% *}" 'BEGIN { exit !(a < b) }'; then
      best=$line
    fi
  done
  echo "$best"
}

vips_pipeline() {
  rm -rf "$work/thumbs" && mkdir "$work/thumbs"
  vipsthumbnail "${inputs[@]}" --size 388x291 -o "$work/thumbs/%s.v"
  local joined=()
  for index in $(seq -w 1 60); do joined+=("$work/thumbs/photo-$index.v"); done
  vips arrayjoin "${joined[*]}" "$work/vips.png" --across 6 --shim 24
}
export -f vips_pipeline
export work
inputs_text="${inputs[*]}"

bench_render="$build/bench/bench_render"
[ -x "$bench_render" ] || bench_render="$build/bench_render"
[ -x "$bench_render" ] || { echo "bench_render not built in $build" >&2; exit 1; }

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores; best of $runs runs"
if [ -x "$build/bench/bench_import" ]; then
  echo "== bench_import"
  "$build/bench/bench_import" || echo "bench_import failed"
fi
if [ -x "$build/bench/bench_ui_preview" ]; then
  echo "== bench_ui_preview"
  QT_QPA_PLATFORM=offscreen "$build/bench/bench_ui_preview" || echo "bench_ui_preview failed"
fi

declare -A wall cpu peak size
record() {
  local name=$1 file=$2
  shift 2
  read -r wall[$name] cpu[$name] peak[$name] < <(measure "$@")
  size[$name]=$(stat -c %s "$file" 2>/dev/null || echo 0)
}
record png "$work/board.png" "$bench_render" png "$work/board.png" "$photos"
record pdf "$work/board.pdf" "$bench_render" pdf "$work/board.pdf" "$photos"
record montage_hint "$work/montage-hint.png" \
  montage -define jpeg:size=776x582 "${inputs[@]}" -tile 6x -geometry 388x291+12+12 "$work/montage-hint.png"
# Without the hint montage decodes every photo at full size before laying them out; Debian's
# ImageMagick resource policy may refuse that, which is reported as "failed". One run is enough.
runs_before=$runs
runs=1
record montage "$work/montage.png" montage "${inputs[@]}" -tile 6x -geometry 388x291+12+12 "$work/montage.png"
runs=$runs_before
record vips "$work/vips.png" bash -c 'inputs=($0); vips_pipeline' "$inputs_text"

echo "== bench_render (one process per figure; peak includes the 60 photos' bytes held in memory)"
printf '%-34s %8s %9s %9s %11s\n' "export" "wall s" "cpu s" "peak MB" "file bytes"
for name in png pdf montage_hint montage vips; do
  case $name in
    png) label="Tesserly PNG" ;;
    pdf) label="Tesserly PDF" ;;
    montage_hint) label="montage -define jpeg:size=776x582" ;;
    montage) label="montage" ;;
    vips) label="vipsthumbnail + vips arrayjoin" ;;
  esac
  printf '%-34s %8s %9s %9s %11s\n' "$label" "${wall[$name]}" "${cpu[$name]}" \
    "$(awk -v k="${peak[$name]}" 'BEGIN { if (k + 0 > 0) printf "%.1f", k / 1024; else printf "-" }')" "${size[$name]}"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a + 0 > 0 && b + 0 > 0) printf "%.2f", a / b; else printf "n/a" }'; }
echo "== ratios (wall time; higher is better for Tesserly)"
echo "montage with size hint / Tesserly PNG: $(ratio "${wall[montage_hint]}" "${wall[png]}")x  (target >= 2.5)"
echo "montage / Tesserly PNG:                $(ratio "${wall[montage]}" "${wall[png]}")x"
echo "libvips pipeline / Tesserly PNG:       $(ratio "${wall[vips]}" "${wall[png]}")x  (target >= 1.5)"
echo "Tesserly PNG peak memory: $(awk -v k="${peak[png]}" 'BEGIN { printf "%.0f", k / 1024 }') MB  (target < 300)"
echo "CPU-time ratios (less sensitive to a shared machine):"
echo "  montage with size hint / Tesserly PNG: $(ratio "${cpu[montage_hint]}" "${cpu[png]}")x"
echo "  libvips pipeline / Tesserly PNG:       $(ratio "${cpu[vips]}" "${cpu[png]}")x"
