#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# The game under i3, which floats the game's windows by itself, puts a new
# floating window 2 pixels right and 18 down of the place it asks for, and
# honours later moves exactly. Every window stands where it does on a bare
# X server: the start dialog and the lane flush bottom-left, the About box
# centred, the pin board beside the lane at its own size (the config lifts
# i3's 75 x 50 floor), the balloon and the sheet above the lane. A sheet the
# player drags stays where it is dropped, that place is stored and the sheet
# comes back there.
source "$(dirname "$0")/lib.sh" "$@"

start_xvfb
printf '%s\n' '# i3 config file (v4)' 'floating_minimum_size -1 x -1' >"$E2E_TMP/i3.conf"
i3 -c "$E2E_TMP/i3.conf" >"$E2E_OUT/i3.log" 2>&1 &
WM_PID=$!
trap 'kill "$WM_PID" 2>/dev/null || true; cleanup' EXIT
for _ in $(seq 50); do i3-msg -t get_version >/dev/null 2>&1 && break; sleep 0.1; done
i3-msg -t get_version >/dev/null 2>&1 || fail "i3 did not start"

at() {  # what x y want_x want_y
  [ "$2/$3" = "$4/$5" ] || fail "$1 at $2,$3, want $4,$5"
}

start_game
read -r _ sx sy _ _ < <(wait_window 81 30) || fail "start dialog not shown at 81 x 30"
sleep 0.5  # i3's own placement would have arrived by now
read -r _ sx sy _ _ < <(wait_window 81 30)
at "start dialog" "$sx" "$sy" 0 $((SCREEN_H - 30))
# The About box centres itself.
click_at $((sx + 40)) $((sy + 15))
wait_titled "$ABOUT_TITLE" >/dev/null || fail "About box not shown"
sleep 0.5
read -r _ ax ay aw ah < <(wait_titled "$ABOUT_TITLE")
at "About box" "$ax" "$ay" $(((SCREEN_W - aw) / 2)) $(((SCREEN_H - ah) / 2))
click_at $((ax + 1 + 205 + 26)) $((ay + 44))
for _ in $(seq 50); do xdotool search --onlyvisible --name "^$ABOUT_TITLE\$" >/dev/null 2>&1 || break; sleep 0.1; done

click_at $((sx + 10)) $((sy + 14))
read -r _ px py _ _ < <(wait_window 8 18) || fail "balloon not shown"
screenshot balloon
read -r _ lx ly _ _ < <(wait_window $LANE_W $LANE_H) || fail "lane not shown"
at "balloon" "$px" "$py" 9 $((ly - 15))
at "lane" "$lx" "$ly" 0 $((SCREEN_H - LANE_H))
read -r _ bx by _ _ < <(wait_window 24 28) || fail "pin board not shown at 24 x 28"
at "pin board" "$bx" "$by" $((LANE_W + 4)) "$ly"
wait_aiming "$lx" "$ly" || fail "start marker not running"

click_at $((lx + SCORE_BTN_X)) $((ly + SCORE_BTN_Y))
read -r _ cx cy _ _ < <(wait_window 321 45) || fail "score sheet not shown"
sleep 0.5
read -r _ cx cy _ _ < <(wait_window 321 45)
at "score sheet" "$cx" "$cy" 0 $((ly - 45))
# A drag by the player, 200 right and 160 up: the sheet stays where it is
# dropped.
xdotool mousemove $((cx + 100)) $((cy + 20)) mousedown 1
for step in 1 2 3 4; do xdotool mousemove $((cx + 100 + 50 * step)) $((cy + 20 - 40 * step)); sleep 0.1; done
xdotool mouseup 1
dx=$((cx + 200)) dy=$((cy - 160))
sleep 1
read -r _ x y _ _ < <(wait_window 321 45)
at "dragged sheet" "$x" "$y" "$dx" "$dy"
screenshot dragged-sheet
# Closed and opened again (it is stored on closing): at the dropped place.
click_at $((lx + SCORE_BTN_X)) $((ly + SCORE_BTN_Y))
wait_window_gone 321 45 || fail "the score button left the sheet up"
[ "$(ini_value SCOREBOARD LEFT)/$(ini_value SCOREBOARD TOP)" = "$((dx * 15))/$((dy * 15))" ] ||
  fail "stored sheet place $(ini_value SCOREBOARD LEFT)/$(ini_value SCOREBOARD TOP), want $((dx * 15))/$((dy * 15))"
click_at $((lx + SCORE_BTN_X)) $((ly + SCORE_BTN_Y))
read -r _ _ _ _ _ < <(wait_window 321 45) || fail "score sheet not shown again"
sleep 0.5
read -r _ x y _ _ < <(wait_window 321 45)
at "sheet shown again" "$x" "$y" "$dx" "$dy"
echo "PASS"
