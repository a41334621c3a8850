#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# Refreshing the translations from unchanged sources changes no file and
# warns of nothing. A changed file is put back as it was.
# Usage: translations_test.sh BUILD_DIR
set -uo pipefail
build="$1"
ts_dir="$(cd "$(dirname "$0")/../../translations" && pwd)"
saved="$(mktemp -d)"
trap 'rm -rf "$saved"' EXIT
cp -p "$ts_dir"/*.ts "$saved"/

failed=0
output=$(cmake --build "$build" --target update_translations 2>&1) || { echo "$output"; exit 1; }
if grep -i warning <<<"$output"; then failed=1; fi
for ts in "$saved"/*.ts; do
  name=$(basename "$ts")
  if ! cmp -s "$ts" "$ts_dir/$name"; then
    echo "FAIL: update_translations changed $name:"
    diff "$ts" "$ts_dir/$name"
    cp -p "$ts" "$ts_dir/$name"
    failed=1
  fi
done
exit $failed
