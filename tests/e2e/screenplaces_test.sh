#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# At 2x on a 1280 x 800 screen, under openbox, KWin and mutter, the
# statistics window at its first size, and it and the score sheet at places
# stored on a 1x desktop (the sheet at 500,326, the window 760 x 560 at
# 300,200), stand wholly on the screen, frame included.
source "$(dirname "$0")/lib.sh" "$@"
SCREEN_W=1280 SCREEN_H=800
start_xvfb
export HOME="$E2E_TMP/home" XDG_RUNTIME_DIR="$E2E_TMP/run" QT_SCALE_FACTOR=2
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

on_screen() {  # what id
  local x y w h l r t b
  read -r _ x y w h < <(geometry "$2") || fail "$1 not shown"
  IFS=, read -r l r t b < <(xprop -id "$2" _NET_FRAME_EXTENTS | cut -s -d= -f2 | tr -d ' ') || true
  [ $((x - ${l:-0})) -ge 0 ] && [ $((y - ${t:-0})) -ge 0 ] && [ $((x + w + ${r:-0})) -le $SCREEN_W ] &&
    [ $((y + h + ${b:-0})) -le $SCREEN_H ] || fail "under $wm $1 stands off the screen: $x,$y ${w}x$h framed $l,$r,$t,$b"
}
statistics_on_screen() {  # what: opened from the start dialog's short menu
  start_game
  read -r _ sx sy _ _ < <(wait_window 162 60) || fail "start dialog not shown under $wm"
  click_at $((sx + 80)) $((sy + 20)) 3 && sleep 0.5 && xdotool key Down Down Return
  read -r stats _ _ _ _ < <(wait_titled "成績") || fail "the statistics window did not open under $wm"
  sleep 1  # framed and placed by now
  on_screen "the statistics window $1" "$stats"
  screenshot "statistics-$wm"
}

for wm in Openbox KWin Mutter; do
  case $wm in
  Openbox) start_wm Openbox openbox --sm-disable ;;
  KWin) start_wm KWin env KWIN_COMPOSE=N kwin_x11 --replace ;;
  Mutter) start_wm Mutter env -u DBUS_SESSION_BUS_ADDRESS mutter --x11 --replace ;;
  esac
  rm -f "$INI" "$HISTORY"
  statistics_on_screen "at its first size"
  kill -TERM "$GAME_PID" && game_ended "SIGTERM under $wm"
  printf '[SCOREBOARD]\r\nLEFT=7500\r\nTOP=4890\r\n[STATS]\r\nLEFT=4500\r\nTOP=3000\r\nWIDTH=11400\r\nHEIGHT=8400\r\n' >"$INI"
  statistics_on_screen "at its stored place"
  wmctrl -i -c "$stats" && titled_gone "成績" || fail "a close request left the statistics up"
  click_at $((sx + 20)) $((sy + 28)) && sleep 3  # the announcement balloon
  click_at $((2 * SCORE_BTN_X)) $((SCREEN_H - 2 * LANE_H + 2 * SCORE_BTN_Y))
  read -r sheet _ _ _ _ < <(wait_window 642 90) || fail "score sheet not shown under $wm"
  on_screen "the score sheet at its stored place" "$sheet"
  kill -TERM "$GAME_PID" && game_ended "SIGTERM under $wm" && stop_wm
done
echo "PASS"
