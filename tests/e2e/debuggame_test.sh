#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# Debug mode: "-X" plays a whole game typed into the real input boxes with
# only the score sheet shown; the game goes into KVZ.ini and the history, No
# leads back to the start dialog and E ends the program. After a restart the
# short menu lists the game and replays it on a red sheet; the About box's
# title is in the desktop's language. Run once in Japanese and once
# installed, in English (see lib.sh).
source "$(dirname "$0")/lib.sh" "$@"

# Strike; spare; a split leave (8) and one more; six times 9 and a miss; the
# tenth frame a strike, 9 and a miss.
ANSWERS=(10 9 1 -2 1 9 0 9 0 9 0 9 0 9 0 9 0 10 9 0)
RECORD='! 9*81'"$(printf '9-%.0s' {1..6})"'!9-'
MARKS="    O$(printf '%16s' '')"

start_xvfb
start_dialog -X
click_at $((sx + 10)) $((sy + 14))
for answer in "${ANSWERS[@]}"; do
  read -r box < <(wait_box) || { screenshot no-box; fail "no input box for '$answer'"; }
  answer_box $box "$answer" Return
  ! wait_window $LANE_W $LANE_H 1 >/dev/null || fail "lane shown in debug mode"
done
read -r box < <(wait_box) || fail "no question at the end of the game"
read -r _ cx cy _ _ < <(wait_window 321 45 20) || fail "score sheet not shown at the end"
[ "$cx/$((cy + 45))" = "0/$SCREEN_H" ] || fail "score sheet at $cx,$cy, not bottom-left"
screenshot question
import -window root -crop "321x45+$cx+$cy" +repage png:- | convert png:- -sample 300% "$E2E_OUT/sheet.png"  # the README's
IFS=, read -r date rest <<<"$(ini_value Data HISCORE1)"
[ "$rest" = "$RECORD,$MARKS,120" ] || fail "HISCORE1 '$rest', want '$RECORD,$MARKS,120'"
recent "${date//\//-}"
[ "$(sqlite3 "$HISTORY" 'SELECT record, marks, total, typed FROM games')" = "$RECORD|$MARKS|120|1" ] ||
  fail "history: $(sqlite3 "$HISTORY" 'SELECT * FROM games')"
answer_box $box n
wait_window 81 30 50 >/dev/null || fail "start dialog not back after No"
click_at $((sx + 69)) $((sy + 14))
game_ended "E"

# A fresh run on the same settings: the short menu's high scores, first place.
start_dialog
sleep 0.3
click_at $((sx + 40)) $((sy + 10)) 3
sleep 0.5
xdotool key Down Right
sleep 0.5
screenshot hiscore-menu
xdotool key Return
read -r replay rx ry _ _ < <(wait_window 321 45) || fail "no replay sheet"
[ "$rx/$ry" = "$(($(ini_value SCOREBOARD LEFT) / 15))/$(($(ini_value SCOREBOARD TOP) / 15))" ] ||
  fail "replay sheet at $rx,$ry, not where the score sheet is stored"
sleep 0.3
screenshot replay
for p in "4 20" "32 10" "283 20" "150 4"; do
  set -- $p
  [ "$(pixel $((rx + $1)) $((ry + $2)))" = "255 0 0" ] || fail "grid pixel ($1,$2) not red"
done
click_at $((rx + 312)) $((ry + 7))
retry 50 gone geometry "$replay" || fail "replay sheet not closed by its close button"
click_at $((sx + 40)) $((sy + 15))
wait_titled "$ABOUT_TITLE" >/dev/null || { screenshot no-about; fail "no About box titled $ABOUT_TITLE"; }
[ ! -e "$(dirname "$MARVOLT_BIN")/KVZ.ini" ] || [ -n "${MARVOLT_INI_DIR:-}" ] || fail "KVZ.ini written beside the installed program"
echo "PASS"
