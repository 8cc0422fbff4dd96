#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing and benchmarking
# need, but only those that are missing.
set -euo pipefail

PACKAGES=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev libgl-dev
  qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
  libjpeg62-turbo-dev
  xvfb xauth fonts-dejavu-core
  poppler-utils unzip
  openbox wmctrl xdotool x11-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "All packages are installed."
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
