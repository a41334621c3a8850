#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# What the player hears, on a sound server of the test's own (PulseAudio with
# a null sink whose monitor parec records): by default a ball is silent and
# KVZ.ini gets no sound key; "効果音" chosen from the start dialog's menu
# stores ON=1, and then the roll is heard and, where pins fall, a crash
# louder than the roll. With sound on and no server the game plays on, with
# one line on standard error.
source "$(dirname "$0")/lib.sh" "$@"

PULSE_DIR="$E2E_TMP/pulse" RATE=11025
mkdir -p "$PULSE_DIR"
export PULSE_SERVER="unix:$PULSE_DIR/native" PULSE_RUNTIME_PATH="$PULSE_DIR" PULSE_STATE_PATH="$PULSE_DIR"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=stderr \
  -L "module-null-sink sink_name=rec" -L "module-native-protocol-unix socket=$PULSE_DIR/native auth-anonymous=1" \
  >"$E2E_OUT/pulseaudio.log" 2>&1 &
PULSE_PID=$! PAREC_PID=""
trap 'kill $PAREC_PID $PULSE_PID 2>/dev/null || true; cleanup' EXIT
retry 50 pactl info >/dev/null 2>&1 || fail "pulseaudio did not start"

# Levels of a recording in 20 ms windows, as shares of full scale: prints
# the loudest window, the median of the windows that are not silent (the
# rumble, the most of a ball) and how many windows are not silent.
levels() {
  python3 - "$E2E_OUT/$1.raw" $RATE <<'PY'
import array, math, statistics, sys
s = array.array('h', open(sys.argv[1], 'rb').read())
w = int(sys.argv[2]) // 50
rms = [math.sqrt(sum(x * x for x in s[i:i + w]) / w) / 32768 for i in range(0, len(s) - w + 1, w)]
heard = [r for r in rms if r > 0.005]
print("%.4f %.4f %d" % (max(rms, default=0), statistics.median(heard) if heard else 0, len(heard)))
PY
}
# One ball thrown and recorded until the next aim (or the end of the game).
recorded_ball() {  # name
  parec -d rec.monitor --format=s16le --rate=$RATE --channels=1 --latency-msec=20 >"$E2E_OUT/$1.raw" &
  PAREC_PID=$!
  throw_ball 0.1
  sleep 1  # the frozen markers stay red until the roll starts
  wait_aiming 100 || fail "no aiming after the ball ($1)"
  sleep 0.5
  kill "$PAREC_PID"; wait "$PAREC_PID" 2>/dev/null || true; PAREC_PID=""
}

start_xvfb
start_dialog
start_playing
recorded_ball off
read -r loudest _ _ < <(levels off)
awk -v l="$loudest" 'BEGIN { exit !(l < 0.001) }' || fail "sound off, yet the recording reaches $loudest of full scale"
[ ! -e "$INI" ] || ! grep -qi '^\[SOUND\]' "$INI" || fail "KVZ.ini got a sound key the player never set"
kill "$GAME_PID"; wait "$GAME_PID" 2>/dev/null || true

# The short menu's last item is the switch: Up from no item reaches it.
start_dialog
click_at $((sx + 40)) $((sy + 10)) 3
sleep 0.5
xdotool key Up sleep 0.2 key Return
retry 30 [ "$(ini_value SOUND ON)" = 1 ] || fail "the switch did not store ON=1: '$(ini_value SOUND ON)'"
start_playing
# A ball into the gutter fells nothing: a few balls, until one crashes.
for ball in 1 2 3 4 5 6; do
  recorded_ball "on-$ball"
  read -r loudest roll heard < <(levels "on-$ball")
  echo "ball $ball: loudest $loudest, rumble $roll, heard for $((heard * 20)) ms"
  # The ball rolls some 1.6 s; the rumble lasts until its end or the gutter.
  awk -v r="$roll" -v n="$heard" 'BEGIN { exit !(r > 0.02 && n >= 25) }' ||
    fail "sound on, but no rumble heard (ball $ball: $roll for $((heard * 20)) ms)"
  if awk -v l="$loudest" -v r="$roll" 'BEGIN { exit !(l > 2 * r) }'; then crashed=$ball; break; fi
done
[ -n "${crashed:-}" ] || fail "no ball crashed louder than its rumble"
sox -t raw -r $RATE -e signed -b 16 -c 1 "$E2E_OUT/on-$crashed.raw" "$E2E_OUT/ball.wav"
sox "$E2E_OUT/ball.wav" -n spectrogram -x 800 -y 257 -t "One ball, recorded at the sink" -o "$E2E_OUT/ball.png"
kill "$GAME_PID"; wait "$GAME_PID" 2>/dev/null || true

# No server: the switch still stands, the ball rolls, the game goes on.
kill "$PULSE_PID"; wait "$PULSE_PID" 2>/dev/null || true
start_dialog
start_playing
throw_ball 0.1
sleep 1
wait_aiming 100 || fail "with no sound server the game did not go on to the next ball"
lines=$(grep -c 'no sound can be played' "$E2E_OUT/game.log" || true)
[ "$lines" = 1 ] || fail "with no sound server: $lines lines on standard error, want one"
[ "$(ini_value SOUND ON)" = 1 ] || fail "the switch was lost"
echo "PASS"
