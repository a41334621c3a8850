#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# The benchmark's sound phases on a PulseAudio server of their own, whose
# only sink is a null sink: nothing is heard from the speakers. Usage:
#   bench/sound-bench.sh [build folder]      (default build/)
# Run it on a quiet machine, as the rest of the benchmark.
set -euo pipefail
build="${1:-$(dirname "$0")/../build}"
dir=$(mktemp -d)
trap 'kill "$pulse" 2>/dev/null; wait "$pulse" 2>/dev/null; rm -rf "$dir"' EXIT
export PULSE_SERVER="unix:$dir/native" PULSE_RUNTIME_PATH="$dir" PULSE_STATE_PATH="$dir"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no -L "module-null-sink sink_name=bench" \
  -L "module-native-protocol-unix socket=$dir/native auth-anonymous=1" >"$dir/pulseaudio.log" 2>&1 &
pulse=$!
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { echo "pulseaudio did not start:" >&2; cat "$dir/pulseaudio.log" >&2; exit 1; }
"$build/bench/marvolt-bench" sound
