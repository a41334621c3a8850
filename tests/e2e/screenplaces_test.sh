#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# At 2x on a 1280 x 800 screen, under openbox, KWin and mutter, every window
# with a size or place of its own stands wholly on the screen, frame
# included: the statistics window at its first size, and the statistics
# window and the score sheet at places stored on a 1x desktop.
source "$(dirname "$0")/lib.sh" "$@"
SCREEN_W=1280 SCREEN_H=800

start_xvfb
export HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/home/.config" XDG_CACHE_HOME="$E2E_TMP/home/.cache"
export XDG_RUNTIME_DIR="$E2E_TMP/run" QT_SCALE_FACTOR=2
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

on_screen() {  # what id: the window and the frame around it
  local x y w h l r t b
  read -r _ x y w h < <(geometry "$2") || fail "$1 not shown"
  IFS=, read -r l r t b < <(xprop -id "$2" _NET_FRAME_EXTENTS | cut -s -d= -f2 | tr -d ' ') || true
  l=${l:-0} r=${r:-0} t=${t:-0} b=${b:-0}
  [ $((x - l)) -ge 0 ] && [ $((y - t)) -ge 0 ] && [ $((x + w + r)) -le $SCREEN_W ] && [ $((y + h + b)) -le $SCREEN_H ] ||
    fail "under $wm $1 stands at $((x - l)),$((y - t)) $((w + l + r))x$((h + t + b)) with its frame, off the screen"
}
open_statistics() {  # from the start dialog's short menu; sets stats
  click_at $((sx + 80)) $((sy + 20)) 3
  sleep 0.5
  xdotool key Down Down Return
  read -r stats _ _ _ _ < <(wait_titled "成績") || fail "the statistics window did not open under $wm"
  sleep 1  # the window manager has framed and placed it
}
game_at_2x() { start_game; read -r start sx sy _ _ < <(wait_window 162 60) || fail "start dialog not shown under $wm"; }

for wm in Openbox KWin Mutter; do
  case $wm in
  Openbox) start_wm Openbox openbox --sm-disable ;;
  KWin) start_wm KWin env KWIN_COMPOSE=N kwin_x11 --replace ;;
  Mutter) start_wm Mutter env -u DBUS_SESSION_BUS_ADDRESS mutter --x11 --replace ;;
  esac
  rm -f "$INI" "$HISTORY"
  game_at_2x
  open_statistics
  on_screen "the statistics window at its first size" "$stats"
  screenshot "statistics-first-$wm"
  kill -TERM "$GAME_PID" && game_ended "SIGTERM under $wm"

  # Places stored on a 1x desktop, where they were on the screen: the sheet
  # at 500,326 and the statistics window 760 x 560 at 300,200.
  printf '[SCOREBOARD]\r\nLEFT=7500\r\nTOP=4890\r\n[STATS]\r\nLEFT=4500\r\nTOP=3000\r\nWIDTH=11400\r\nHEIGHT=8400\r\n' >"$INI"
  game_at_2x
  open_statistics
  on_screen "the statistics window at its stored place" "$stats"
  wmctrl -i -c "$stats"
  titled_gone "成績" || fail "a close request left the statistics up"
  lx=0 ly=$((SCREEN_H - 2 * LANE_H))
  click_at $((sx + 20)) $((sy + 28))
  sleep 3  # the announcement balloon
  click_at $((lx + 2 * SCORE_BTN_X)) $((ly + 2 * SCORE_BTN_Y))
  read -r sheet _ _ _ _ < <(wait_window 642 90) || fail "score sheet not shown under $wm"
  on_screen "the score sheet at its stored place" "$sheet"
  screenshot "sheet-$wm"
  kill -TERM "$GAME_PID" && game_ended "SIGTERM under $wm"
  stop_wm
done
echo "PASS"
