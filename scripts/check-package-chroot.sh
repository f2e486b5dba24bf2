#!/usr/bin/env bash
# Installs a built tesserly_*.deb with apt in a clean Debian 12 root made by debootstrap, then runs
# `tesserly --version` and a `tesserly render` of a few images from the installed files. Needs
# root, debootstrap and a Debian mirror; takes minutes, so it is not part of `make test`.
#   scripts/check-package-chroot.sh build/release/tesserly_*.deb [ROOT_FOLDER]
set -euo pipefail

deb=$(realpath "${1:?usage: check-package-chroot.sh tesserly_VERSION_ARCH.deb [ROOT_FOLDER]}")
root=${2:-/var/tmp/tesserly-bookworm-root}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}

command -v debootstrap >/dev/null || TESSERLY_EXTRA_PACKAGES=debootstrap bash "$(dirname "$0")/setup.sh"
if [ ! -x "$root/usr/bin/apt-get" ]; then
  debootstrap --variant=minbase bookworm "$root" "$mirror"
fi

mounted=()
cleanup() {
  for ((index = ${#mounted[@]} - 1; index >= 0; index--)); do umount "${mounted[index]}" || true; done
}
trap cleanup EXIT
for fs in proc sys dev; do
  mount --bind "/$fs" "$root/$fs"
  mounted+=("$root/$fs")
done

cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
in_root apt-get update -q
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")"

in_root tesserly --version
echo 'iVBORw0KGgoAAAANSUhEUgAAABAAAAAMCAIAAADkharWAAAAFUlEQVR42mM4YaNBEmIY1TCqATsCAO9q4QHM9VQ8AAAAAElFTkSuQmCC' \
  | base64 -d >"$root/tmp/a.png"
cp "$root/tmp/a.png" "$root/tmp/b.png"
cp "$root/tmp/a.png" "$root/tmp/c.png"
in_root tesserly render /tmp/a.png /tmp/b.png /tmp/c.png --columns 3 --title "Clean root" -o /tmp/board.pdf
in_root tesserly render /tmp/a.png /tmp/b.png /tmp/c.png -o /tmp/board.png
[ "$(head -c 4 "$root/tmp/board.pdf")" = "%PDF" ] || { echo "FAIL: no PDF written"; exit 1; }
[ "$(head -c 8 "$root/tmp/board.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] \
  || { echo "FAIL: no PNG written"; exit 1; }
echo "== installed and ran in a clean Debian 12 root: $root"
