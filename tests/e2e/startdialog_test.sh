#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# The start dialog stands at the bottom-left, cut to its shape; a click on its
# middle opens the About box centred on the screen; OK closes it; E ends the
# program. "-X" with a further argument starts an ordinary game.
source "$(dirname "$0")/lib.sh" "$@"

start_xvfb
start_game
read -r _ x y w h < <(wait_window 81 30) || fail "start dialog not shown"
note "start dialog at $x,$y ${w}x$h"
[ "$x" -eq 0 ] || fail "start dialog left is $x, want 0"
[ $((y + h)) -eq "$SCREEN_H" ] || fail "start dialog bottom is $((y + h)), want $SCREEN_H"
sleep 0.3
screenshot start-dialog

# Outside the shape the desktop (black under Xvfb) shows; inside, the picture.
for p in "0 0" "22 1" "80 29" "25 26" "57 27"; do
  set -- $p
  is_black $((x + $1)) $((y + $2)) || fail "pixel ($1,$2) of the dialog should be cut away"
done
for p in "10 14" "69 14" "40 10" "40 26"; do
  set -- $p
  ! is_black $((x + $1)) $((y + $2)) || fail "pixel ($1,$2) of the dialog should show the picture"
done

click_at $((x + 40)) $((y + 15))
read -r about ax ay aw ah < <(wait_titled "ﾊﾞｰｼﾞｮﾝ情報") || fail "About box not shown"
note "About box at $ax,$ay ${aw}x$ah"
title=$(xprop -id "$about" _NET_WM_NAME)
[ "$title" = '_NET_WM_NAME(UTF8_STRING) = "ﾊﾞｰｼﾞｮﾝ情報"' ] || fail "About box title: $title"
[ $((ax * 2 + aw - SCREEN_W)) -ge -1 ] && [ $((ax * 2 + aw - SCREEN_W)) -le 1 ] || fail "About box not centred across"
[ $((ay * 2 + ah - SCREEN_H)) -ge -1 ] && [ $((ay * 2 + ah - SCREEN_H)) -le 1 ] || fail "About box not centred down"
sleep 0.3
screenshot about-box
# OK is 8 to 30 pixels below the box's own caption; a click 44 pixels down
# meets it for any caption 14 to 35 pixels high.
click_at $((ax + 1 + 205 + 26)) $((ay + 44))
for _ in $(seq 50); do
  xdotool search --onlyvisible --name "^ﾊﾞｰｼﾞｮﾝ情報\$" >/dev/null 2>&1 || break
  sleep 0.1
done
! xdotool search --onlyvisible --name "^ﾊﾞｰｼﾞｮﾝ情報\$" >/dev/null 2>&1 || fail "OK did not close the About box"
wait_window 81 30 10 >/dev/null || fail "start dialog gone after the About box"

click_at $((x + 69)) $((y + 14))
for _ in $(seq 10); do
  game_running || break
  sleep 0.1
done
! game_running || fail "E did not end the program within a second"
wait "$GAME_PID" || true
GAME_PID=""

# "-X" followed by anything else, even an option the toolkit takes for
# itself, is an ordinary game: the lane comes up, not the sheet alone.
start_game -X -reverse
read -r _ sx sy _ _ < <(wait_window 81 30) || fail "start dialog not shown for -X -reverse"
click_at $((sx + 10)) $((sy + 14))
wait_window $LANE_W $LANE_H >/dev/null || fail "-X -reverse started the debug game"
echo "PASS"
