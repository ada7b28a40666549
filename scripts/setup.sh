#!/usr/bin/env bash
# Installs, through apt-get, only the Debian packages this project needs that are missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev libsimpleini-dev libcsv-dev
  clang clang-tidy clang-format libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libgl-dev libx11-dev
  libfontconfig-dev zlib1g-dev fonts-dejavu-core fonts-droid-fallback
  fonts-liberation fontconfig poppler-utils xvfb xauth imagemagick shared-mime-info desktop-file-utils
  openbox x11-utils libxlsxwriter-dev
  librsvg2-bin gzip dpkg-dev fakeroot lintian appstream file qt6-l10n-tools qt6-tools-dev
  qt6-translations-l10n
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
