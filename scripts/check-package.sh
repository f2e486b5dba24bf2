#!/usr/bin/env bash
# Inspects a built tesserly_*.deb: its control fields and dependencies, its files, the metainfo
# and desktop file, the manual page, and the packaged binary's --version and a render of a few
# images. Run by `make package`; scripts/check-package-chroot.sh installs it in a clean root.
set -euo pipefail

deb=${1:?usage: check-package.sh tesserly_VERSION_ARCH.deb}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

echo "== $deb"
dpkg-deb --field "$deb" Package Version Architecture Installed-Size Section Depends Recommends

depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 libqt6dbus6 libheif1 \
    libjpeg62-turbo libpng16-16 libtiff6 liblcms2-2 libc6 libstdc++6 fonts-symbola fonts-wqy-microhei \
    fonts-dejavu-core; do
  grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed"
done

echo "== contents"
dpkg-deb --contents "$deb" | awk '{ print $6 }' | grep -v '/$' | tee "$work/contents"
for path in ./usr/bin/tesserly ./usr/share/applications/tesserly.desktop \
    ./usr/share/metainfo/com.vandrel.tesserly.metainfo.xml ./usr/share/man/man1/tesserly.1.gz \
    ./usr/share/bash-completion/completions/tesserly ./usr/share/mime/packages/tesserly.xml \
    ./usr/share/icons/hicolor/scalable/apps/tesserly.svg ./usr/share/icons/hicolor/256x256/apps/tesserly.png; do
  grep -qx "$path" "$work/contents" || fail "missing $path"
done

dpkg-deb --extract "$deb" "$work/root"
root=$work/root

echo "== metainfo"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/com.vandrel.tesserly.metainfo.xml" \
    || fail "metainfo does not validate"
else
  fail "appstreamcli is not installed"
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/tesserly.desktop" || fail "desktop file does not validate"
fi

echo "== manual page"
if command -v man >/dev/null; then
  MANWIDTH=80 man -l "$root/usr/share/man/man1/tesserly.1.gz" 2>"$work/man.err" | col -b >"$work/man.txt"
  [ -s "$work/man.err" ] && { cat "$work/man.err"; fail "man reported problems"; }
  head -n 20 "$work/man.txt"
  for option in $("$root/usr/bin/tesserly" --help | grep -oE -- '--[a-z-]+' | sort -u); do
    grep -q -- "$option" "$work/man.txt" || fail "manual page lacks $option"
  done
fi
bash -n "$root/usr/share/bash-completion/completions/tesserly" || fail "completion is not valid bash"

echo "== packaged binary"
"$root/usr/bin/tesserly" --version | tee "$work/version"
grep -qE '^tesserly [0-9]' "$work/version" || fail "--version printed no version"
echo 'iVBORw0KGgoAAAANSUhEUgAAABAAAAAMCAIAAADkharWAAAAFUlEQVR42mM4YaNBEmIY1TCqATsCAO9q4QHM9VQ8AAAAAElFTkSuQmCC' \
  | base64 -d >"$work/a.png"
cp "$work/a.png" "$work/b.png"
cp "$work/a.png" "$work/c.png"
"$root/usr/bin/tesserly" render "$work/a.png" "$work/b.png" "$work/c.png" --title Check -o "$work/board.png" \
  || fail "render failed"
[ "$(head -c 8 "$work/board.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "render wrote no PNG"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "== $deb: all checks passed"
