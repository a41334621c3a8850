#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# Builds the game if needed and starts it; arguments go to the game
# (e.g. scripts/run.sh -X).
set -euo pipefail
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "marvolt: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop session." >&2
  exit 1
fi
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
exec "$MARVOLT_BUILD/marvolt" "$@"
