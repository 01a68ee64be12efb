#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the editor
# need; does nothing when they are all there already.
set -euo pipefail
pkgs=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libudev-dev libudev1
  libuemf-dev libqcustomplot-dev
  xvfb openbox x11-utils poppler-utils
  xdotool
  fonts-dejavu-core fonts-liberation2 fonts-wqy-microhei fonts-wine
)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
