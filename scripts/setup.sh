#!/usr/bin/env bash
# Installs the Debian packages Tesserly builds, runs and tests with.
# Idempotent: apt-get runs only when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-wayland qt6-image-formats-plugins qt6-l10n-tools
  libheif-dev libjpeg-dev libpng-dev libtiff-dev liblcms2-dev libgif-dev
  fonts-inter python3-fonttools fonts-symbola fonts-wqy-microhei fonts-dejavu-core poppler-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  colord-data libgs-common  # real ICC profiles for the colour tests
  xauth
)
if [ "${TESSERLY_EXTRA_PACKAGES:-}" != "" ]; then
  read -r -a extra <<<"$TESSERLY_EXTRA_PACKAGES"
  packages+=("${extra[@]}")
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
