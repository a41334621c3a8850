#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# A second start for the same settings folder brings the running game's
# windows to the front, over a window that covered them, and ends with 0 and
# one line; a copy with a folder of its own runs beside it; a game killed
# with SIGKILL leaves nothing that keeps the next one from starting. On a
# bare X server, where windows stack in the order they are raised, and under
# openbox.
source "$(dirname "$0")/lib.sh" "$@"

start_xvfb
export XDG_RUNTIME_DIR="$E2E_TMP/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# A spot of a window's shape, as a player sees it.
spot() { import -window root -crop "9x9+$1+$2" +repage "$E2E_OUT/$3.png"; }
same() { [ "$(compare -metric AE "$E2E_OUT/$1.png" "$E2E_OUT/$2.png" null: 2>&1)" = 0 ]; }
looks() { spot "$2" "$3" "$1-$4" && same "$1-shown" "$1-$4"; }  # what x y name: the spot shows what it did
# Covers a window with another program's window, starts the game again and
# checks that the running game shows itself there again.
second_start_shows() {  # what geometry x y (a spot of its shape)
  spot "$3" "$4" "$1-shown"
  local cover="cover$RANDOM"
  xmessage -name "$cover" -title "$cover" -geometry "$2" "cover" >/dev/null 2>&1 &
  XM_PID="$XM_PID $!"
  # Under a window manager a window that stays above the others, as the game's do.
  [ -z "$WM_PID" ] || retry 50 wmctrl -r "$cover" -b add,above || fail "no window manager's cover"
  retry 50 gone looks "$1" "$3" "$4" covered || fail "the other window does not cover the $1"
  out=$(QT_QPA_PLATFORM=xcb timeout 10 "$MARVOLT_BIN") || fail "a second start ended with $? (124: it ran on)"
  [ "$(wc -l <<<"$out")" = 1 ] && grep -q "already running" <<<"$out" || fail "a second start said: $out"
  retry 20 looks "$1" "$3" "$4" raised || fail "a second start left the $1 covered"
  [ "$(game_windows | awk -v w="${2%%x*}" '$4 == w' | wc -l)" = 1 ] || fail "a second $1 stands on the screen"
}
beside() { [ "$(game_windows | awk '$4 == 81' | wc -l)" = 2 ]; }

start_dialog
second_start_shows "start dialog" "81x30+$sx+$sy" $((sx + 6)) $((sy + 10))
# Another folder, another game: it runs beside this one.
MARVOLT_INI_DIR="$E2E_TMP/other" QT_QPA_PLATFORM=xcb "$MARVOLT_BIN" >/dev/null 2>&1 &
other=$!
retry 50 beside || fail "a game with its own folder did not start beside"
kill -TERM "$other" && wait "$other" || fail "the game beside did not end with 0"
start_playing
second_start_shows lane "${LANE_W}x$LANE_H+$lx+$ly" $((lx + 150)) $((ly + 10))
# Killed, the game leaves its socket behind; the next start takes it over.
kill -KILL "$GAME_PID" && wait "$GAME_PID" 2>/dev/null || true
start_dialog
kill -0 "$GAME_PID" || fail "the game after a killed one did not keep running"
start_wm Openbox openbox --sm-disable
second_start_shows "start dialog under openbox" "81x30+$sx+$sy" $((sx + 6)) $((sy + 10))
kill -TERM "$GAME_PID"
game_ended "SIGTERM"
echo "PASS"
