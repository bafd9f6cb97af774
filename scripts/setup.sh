#!/usr/bin/env bash
# Installs what building, running and testing need, when it is missing.
# Quick and silent on a machine that already has everything.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev
  fonts-noto-cjk fonts-wqy-microhei fonts-lato
  googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool
  at-spi2-core gir1.2-atspi-2.0 python3-gi libglib2.0-bin dbus
  desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
