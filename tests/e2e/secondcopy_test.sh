#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# A second start for the same settings folder brings the running game's
# start dialog or lane to the front, over another program's window, and ends
# with 0 and one line, on a bare X server and under openbox; a copy with a
# folder of its own runs beside it; a game killed with SIGKILL keeps no
# later one from starting.
source "$(dirname "$0")/lib.sh" "$@"
start_xvfb
export XDG_RUNTIME_DIR="$E2E_TMP/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# Whether a 9 x 9 spot of a window's shape looks as it did when shown.
looks() {  # what x y as
  import -window root -crop "9x9+$2+$3" +repage "$E2E_OUT/$1-$4.png"
  [ "$(compare -metric AE "$E2E_OUT/$1-shown.png" "$E2E_OUT/$1-$4.png" null: 2>&1)" = 0 ]
}
second_start_shows() {  # what geometry x y (a spot of its shape)
  looks "$1" "$3" "$4" shown || true
  local cover="cover$RANDOM"
  xmessage -name "$cover" -title "$cover" -geometry "$2" "cover" >/dev/null 2>&1 &
  XM_PID="$XM_PID $!"
  # A window manager's cover stays above the others, as the game's windows do.
  [ -z "$WM_PID" ] || retry 50 wmctrl -r "$cover" -b add,above || fail "no cover above"
  retry 50 gone looks "$1" "$3" "$4" covered || fail "the other window does not cover the $1"
  out=$(QT_QPA_PLATFORM=xcb timeout 10 "$MARVOLT_BIN") || fail "a second start ended with $? (124: it ran on)"
  [ "$(wc -l <<<"$out")" = 1 ] && grep -q "already running" <<<"$out" || fail "a second start said: $out"
  retry 20 looks "$1" "$3" "$4" raised || fail "a second start left the $1 covered"
  [ "$(game_windows | awk -v w="${2%%x*}" '$4 == w' | wc -l)" = 1 ] || fail "a second $1 stands on the screen"
}
beside() { [ "$(game_windows | awk '$4 == 81' | wc -l)" = 2 ]; }

start_dialog
second_start_shows "start dialog" "81x30+$sx+$sy" $((sx + 6)) $((sy + 10))
MARVOLT_INI_DIR="$E2E_TMP/other" QT_QPA_PLATFORM=xcb "$MARVOLT_BIN" >/dev/null 2>&1 &
other=$!
retry 50 beside || fail "a game with its own folder did not start beside"
kill -TERM "$other" && wait "$other" || fail "the game beside did not end with 0"
start_playing
second_start_shows lane "${LANE_W}x$LANE_H+$lx+$ly" $((lx + 150)) $((ly + 10))
kill -KILL "$GAME_PID" && wait "$GAME_PID" 2>/dev/null || true
start_dialog
kill -0 "$GAME_PID" || fail "the game after a killed one did not keep running"
start_wm Openbox openbox --sm-disable
second_start_shows "start dialog under openbox" "81x30+$sx+$sy" $((sx + 6)) $((sy + 10))
kill -TERM "$GAME_PID" && game_ended "SIGTERM"
echo "PASS"
