#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# The statistics window's list of games: two games typed in with -X (a strike
# first, then all nines), then "成績" from the start dialog's menu; the list,
# with typed-in games included, holds both, newest first, and a double click
# on the older one shows its sheet in red where debug play's score sheet
# stands, at the bottom-left corner.
source "$(dirname "$0")/lib.sh" "$@"

STRIKE=(10 9 1 -2 1 9 0 9 0 9 0 9 0 9 0 9 0 10 9 0)
NINES=(9 0 9 0 9 0 9 0 9 0 9 0 9 0 9 0 9 0 9 0)
# Offsets in the statistics window: its second tab, the check box, the
# list's rows (the newest first).
GAMES_TAB="100 23" TYPED_BOX="18 -23" ROW_H=20 FIRST_ROW_Y=64

play() {  # answers... then the answer to "play again?"
  local again=$1
  shift
  for answer in "$@"; do
    read -r box < <(wait_box) || { screenshot no-box; fail "no input box for '$answer'"; }
    answer_box $box "$answer" Return
  done
  read -r box < <(wait_box) || fail "no question at the end of the game"
  answer_box $box "$again"
}
# Double-clicks row N of the list and reads the red sheet that comes up:
# prints whether frame 1 holds a strike picture, then closes the sheet.
open_row() {  # n
  xdotool mousemove $((wx + 60)) $((wy + FIRST_ROW_Y + ($1 - 1) * ROW_H)) click --repeat 2 --delay 80 1
  read -r replay rx ry _ _ < <(wait_window 321 45) || { screenshot no-replay; fail "row $1 opened no sheet"; }
  [ "$rx/$((ry + 45))" = "0/$SCREEN_H" ] || fail "sheet of row $1 at $rx,$ry, not where debug play's sheet stands"
  [ "$(pixel $((rx + 4)) $((ry + 20)))" = "255 0 0" ] || fail "the sheet of row $1 is not red"
  sleep 0.3
  screenshot "row$1"
  [ "$(pixel $((rx + 7)) $((ry + 19)))" = "0 0 0" ] && echo strike || echo count
  click_at $((rx + 312)) $((ry + 7))
  retry 50 gone geometry "$replay" || fail "the sheet of row $1 did not close"
}

start_xvfb
start_dialog -X
click_at $((sx + 10)) $((sy + 14))
play y "${STRIKE[@]}"
play n "${NINES[@]}"
wait_window 81 30 50 >/dev/null || fail "start dialog not back"
[ "$(sqlite3 "$HISTORY" 'SELECT total FROM games ORDER BY id' | tr '\n' ' ')" = "120 90 " ] ||
  fail "history: $(sqlite3 "$HISTORY" 'SELECT * FROM games')"

click_at $((sx + 40)) $((sy + 10)) 3
sleep 0.5
xdotool key Down Down Return
wait_titled "成績" >/dev/null || fail "the statistics window did not open"
# Where it stands once it has been fitted to the screen.
sleep 1
read -r _ wx wy _ wh < <(titled "成績") || fail "the statistics window went"
set -- $GAMES_TAB
click_at $((wx + $1)) $((wy + $2))
set -- $TYPED_BOX
click_at $((wx + $1)) $((wy + wh + $2))
sleep 0.5
screenshot list
[ "$(open_row 2)" = strike ] || fail "the older game's sheet does not start with its strike"
[ "$(open_row 1)" = count ] || fail "the newer game's sheet does not start with its nine"
echo "PASS"
