#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# Starting with no X server to use, by the program and by scripts/run.sh: one
# line and exit code 1. And run.sh checks the packages only when its build
# folder is new or the build fails, so a built game starts at once.
# Usage: launch_test.sh MARVOLT_BINARY BUILD_DIR
set -uo pipefail
bin="$1" built="$2" run="$(dirname "$0")/../../scripts/run.sh" tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
line="marvolt: no X server found (DISPLAY is unset or names no running server); the game needs an X11 desktop or XWayland."
dead=90
while [ -e "/tmp/.X11-unix/X$dead" ] || [ -e "/tmp/.X$dead-lock" ]; do dead=$((dead + 1)); done

# Package tools that only note that they were called.
mkdir "$tmp/bin" "$tmp/broken" && : >"$tmp/broken/CMakeCache.txt"
for tool in dpkg-query apt-get sudo; do
  printf '#!/bin/sh\necho %s >>"%s/calls"\nexit 1\n' "$tool" "$tmp" >"$tmp/bin/$tool" && chmod +x "$tmp/bin/$tool"
done

failed=0
# program | DISPLAY (- for unset) | QT_QPA_PLATFORM | build folder | packages checked
while IFS='|' read -r program display platform folder checked; do
  case "$program" in game) cmd=("$bin") ;; run.sh) cmd=("$run") ;; esac
  env=(-u DISPLAY -u QT_QPA_PLATFORM PATH="$tmp/bin:$PATH" MARVOLT_BUILD="$folder")
  [ "$display" = - ] || env+=(DISPLAY=":$display")
  [ -z "$platform" ] || env+=(QT_QPA_PLATFORM="$platform")
  rm -f "$tmp/calls"
  env "${env[@]}" "${cmd[@]}" >/dev/null 2>"$tmp/err"
  rc=$? case="$program DISPLAY=$display QT_QPA_PLATFORM=$platform in $folder"
  if [ "$checked" = yes ]; then
    grep -q dpkg-query "$tmp/calls" 2>/dev/null || { echo "FAIL: $case: packages not checked"; failed=1; }
    continue
  fi
  [ ! -e "$tmp/calls" ] || { echo "FAIL: $case: packages checked"; failed=1; }
  [ "$rc" -eq 1 ] || { echo "FAIL: $case: exit code $rc"; failed=1; }
  [ "$(tail -n 1 "$tmp/err")" = "$line" ] || { echo "FAIL: $case printed:"; cat "$tmp/err"; failed=1; }
done <<CASES
game|-||$built|no
game|$dead||$built|no
game|$dead|xcb|$built|no
run.sh|-||$built|no
run.sh|$dead||$built|no
run.sh|$dead||$tmp/new|yes
run.sh|$dead||$tmp/broken|yes
CASES
exit $failed
