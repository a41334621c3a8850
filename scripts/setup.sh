#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# Installs the Debian packages the game needs, when any is missing, then
# configures and builds in build/. Sourced by run.sh (MARVOLT_FOR=play: the
# packages to build and play, and the game alone) and test.sh
# (MARVOLT_FOR=test: the test tools too, and every target).
# MARVOLT_WERROR=ON makes warnings errors (CI).
set -euo pipefail

MARVOLT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
MARVOLT_BUILD="$MARVOLT_ROOT/build"

MARVOLT_FOR="${MARVOLT_FOR:-test}"
MARVOLT_PACKAGES=(
  cmake ninja-build g++ pkg-config libxcb1-dev
  qt6-base-dev libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation
)
[ "$MARVOLT_FOR" = play ] || MARVOLT_PACKAGES+=(libgtest-dev python3 xvfb xdotool imagemagick x11-utils openbox wmctrl kwin-x11 fluxbox mutter)

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

# Playing configures without the tests when build/ is new (their tools may be
# missing) and builds only the game; a build/ the tests set up stays as it is.
marvolt_build() {
  if [ "$MARVOLT_FOR" = play ]; then
    [ -f "$MARVOLT_BUILD/CMakeCache.txt" ] ||
      cmake -S "$MARVOLT_ROOT" -B "$MARVOLT_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARVOLT_TESTS=OFF >/dev/null
    cmake --build "$MARVOLT_BUILD" -j"$(nproc)" --target marvolt
    return
  fi
  cmake -S "$MARVOLT_ROOT" -B "$MARVOLT_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMARVOLT_TESTS=ON -DMARVOLT_WERROR="${MARVOLT_WERROR:-OFF}" >/dev/null
  cmake --build "$MARVOLT_BUILD" -j"$(nproc)"
}

marvolt_install_packages
marvolt_build
