#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# The game under KWin, whose defaults hide an application's utility windows
# while it is inactive and mark windows shown without activation as
# demanding attention. While another program holds the focus, every game
# window (start dialog, lane, pin board, balloon, score sheet) is shown,
# demands no attention, stays off the taskbar and the pager, declares zero
# frame extents (compositors then draw no shadow into its cut-away parts),
# and the focus stays where it was. Then under fluxbox, whose taskbar
# gains no button while the game plays, and under mutter, which draws no
# shadow around the start dialog.
source "$(dirname "$0")/lib.sh" "$@"

start_xvfb
# A throwaway home: KWin reads and writes its settings there.
export HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/home/.config" XDG_CACHE_HOME="$E2E_TMP/home/.cache"
export XDG_RUNTIME_DIR="$E2E_TMP/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
WM_PID=""
XM_PID=""
trap 'kill $XM_PID 2>/dev/null || true; stop_wm; cleanup' EXIT
start_wm() {  # name command...
  local name=$1
  shift
  "$@" >"$E2E_OUT/$name.log" 2>&1 &
  WM_PID=$!
  for _ in $(seq 100); do wmctrl -m 2>/dev/null | grep -qi "Name: $name" && return 0; sleep 0.1; done
  fail "$name did not start"
}
# fluxbox may linger on SIGTERM.
stop_wm() {
  kill -KILL "$WM_PID" 2>/dev/null || true
  wait "$WM_PID" 2>/dev/null || true
}
start_wm KWin env KWIN_COMPOSE=N kwin_x11 --replace

# KWin makes and drops windows of its own all the time, which breaks xdotool's
# window search part-way; the game's windows are read from the window tree
# instead, by their class, and only while mapped.
game_windows() {
  local id
  xwininfo -root -tree 2>/dev/null | awk '/\("marvolt" "marvolt"\)/ {print $1}' | while read -r id; do
    xwininfo -id "$id" 2>/dev/null | awk -v id=$((id)) '
      /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} /Width:/ {w=$NF} /Height:/ {h=$NF}
      /Map State:/ {m=$NF} END {if (m == "IsViewable") print id, x, y, w, h}' || true
  done
}

open_typing_window

# What KWin holds for a window: its state list and frame extents on one line.
wm_view() { xprop -id "$1" _NET_WM_STATE _GTK_FRAME_EXTENTS | tr '\n' ' '; }
check_window() {  # id what
  local view
  sleep 0.3  # a state KWin sets on mapping is settled by now
  view=$(wm_view "$1")
  note "$2: $view"
  for want in _NET_WM_STATE_SKIP_TASKBAR _NET_WM_STATE_SKIP_PAGER _NET_WM_STATE_ABOVE; do
    grep -q "$want" <<<"$view" || fail "$2 lacks $want"
  done
  for unwanted in _NET_WM_STATE_HIDDEN _NET_WM_STATE_DEMANDS_ATTENTION; do
    ! grep -q "$unwanted" <<<"$view" || fail "$2 carries $unwanted"
  done
  grep -q "_GTK_FRAME_EXTENTS(CARDINAL) = 0, 0, 0, 0" <<<"$view" || fail "$2 declares no zero frame extents"
}

start_game
read -r start sx sy _ _ < <(wait_window 81 30) || fail "start dialog not shown"
check_window "$start" "the start dialog"
click_at $((sx + 10)) $((sy + 14))
read -r balloon _ _ _ _ < <(wait_window 8 18 30) || fail "the Game Start!! balloon not shown"
check_window "$balloon" "the balloon"
read -r lane lx ly _ _ < <(wait_window $LANE_W $LANE_H) || fail "lane not shown"
read -r board _ _ _ _ < <(wait_window 24 28 30) || fail "pin board not shown"
check_window "$lane" "the lane"
check_window "$board" "the pin board"
wait_aiming "$lx" "$ly" || fail "start marker not running"
click_at $((lx + SCORE_BTN_X)) $((ly + SCORE_BTN_Y))
read -r sheet _ _ _ _ < <(wait_window 321 45 30) || fail "score sheet not shown"
check_window "$sheet" "the score sheet"
[ $(($(active))) -eq $((typing)) ] || fail "a game window took the focus"
screenshot kwin
kill -TERM "$GAME_PID"
wait "$GAME_PID" || fail "the game did not end cleanly under KWin"
stop_wm

# fluxbox with a toolbar of only its taskbar and no wallpaper: the taskbar
# looks the same before the game starts and with its windows up.
mkdir -p "$HOME/.fluxbox"
printf 'session.screen0.toolbar.tools: iconbar\nsession.styleOverlay: %s\n' "$HOME/.fluxbox/overlay" >"$HOME/.fluxbox/init"
echo "background: none" >"$HOME/.fluxbox/overlay"
start_wm Fluxbox fluxbox
timeout 10 xdotool windowactivate --sync "$typing" || fail "fluxbox did not activate the window to type in"
sleep 0.5
# The toolbar is what fluxbox keeps off the work area at the screen's bottom.
bar_h=$((SCREEN_H - $(xprop -root _NET_WORKAREA | awk -F', ' '{print $4}')))
[ "$bar_h" -gt 0 ] || fail "fluxbox shows no toolbar"
taskbar() { import -window root -crop "${SCREEN_W}x$bar_h+0+$((SCREEN_H - bar_h))" +repage "$E2E_OUT/$1.png"; }
taskbar taskbar-before
start_game
read -r start sx sy _ _ < <(wait_window 81 30) || fail "start dialog not shown under fluxbox"
click_at $((sx + 10)) $((sy + 14))
read -r _ lx ly _ _ < <(wait_window $LANE_W $LANE_H) || fail "lane not shown under fluxbox"
wait_aiming "$lx" "$ly" || fail "start marker not running under fluxbox"
click_at $((lx + SCORE_BTN_X)) $((ly + SCORE_BTN_Y))
wait_window 321 45 30 >/dev/null || fail "score sheet not shown under fluxbox"
xdotool mousemove $((SCREEN_W / 2)) $((SCREEN_H / 2))
sleep 0.5
taskbar taskbar-during
screenshot fluxbox
changed=$(compare -metric AE "$E2E_OUT/taskbar-before.png" "$E2E_OUT/taskbar-during.png" null: 2>&1 || true)
[ "${changed%% *}" = 0 ] || fail "fluxbox's taskbar changed in $changed pixels while the game plays"
kill -TERM "$GAME_PID"
wait "$GAME_PID" || fail "the game did not end cleanly under fluxbox"
stop_wm

# mutter composites on Xvfb: over a white window, the strips right of and
# above the start dialog stay white.
start_wm Mutter env -u DBUS_SESSION_BUS_ADDRESS mutter --x11 --replace
convert -size "${SCREEN_W}x$SCREEN_H" xc:white "$E2E_TMP/white.png"
display -geometry +0+0 "$E2E_TMP/white.png" >/dev/null 2>&1 &
XM_PID="$XM_PID $!"
sleep 1
start_game
read -r _ sx sy sw sh < <(wait_window 81 30) || fail "start dialog not shown under mutter"
sleep 1
screenshot mutter
not_white() {  # x y w h
  import -window root -crop "${3}x$4+$1+$2" +repage png:- |
    convert png:- -fill black +opaque white -format '%[fx:round((1-mean)*w*h)]' info:
}
right=$(not_white $((sx + sw)) "$sy" 20 "$sh")
above=$(not_white "$sx" $((sy - 10)) "$sw" 10)
[ "$right/$above" = 0/0 ] || fail "mutter shades $right pixels right of the start dialog and $above above it"
echo "PASS"
