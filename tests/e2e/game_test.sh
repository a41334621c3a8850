#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# A whole game played with the mouse: S, the "Game Start!!" balloon, aiming
# with the throw button, the ball rolling and pins falling, the score sheet
# from the score button, ten frames, the Yes/No question and KVZ.ini.
source "$(dirname "$0")/lib.sh" "$@"

start_xvfb
start_game
read -r _ sx sy _ _ < <(wait_window 81 30) || fail "start dialog not shown"
click_at $((sx + 10)) $((sy + 14))

read -r _ lx ly _ _ < <(wait_window $LANE_W $LANE_H) || fail "lane not shown"
note "lane at $lx,$ly"
[ "$lx" -eq 0 ] && [ $((ly + LANE_H)) -eq "$SCREEN_H" ] || fail "lane not at the bottom-left"
wait_window 24 28 20 >/dev/null || fail "pin board not shown"
sleep 0.4
wait_window 8 18 20 >/dev/null || fail "balloon not shown"
# Presses on the lane while the balloon is up are ignored: a right press
# would open the menu, a left one fix the start position. The check counts
# only when the balloon was still up afterwards, so the press fell inside it.
tall_windows() { game_windows | awk '$5 > 20 {print $1}' | sort; }  # not the balloon's pieces
before=$(tall_windows)
click_at $((lx + THROW_X)) $((ly + THROW_Y)) 3
sleep 0.3
opened=$(comm -13 <(echo "$before") <(tall_windows))
if wait_window 8 18 1 >/dev/null; then
  [ -z "$opened" ] || fail "a right press during the balloon opened a window"
  click_at $((lx + THROW_X)) $((ly + THROW_Y))
else
  note "balloon gone before the check"
  [ -z "$opened" ] || xdotool key Escape
fi
screenshot balloon
wait_window_gone 8 18 || fail "balloon still up"
sleep 0.2
screenshot aiming

wait_aiming "$lx" "$ly" || fail "start marker not running"
before=$(dark_share $((lx + 270)) $ly 37 $LANE_H)
throw_ball "$lx" "$ly" 0.1
sleep 1.4
screenshot rolling
sleep 1.2
after=$(dark_share $((lx + 270)) $ly 37 $LANE_H)
note "pin deck dark share before $before, after $after"
screenshot after-first-ball

# The score button opens the sheet directly above the lane with the mark.
click_at $((lx + SCORE_BTN_X)) $((ly + SCORE_BTN_Y))
read -r _ cx cy _ _ < <(wait_window 321 45) || fail "score sheet not shown"
note "score sheet at $cx,$cy"
[ "$cx" -eq "$lx" ] && [ $((cy + 45)) -eq "$ly" ] || fail "score sheet not above the lane"
sleep 0.3
screenshot score-sheet
mark=$(dark_share $((cx + 5)) $((cy + 17)) 12 11)
note "first cell dark share $mark"
awk -v m="$mark" 'BEGIN { exit !(m > 0.03) }' || fail "no mark in the first cell"

# The rest of the game: keep throwing until the question comes.
for ball in $(seq 2 21); do
  while :; do
    box=$(wait_box 1 || true)
    [ -n "$box" ] && break 2
    wait_aiming "$lx" "$ly" 5 && break
  done
  throw_ball "$lx" "$ly" 0.$((ball % 6 + 1))
  note "ball $ball thrown"
  # The frozen markers stay red until the roll starts.
  sleep 1
  [ "$ball" -eq 2 ] && { sleep 1.2; screenshot second-ball; }
done
read -r bid bx by bw bh < <(wait_box 200) || { screenshot no-question; fail "no question at the end of the game"; }
screenshot question
note "question box ${bw}x$bh"
hs=$(ini_value Data HISCORE1)
note "HISCORE1=$hs"
[[ "$hs" =~ ^[0-9]{4}/[0-9]{2}/[0-9]{2}\ [0-9]{2}:[0-9]{2}:[0-9]{2},[^,]{20,21},[^,]{20,21},[0-9]{3}$ ]] \
  || fail "HISCORE1 not in its four-field form"
# No: back to the start dialog.
xdotool mousemove $((bx + bw / 2)) $((by + bh / 2))
sleep 0.2
xdotool key n
wait_window 81 30 50 >/dev/null || fail "start dialog not back after No"
wait_window_gone $LANE_W $LANE_H || fail "lane still shown after No"
[ -n "$(ini_value SCOREBOARD LEFT)" ] || fail "score sheet position not stored"
echo "PASS"
