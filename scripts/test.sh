#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# Builds the game and runs every test: unit, widget and end-to-end (the
# end-to-end tests start their own Xvfb). Extra arguments go to ctest, e.g.
# scripts/test.sh -LE e2e for the fast tests only.
set -euo pipefail
MARVOLT_FOR=test source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cd "$MARVOLT_BUILD"
ctest --output-on-failure "$@"
