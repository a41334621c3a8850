#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# Installs the Debian packages the game needs, when any is missing, then
# configures and builds in build/. Sourced by run.sh (MARVOLT_FOR=play: the
# packages to build and play, and the game alone) and test.sh
# (MARVOLT_FOR=test: the test tools too, and every target).
# MARVOLT_WERROR=ON makes warnings errors (CI); MARVOLT_BUILD names another
# build folder.
set -euo pipefail

MARVOLT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
MARVOLT_BUILD="${MARVOLT_BUILD:-$MARVOLT_ROOT/build}"

MARVOLT_FOR="${MARVOLT_FOR:-test}"
MARVOLT_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libxcb1-dev libpulse-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libqt6sql6-sqlite
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation
)
[ "$MARVOLT_FOR" = play ] ||
  MARVOLT_PACKAGES+=(libgtest-dev python3 clang-tidy xvfb xdotool imagemagick x11-utils openbox wmctrl kwin-x11 fluxbox i3-wm mutter sqlite3 pulseaudio pulseaudio-utils sox)

marvolt_install_packages() {
  local missing=() installed
  installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${MARVOLT_PACKAGES[@]}" 2>/dev/null || true)
  for p in "${MARVOLT_PACKAGES[@]}"; do
    grep -qxF "$p install ok installed" <<<"$installed" || missing+=("$p")
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
    # Ninja alone finds nothing to do in a fraction of cmake --build's time.
    if [ -f "$MARVOLT_BUILD/build.ninja" ]; then
      ninja -C "$MARVOLT_BUILD" marvolt
    else
      cmake --build "$MARVOLT_BUILD" -j"$(nproc)" --target marvolt
    fi
    return
  fi
  cmake -S "$MARVOLT_ROOT" -B "$MARVOLT_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMARVOLT_TESTS=ON -DMARVOLT_WERROR="${MARVOLT_WERROR:-OFF}" >/dev/null
  cmake --build "$MARVOLT_BUILD" -j"$(nproc)"
}

# Playing checks the packages only when build/ is new or the build fails, so
# that a game already built starts at once. The tests always check: their
# tools are needed to run them, not to build.
if [ "$MARVOLT_FOR" = play ] && [ -f "$MARVOLT_BUILD/CMakeCache.txt" ]; then
  marvolt_build || {
    echo "The build failed; checking the packages it needs." >&2
    marvolt_install_packages
    marvolt_build
  }
else
  marvolt_install_packages
  marvolt_build
fi
