#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# On a bare X server: the start dialog cut to its shape; "-X" followed by an
# option the toolkit takes for itself starts an ordinary game. Then a whole
# game played with the mouse (the three aiming markers shown while the first
# ball's hook runs): balls aimed and thrown until the Yes/No
# question, the first ball's mark on the sheet, the game in KVZ.ini and in
# the history, which survives a SIGKILL at the question.
source "$(dirname "$0")/lib.sh" "$@"

start_xvfb
# Outside the start dialog's shape the desktop (black under Xvfb) shows;
# inside, the picture.
start_dialog -X -reverse
sleep 0.3
screenshot start-dialog
[ "$sx/$((sy + 30))" = "0/$SCREEN_H" ] || fail "start dialog at $sx,$sy, not bottom-left"
for p in "0 0 y" "22 1 y" "80 29 y" "25 26 y" "57 27 y" "10 14 n" "69 14 n" "40 10 n" "40 26 n"; do
  set -- $p
  [ "$(pixel $((sx + $1)) $((sy + $2)))" = "0 0 0" ] && black=y || black=n
  [ "$black" = "$3" ] || fail "pixel ($1,$2) of the start dialog: black $black, want $3"
done
click_at $((sx + 10)) $((sy + 14))
wait_window $LANE_W $LANE_H >/dev/null || fail "-X -reverse started the debug game"
kill "$GAME_PID"
wait "$GAME_PID" || true

start_dialog
start_playing
# The first ball held while the hook marker runs: the start marker and the
# target's row stay red and black where they were fixed, a hook row is red.
# The picture of the lane's left end is the README's.
xdotool mousemove $((lx + THROW_X)) $((ly + THROW_Y)) sleep 0.25 mousedown 1 sleep 0.05 mouseup 1 sleep 0.3 mousedown 1 sleep 0.6
import -window root -crop "64x$LANE_H+$lx+$ly" +repage "$E2E_OUT/aiming-1x.png"
xdotool mouseup 1
convert "$E2E_OUT/aiming-1x.png" -sample 800% "$E2E_OUT/aiming.png"
for column in "25 3 FF0000 start" "52 9 000000 target" "29 2 FF0000 hook"; do
  set -- $column
  convert "$E2E_OUT/aiming-1x.png" -crop "${2}x17+$1+6" txt:- | grep -qi "#$3" || fail "no $4 marker while the hook runs"
done
sleep 2.6
open_sheet
sleep 0.3
screenshot first-ball
dark=$(import -window root -crop "12x11+$((cx + 5))+$((cy + 17))" png:- |
  convert png:- +repage -colorspace gray -threshold 40% -negate -format '%[fx:mean]' info:)
awk -v m="$dark" 'BEGIN { exit !(m > 0.03) }' || fail "no mark in the sheet's first cell"

for ball in $(seq 2 21); do
  while :; do
    wait_box 1 >/dev/null && break 2
    wait_aiming 5 && break
  done
  throw_ball 0.$((ball % 6 + 1))
  sleep 1  # the frozen markers stay red until the roll starts
done
wait_box 200 >/dev/null || { screenshot no-question; fail "no question at the end of the game"; }
screenshot question
IFS=, read -r date record marks score <<<"$(ini_value Data HISCORE1)"
[[ "$date $score" =~ ^[0-9]{4}/[0-9]{2}/[0-9]{2}\ [0-9:]{8}\ [0-9]{3}$ ]] && [ ${#record} -ge 20 ] && [ ${#marks} -ge 20 ] ||
  fail "HISCORE1 not in its four-field form: $(ini_value Data HISCORE1)"
recent "${date//\//-}"
kill -9 "$GAME_PID"
wait "$GAME_PID" 2>/dev/null || true
GAME_PID=""
[ "$(sqlite3 "$HISTORY" 'PRAGMA integrity_check')" = ok ] || fail "the history fails its integrity check"
row=$(sqlite3 "$HISTORY" 'SELECT record, marks, total, typed FROM games')
[ "$row" = "$record|$marks|$((10#$score))|0" ] || fail "history '$row' is not the game in KVZ.ini"
recent "$(sqlite3 "$HISTORY" 'SELECT ended_at FROM games')"
echo "PASS"
