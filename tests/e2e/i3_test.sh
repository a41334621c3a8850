#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# The game under i3, which floats the game's windows by itself, puts a new
# floating window 2 pixels right and 18 down of the place it asks for, and
# honours later moves exactly. Every window stands where it does on a bare
# X server: the start dialog and the lane flush bottom-left, the About box
# centred (its OK closes it), the pin board beside the lane at its own size
# (the config lifts i3's 75 x 50 floor), the balloon and the sheet above the
# lane. A sheet the player drags stays where it is dropped, that place is
# stored and the sheet comes back there.
source "$(dirname "$0")/lib.sh" "$@"

start_xvfb
printf '%s\n' '# i3 config file (v4)' 'floating_minimum_size -1 x -1' >"$E2E_TMP/i3.conf"
start_wm i3 i3 -c "$E2E_TMP/i3.conf"
at() {  # what w h want_x want_y; sets x and y
  wait_window "$2" "$3" >/dev/null || fail "$1 not shown at $2 x $3"
  sleep 0.5  # i3's own placement would have arrived by now
  read -r _ x y _ _ < <(wait_window "$2" "$3" 1)
  [ "$x/$y" = "$4/$5" ] || fail "$1 at $x,$y, want $4,$5"
}

start_dialog
at "start dialog" 81 30 0 $((SCREEN_H - 30))
open_about
# OK is 8 to 30 pixels below the box's own caption; a click 44 pixels down
# meets it for any caption 14 to 35 pixels high.
click_at $((ax + 1 + 205 + 26)) $((ay + 44))
titled_gone "$ABOUT_TITLE" || fail "OK did not close the About box"

click_at $((sx + 10)) $((sy + 14))
at "balloon" 8 18 9 $((SCREEN_H - LANE_H - 15))
screenshot balloon
at "lane" $LANE_W $LANE_H 0 $((SCREEN_H - LANE_H))
lx=$x ly=$y
at "pin board" 24 28 $((LANE_W + 4)) $((SCREEN_H - LANE_H))
wait_aiming || fail "start marker not running"
open_sheet
at "score sheet" 321 45 0 $((SCREEN_H - LANE_H - 45))
cx=$x cy=$y
# A drag by the player, 200 right and 160 up: the sheet stays where it is
# dropped.
xdotool mousemove $((cx + 100)) $((cy + 20)) mousedown 1
for step in 1 2 3 4; do sleep 0.1; xdotool mousemove $((cx + 100 + 50 * step)) $((cy + 20 - 40 * step)); done
sleep 0.1
xdotool mouseup 1
dx=$((cx + 200)) dy=$((cy - 160))
at "dragged sheet" 321 45 "$dx" "$dy"
screenshot dragged-sheet
# Closed (which stores its place) and opened again: at the dropped place.
click_at $((lx + SCORE_BTN_X)) $((ly + SCORE_BTN_Y))
wait_window_gone 321 45 || fail "the score button left the sheet up"
[ "$(ini_value SCOREBOARD LEFT)/$(ini_value SCOREBOARD TOP)" = "$((dx * 15))/$((dy * 15))" ] ||
  fail "stored sheet place $(ini_value SCOREBOARD LEFT)/$(ini_value SCOREBOARD TOP), want $((dx * 15))/$((dy * 15))"
open_sheet
at "sheet shown again" 321 45 "$dx" "$dy"
echo "PASS"
