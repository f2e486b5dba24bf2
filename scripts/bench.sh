#!/usr/bin/env bash
# What users run, timed on the same 60 photographs of 4000 x 3000 in one run:
# - the `tesserly render` process end to end, making a 6-column contact sheet (PNG, PDF and a
#   .tesserly project), beside ImageMagick's montage with its size hint and a libvips pipeline
#   making the same sheet, and libjpeg's djpeg run over the photos one after another;
# - the window's flows through the board store: adding the 60 photos (thumbnails made) and
#   exporting the board as PNG (bench_store);
# - the preview repaint (bench_ui_preview) and one 10000 x 10000 PNG import (bench_import);
# - a board of 40 JPEGs and 20 PNGs, whose peak memory is compared with the bytes of its photos;
# - with BENCH_HEIC=1, twelve phone-size HEIC photos beside libvips and montage, and one
#   100-megapixel HEIC stored as a grid of tiles, as cameras write large photographs.
#
#   scripts/bench.sh BENCH_BUILD_DIR        (make bench calls it with build/bench)
#   BENCH_ONLY="window djpeg" scripts/bench.sh build/bench    only those groups of rows: jpeg
#       (tesserly, montage and libvips on the 60 JPEGs), djpeg, window, mixed, heic, extras
#       (preview repaint and the large PNG)
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
for tool in "$convert" /usr/bin/montage /usr/bin/vips /usr/bin/vipsthumbnail /usr/bin/djpeg; do
  [ -x "$tool" ] || { echo "missing $tool (make bench installs imagemagick, libvips-tools and libjpeg-turbo-progs)" >&2; exit 1; }
done
groups=${BENCH_ONLY:-jpeg djpeg window mixed extras${BENCH_HEIC:+ heic}}
wanted() { [[ " ${groups//,/ } " == *" $1 "* ]]; }
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
  local joined=() input name
  for input in "${inputs[@]}"; do
    name=$(basename "$input")
    joined+=("$work/thumbs/${name%.*}.v")
  done
  vips arrayjoin "${joined[*]}" "$work/vips.png" --across 6 --shim 24
}
export -f vips_pipeline
export work
inputs_text="${inputs[*]}"

tesserly="$build/tesserly"
[ -x "$tesserly" ] || { echo "tesserly not built in $build" >&2; exit 1; }
bench_store="$build/bench/bench_store"
board_options=(--width 2400 --columns 6 --cell-aspect landscape --captions filename)
photo_bytes=$(cat "${inputs[@]}" | wc -c)

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores; best of $runs runs"
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(awk '/MemTotal/ { printf "%.1f GB", $2 / 1048576 }' /proc/meminfo)"
if wanted extras && [ -x "$build/bench/bench_ui_preview" ]; then
  echo "== bench_ui_preview"
  QT_QPA_PLATFORM=offscreen "$build/bench/bench_ui_preview" || echo "bench_ui_preview failed"
fi
if wanted extras && [ -x "$build/bench/bench_import" ]; then
  echo "== bench_import large-png (target: peak under 200 MB)"
  "$build/bench/bench_import" make >/dev/null && "$build/bench/bench_import" large-png || echo "bench_import failed"
fi

declare -A wall cpu peak size
record() {
  local name=$1 file=$2
  shift 2
  read -r wall[$name] cpu[$name] peak[$name] < <(measure "$@")
  size[$name]=$(stat -c %s "$file" 2>/dev/null || du -sb "$file" 2>/dev/null | cut -f1 || echo 0)
}
render_project() {
  rm -rf "$work/board.tesserly"
  exec "$tesserly" render "$@" -o "$work/board.tesserly"
}
export -f render_project
export tesserly
if wanted jpeg; then
  record png "$work/board.png" "$tesserly" render "${board_options[@]}" "${inputs[@]}" -o "$work/board.png"
  record pdf "$work/board.pdf" "$tesserly" render "${board_options[@]}" "${inputs[@]}" -o "$work/board.pdf"
  record project "$work/board.tesserly" bash -c 'render_project "$@"' render_project "${board_options[@]}" "${inputs[@]}"
  record montage_hint "$work/montage-hint.png" \
    montage -define jpeg:size=776x582 "${inputs[@]}" -tile 6x -geometry 388x291+12+12 "$work/montage-hint.png"
  record vips "$work/vips.png" bash -c 'inputs=($0); vips_pipeline' "$inputs_text"
fi
if wanted djpeg; then
  record djpeg8 /dev/null bash -c 'for f; do djpeg -scale 1/8 "$f" >/dev/null; done' djpeg "${inputs[@]}"
  record djpeg2 /dev/null bash -c 'for f; do djpeg -scale 1/2 "$f" >/dev/null; done' djpeg "${inputs[@]}"
fi

# A mixed board: 40 JPEGs (3200 x 2400) and 20 PNGs (2000 x 1500) cut from the photographs.
# PNG keeps a photograph's grain, so each is about 3 MB; memory should follow these bytes.
mixed_inputs=()
if wanted mixed; then
  mkdir -p "$photos/mixed"
  for index in $(seq -w 1 60); do
    if [ "$index" -le 40 ]; then mixed="$photos/mixed/photo-$index.jpg"; else mixed="$photos/mixed/photo-$index.png"; fi
    mixed_inputs+=("$mixed")
  done
  printf '%s\n' "${mixed_inputs[@]}" | xargs -P 2 -I{} sh -c '
    [ -s "$1" ] && exit 0
    index=$(basename "$1" | tr -dc 0-9)
    case $1 in
      *.jpg) "$2" "$3/photo-$index.jpg" -resize 3200x2400! -quality 82 "$1.part.jpg" ;;
      *.png) "$2" "$3/photo-$index.jpg" -resize 2000x1500! "$1.part.png" ;;
    esac && mv "$1.part.${1##*.}" "$1"' sh {} "$convert" "$photos"
  mixed_bytes=$(cat "${mixed_inputs[@]}" | wc -c)
  record mixed_png "$work/mixed.png" "$tesserly" render "${board_options[@]}" "${mixed_inputs[@]}" -o "$work/mixed.png"
  record mixed_vips "$work/vips.png" bash -c 'inputs=($0); vips_pipeline' "${mixed_inputs[*]}"
fi

# HEIC: twelve phone-size photos (4032 x 3024, about 2.5 MB each) made once from the JPEGs with
# heif-enc, without an embedded preview (heif-enc adds none unless asked). x265's ultrafast preset
# and a quickly compressed PNG in between make them in seconds instead of minutes; ultrafast
# leaves out sample-adaptive offset, so they decode a little faster than a phone's files would,
# for every tool alike. Plus one 100-megapixel photo (11520 x 8640) stored as a grid of 512 x 512
# tiles, as cameras store large photographs: heif-enc cannot write grids, so the tiles are encoded
# by it and joined by scripts/heic-grid.py.
heic_inputs=()
if wanted heic; then
  command -v heif-enc >/dev/null || { echo "missing heif-enc (libheif-examples)" >&2; exit 1; }
  mkdir -p "$photos/heic"
  for index in $(seq -w 1 12); do heic_inputs+=("$photos/heic/photo-$index.heic"); done
  printf '%s\n' "${heic_inputs[@]}" | xargs -P 2 -I{} sh -c '
    [ -s "$1" ] && exit 0
    index=$(basename "$1" | tr -dc 0-9)
    "$2" "$3/photo-$index.jpg" -resize 4032x3024! -define png:compression-level=1 "$1.source.png" &&
      heif-enc -q 65 -p preset=ultrafast -o "$1.part.heic" "$1.source.png" >/dev/null &&
      mv "$1.part.heic" "$1"; rm -f "$1.source.png"' sh {} "$convert" "$photos"
  grid="$photos/heic/grid-100mp.heic"
  if [ ! -s "$grid" ]; then
    echo "Making a 100-megapixel grid HEIC in $grid (once)…"
    vips resize "$photos/photo-05.jpg" "$work/large.v" 2.88
    vips embed "$work/large.v" "$work/padded.v" 0 0 11776 8704 --extend copy
    vips dzsave "$work/padded.v" "$work/tiles" --tile-size 512 --overlap 0 --depth one --suffix ".png[compression=1]"
    halves=("" "")
    for row in $(seq 0 16); do
      for column in $(seq 0 22); do halves[$((row / 9))]+=" $work/tiles_files/0/${column}_${row}.png"; done
    done
    heif-enc -q 65 -p preset=ultrafast -o "$work/top.heic" ${halves[0]} >/dev/null &
    heif-enc -q 65 -p preset=ultrafast -o "$work/bottom.heic" ${halves[1]} >/dev/null
    wait $!
    python3 "$(dirname "$0")/heic-grid.py" "$grid.part" 11520 8640 23 17 "$work/top.heic" "$work/bottom.heic"
    mv "$grid.part" "$grid"
    rm -rf "$work/large.v" "$work/padded.v" "$work/tiles_files" "$work/top.heic" "$work/bottom.heic"
  fi
  record heic_png "$work/heic.png" "$tesserly" render "${board_options[@]}" "${heic_inputs[@]}" -o "$work/heic.png"
  record heic_vips "$work/vips.png" bash -c 'inputs=($0); vips_pipeline' "${heic_inputs[*]}"
  record heic_montage "$work/heic-montage.png" \
    montage "${heic_inputs[@]}" -tile 6x -geometry 388x291+12+12 "$work/heic-montage.png"
  record heic_grid "$work/grid.png" "$tesserly" render --width 2400 --columns 1 "$grid" -o "$work/grid.png"
  record heic_grid_vips "$work/grid-vips.png" vipsthumbnail "$grid" --size 2400 -o "$work/grid-vips.png"
fi

# The window's flows: the time of the flow itself as the store runs it, and the process's peak.
store_flow() {
  local mode=$1 best="" line
  for _ in $(seq "$runs"); do
    line=$(QT_QPA_PLATFORM=offscreen "$bench_store" "$mode" 2>/dev/null | grep "^$mode ") || { echo "failed - -"; return; }
    local flow_wall flow_cpu flow_peak
    flow_wall=$(sed -n 's/.*wall_s=\([0-9.]*\).*/\1/p' <<<"$line")
    flow_cpu=$(sed -n 's/.*cpu_s=\([0-9.]*\).*/\1/p' <<<"$line")
    flow_peak=$(sed -n 's/.*peak_mb=\([0-9.]*\).*/\1/p' <<<"$line")
    if [ -z "$best" ] || awk -v a="$flow_wall" -v b="${best%% *}" 'BEGIN { exit !(a < b) }'; then
      best="$flow_wall $flow_cpu $(awk -v m="$flow_peak" 'BEGIN { printf "%d", m * 1024 }')"
    fi
  done
  echo "$best"
}
if wanted window; then
  for mode in import export; do
    read -r wall[$mode] cpu[$mode] peak[$mode] < <(store_flow "$mode")
    size[$mode]=0
  done
fi

mb() { awk -v k="$1" 'BEGIN { if (k + 0 > 0) printf "%.1f", k / 1024; else printf "-" }'; }
echo "== 60 photos ($(awk -v b="$photo_bytes" 'BEGIN { printf "%.1f", b / 1048576 }') MB of JPEG) unless named, one process per figure"
printf '%-44s %8s %9s %9s %11s\n' "what" "wall s" "cpu s" "peak MB" "file bytes"
for name in png pdf project montage_hint vips djpeg8 djpeg2 import export mixed_png mixed_vips heic_png heic_vips \
  heic_montage heic_grid heic_grid_vips; do
  [ -n "${wall[$name]:-}" ] || continue
  case $name in
    png) label="tesserly render -> PNG" ;;
    pdf) label="tesserly render -> PDF" ;;
    project) label="tesserly render -> .tesserly" ;;
    montage_hint) label="montage -define jpeg:size=776x582" ;;
    vips) label="vipsthumbnail + vips arrayjoin" ;;
    djpeg8) label="djpeg -scale 1/8, one after another" ;;
    djpeg2) label="djpeg -scale 1/2, one after another" ;;
    import) label="window: add 60 photos (store flow)" ;;
    export) label="window: export PNG (store flow)" ;;
    mixed_png) label="tesserly render 40 JPEG + 20 PNG -> PNG" ;;
    mixed_vips) label="libvips pipeline, 40 JPEG + 20 PNG" ;;
    heic_png) label="tesserly render 12 HEIC -> PNG" ;;
    heic_vips) label="libvips pipeline, 12 HEIC" ;;
    heic_montage) label="montage, 12 HEIC" ;;
    heic_grid) label="tesserly render 1 HEIC grid of 100 MP" ;;
    heic_grid_vips) label="vipsthumbnail 1 HEIC grid of 100 MP" ;;
  esac
  printf '%-44s %8s %9s %9s %11s\n' "$label" "${wall[$name]}" "${cpu[$name]}" "$(mb "${peak[$name]}")" "${size[$name]}"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a + 0 > 0 && b + 0 > 0) printf "%.2f", a / b; else printf "n/a" }'; }
above() { awk -v k="$1" -v b="$2" 'BEGIN { if (k + 0 > 0) printf "%.0f", k / 1024 - b / 1048576; else printf "n/a" }'; }
have() { [ -n "${wall[$1]:-}" ]; }
echo "== ratios (wall time, same run)"
for output in png pdf; do
  have "$output" || continue
  echo "libvips pipeline / tesserly $output:   $(ratio "${wall[vips]}" "${wall[$output]}")x  (target >= 2)"
  echo "montage with hint / tesserly $output:  $(ratio "${wall[montage_hint]}" "${wall[$output]}")x  (target >= 4)"
  echo "tesserly $output peak: $(mb "${peak[$output]}") MB (target < 250), $(above "${peak[$output]}" "$photo_bytes") MB above the photos' bytes (target <= 150)"
done
if have import; then
  echo "window import / djpeg -scale 1/2:     $(ratio "${wall[import]}" "${wall[djpeg2]:-}")x  (target <= 0.6); peak $(mb "${peak[import]}") MB (target < 300)"
  echo "window PNG export / djpeg -scale 1/8: $(ratio "${wall[export]}" "${wall[djpeg8]:-}")x  (target <= 0.7)"
fi
if have mixed_png; then
  echo "40 JPEG + 20 PNG ($(awk -v b="$mixed_bytes" 'BEGIN { printf "%.1f", b / 1048576 }') MB): tesserly peak $(above "${peak[mixed_png]}" "$mixed_bytes") MB above the photos' bytes (target <= 150)"
fi
if have heic_png; then
  echo "libvips pipeline / tesserly, 12 HEIC: $(ratio "${wall[heic_vips]}" "${wall[heic_png]}")x  (target >= 1.5)"
  echo "montage / tesserly, 12 HEIC:          $(ratio "${wall[heic_montage]}" "${wall[heic_png]}")x"
  echo "vipsthumbnail / tesserly, 100 MP grid: $(ratio "${wall[heic_grid_vips]}" "${wall[heic_grid]}")x"
fi
echo "CPU-time ratios (less sensitive to a shared machine):"
have png && echo "  libvips pipeline / tesserly png:  $(ratio "${cpu[vips]}" "${cpu[png]}")x"
have png && echo "  montage with hint / tesserly png: $(ratio "${cpu[montage_hint]}" "${cpu[png]}")x"
have import && echo "  window import / djpeg -scale 1/2: $(ratio "${cpu[import]}" "${cpu[djpeg2]:-}")x"
have export && echo "  window export / djpeg -scale 1/8: $(ratio "${cpu[export]}" "${cpu[djpeg8]:-}")x"
have heic_png && echo "  libvips pipeline / tesserly, 12 HEIC: $(ratio "${cpu[heic_vips]}" "${cpu[heic_png]}")x"
exit 0
