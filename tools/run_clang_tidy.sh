#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# Runs clang-tidy with the checks of .clang-tidy over every source in src/,
# compiled as the build folder compiles it (its compile_commands.json; the
# default folder is build/, as scripts/test.sh configures it). Any finding
# fails. MARVOLT_TIDY_JOBS files at a time (default 2).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
if [ ! -f "$build/compile_commands.json" ]; then
  echo "$build/compile_commands.json is missing: configure the build first (scripts/test.sh)" >&2
  exit 1
fi
status=0
output=$(run-clang-tidy -p "$build" -j "${MARVOLT_TIDY_JOBS:-2}" -quiet "$root/src/(core|ui|app)/" 2>&1) || status=$?
# run-clang-tidy echoes every command it starts and clang-tidy counts the
# warnings it hid in Qt's headers: only the findings are shown.
grep -v -e '^[^ ]*clang-tidy[^ ]* ' -e 'warnings\? generated\.' <<<"$output" || true
[ "$status" -eq 0 ] && echo "clang-tidy: no findings"
exit "$status"
