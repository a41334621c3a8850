#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# Installs the Debian packages the game needs to build, run and test, when
# any is missing, then configures and builds in build/. Sourced by run.sh and
# test.sh. MARVOLT_WERROR=ON makes warnings errors (CI).
set -euo pipefail

MARVOLT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
MARVOLT_BUILD="$MARVOLT_ROOT/build"

MARVOLT_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libgtest-dev python3
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation
  xvfb xdotool imagemagick x11-utils openbox wmctrl
)

marvolt_install_packages() {
  local missing=()
  for p in "${MARVOLT_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

marvolt_build() {
  cmake -S "$MARVOLT_ROOT" -B "$MARVOLT_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMARVOLT_WERROR="${MARVOLT_WERROR:-OFF}" >/dev/null
  cmake --build "$MARVOLT_BUILD" -j"$(nproc)"
}

marvolt_install_packages
marvolt_build
