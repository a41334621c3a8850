#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# Builds the game if needed and starts it; arguments go to the game
# (e.g. scripts/run.sh -X).
set -euo pipefail
# Under Wayland the game runs on XWayland, which sets DISPLAY.
if [ -z "${DISPLAY:-}" ]; then
  echo "marvolt: no X server found (DISPLAY is unset or names no running server); the game needs an X11 desktop or XWayland." >&2
  exit 1
fi
MARVOLT_FOR=play source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
exec "$MARVOLT_BUILD/marvolt" "$@"
