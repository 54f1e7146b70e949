#!/usr/bin/env bash
# Installs what building and testing Lumox needs on a Debian machine, then configures
# and builds it (not with LUMOX_SETUP_PACKAGES_ONLY=1). Installs only the packages that
# are missing; uses sudo when not root.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins nlohmann-json3-dev
  fonts-liberation fontconfig
  zlib1g-dev libexpat1-dev libzip-dev
  xvfb xauth poppler-utils
  python3-openpyxl python3-xlsxwriter python3-odf
  dbus at-spi2-core python3-pyatspi xdotool
  xdg-utils desktop-file-utils appstream lintian dpkg-dev
)
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

[ "${LUMOX_SETUP_PACKAGES_ONLY:-0}" = 1 ] && exit 0

build="${LUMOX_BUILD_DIR:-build}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > /dev/null
cmake --build "$build" -j "$(nproc)"
