#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# Start-up to the start dialog on a private Xvfb with no window manager,
# measured by the X server's MapNotify (see startup.cpp): a bare Qt frameless
# window as the floor, this build's game, and any other builds given (an
# earlier commit's, say), taking turns. Usage:
#   bench/startup.sh [-n RUNS] [build folder] [other marvolt program...]
# Run it on a quiet machine, as the rest of the benchmark.
set -euo pipefail
runs=20
[ "${1:-}" = -n ] && { runs=$2; shift 2; }
build="${1:-$(dirname "$0")/../build}"
shift || true
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -f "$fifo"' EXIT
read -r -t 20 n <"$fifo"
export DISPLAY=":$n" QT_QPA_PLATFORM=xcb
"$build/bench/marvolt-startup" "$runs" "$build/bench/marvolt-bare-window" "$build/marvolt" "$@"
