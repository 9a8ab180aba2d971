#!/usr/bin/env bash
# Installs the Debian 12 packages Corvalen needs to build, run and test.
# Idempotent: only missing packages are installed. Usage: install-deps.sh [--test]
set -euo pipefail

build_pkgs=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6
  libgl-dev libx11-dev libxkbcommon-dev
  fonts-liberation2 fonts-dejavu-core
)
test_pkgs=(
  clang-14 libclang-rt-14-dev libbenchmark-dev
  xvfb xauth xdotool numlockx x11-utils x11-xserver-utils imagemagick
  cups cups-bsd cups-client printer-driver-cups-pdf poppler-utils
  desktop-file-utils appstream
)

pkgs=("${build_pkgs[@]}")
[ "${1:-}" = "--test" ] && pkgs+=("${test_pkgs[@]}")

missing=()
for p in "${pkgs[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#pkgs[@]} packages present"
  exit 0
fi

echo "install-deps: installing ${#missing[@]} missing package(s): ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install packages" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "install-deps: done"
