#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# Debug mode: "-X" plays a whole game by typed-in results with only the score
# sheet shown; the finished game goes into KVZ.ini. After a restart the start
# dialog's short menu lists it, and choosing it replays it on a red sheet;
# the About box's title is in the desktop's language. Run once in Japanese
# and once installed, in English (see lib.sh).
source "$(dirname "$0")/lib.sh" "$@"

# Strike; spare; a split leave (8) and one more; six times 9 and a miss; the
# tenth frame a strike, 9 and a miss.
ANSWERS=(10 9 1 -2 1 9 0 9 0 9 0 9 0 9 0 9 0 10 9 0)
WANT_RECORD='! 9*81'"$(printf '9-%.0s' {1..6})"'!9-'
WANT_MARKS="    O$(printf '%16s' '')"
WANT_SCORE=120

# Waits until window $1 is no longer shown.
wait_unmapped() {
  for _ in $(seq 100); do
    xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' || return 0
    sleep 0.05
  done
  return 1
}

# Prints "id x y w h" of the first shown game window that is not listed in $1.
wait_new_window() {
  local before=$1 line
  for _ in $(seq 100); do
    line=$(game_windows | awk -v skip="$before" 'BEGIN { n = split(skip, s, " "); for (i = 1; i <= n; i++) old[s[i]] = 1 }
      !($1 in old)' | head -n1)
    [ -n "$line" ] && { echo "$line"; return 0; }
    sleep 0.05
  done
  return 1
}
window_ids() { game_windows | awk '{print $1}' | tr '\n' ' '; }

start_xvfb
start_game -X
read -r _ sx sy _ _ < <(wait_window 81 30) || fail "start dialog not shown"
click_at $((sx + 10)) $((sy + 14))

ball=0
for answer in "${ANSWERS[@]}"; do
  ball=$((ball + 1))
  read -r bid bx by bw bh < <(wait_box) || { screenshot "no-box-$ball"; fail "no input box for ball $ball"; }
  xdotool mousemove $((bx + bw / 2)) $((by + bh / 2))
  sleep 0.1
  [ "$ball" -eq 1 ] && screenshot input-box
  xdotool type -- "$answer"
  xdotool key Return
  wait_unmapped "$bid" || fail "input box of ball $ball stays up"
  # Only the score sheet and the box: the lane and the pin board stay hidden.
  ! wait_window $LANE_W $LANE_H 1 >/dev/null || fail "lane shown in debug mode"
done
read -r _ cx cy _ _ < <(wait_window 321 45 20) || fail "score sheet not shown at the end"
[ "$cx" -eq 0 ] && [ $((cy + 45)) -eq "$SCREEN_H" ] || fail "score sheet not at the bottom-left ($cx,$cy)"
read -r qid qx qy qw qh < <(wait_box) || fail "no question at the end of the game"
screenshot question

hs=$(ini_value Data HISCORE1)
note "HISCORE1=$hs"
IFS=, read -r date record marks score extra <<<"$hs"
[[ "$date" =~ ^[0-9]{4}/[0-9]{2}/[0-9]{2}\ [0-9]{2}:[0-9]{2}:[0-9]{2}$ ]] || fail "date '$date' not yyyy/mm/dd hh:mm:ss"
age=$(( $(date +%s) - $(date -d "${date//\//-}" +%s) ))
[ "$age" -ge -5 ] && [ "$age" -le 300 ] || fail "date '$date' is not the time the game ended ($age s)"
[ "$record" = "$WANT_RECORD" ] || fail "record '$record', want '$WANT_RECORD'"
[ "$marks" = "$WANT_MARKS" ] || fail "marks '$marks', want '$WANT_MARKS'"
[ "$score" = "$WANT_SCORE" ] && [ -z "$extra" ] || fail "score '$score' (then '$extra'), want '$WANT_SCORE'"

xdotool mousemove $((qx + qw / 2)) $((qy + qh / 2))
sleep 0.1
xdotool key n
wait_window 81 30 50 >/dev/null || fail "start dialog not back after No"
wait_window_gone 321 45 || fail "score sheet still shown after No"
click_at $((sx + 69)) $((sy + 14))
wait "$GAME_PID" || true

# A fresh run on the same settings file.
start_game
read -r _ sx sy _ _ < <(wait_window 81 30) || fail "start dialog not shown after the restart"
sleep 0.3
before=$(window_ids)
click_at $((sx + 40)) $((sy + 10)) 3
read -r mid mx my mw mh < <(wait_new_window "$before") || fail "no menu on a right click"
note "menu ${mw}x$mh at $mx,$my"
sleep 0.2
screenshot start-menu
# The first entry opens the high scores.
before="$before $mid"
click_at $((mx + mw / 2)) $((my + 12))
read -r hid hx hy hw hh < <(wait_new_window "$before") || fail "no high-score submenu"
note "high scores ${hw}x$hh at $hx,$hy"
sleep 0.3
screenshot hiscore-menu
# Five places against two entries and a separator: the short menu is well
# under the five-item list, and more than one item.
[ $((mh * 10)) -lt $((hh * 7)) ] && [ $((mh * 10)) -gt $((hh * 3)) ] \
  || fail "menu of ${mh}px against ${hh}px for five places: not the three-entry view"
# A place that holds a game shows its date, so the list is far wider than the
# short menu, whose longest entry is "画面モード切替".
[ $((hw * 2)) -gt $((mw * 3)) ] || fail "high-score list only ${hw}px wide: the game is not listed"

left=$(ini_value SCOREBOARD LEFT)
top=$(ini_value SCOREBOARD TOP)
click_at $((hx + hw / 2)) $((hy + 12))
read -r rid rx ry _ _ < <(wait_window 321 45) || fail "no replay sheet"
note "replay sheet at $rx,$ry"
[ "$rx" -eq $((left / 15)) ] && [ "$ry" -eq $((top / 15)) ] || fail "replay sheet not where the score sheet is ($left,$top twips)"
sleep 0.3
screenshot replay
for p in "4 20" "32 10" "256 20" "283 20" "150 4"; do
  set -- $p
  [ "$(pixel $((rx + $1)) $((ry + $2)))" = "255 0 0" ] || fail "grid pixel ($1,$2) not red: $(pixel $((rx + $1)) $((ry + $2)))"
done
click_at $((rx + 312)) $((ry + 7))
wait_unmapped "$rid" || fail "replay sheet not closed by its close button"
wait_window 81 30 20 >/dev/null || fail "start dialog gone after the replay"
click_at $((sx + 40)) $((sy + 15))
wait_titled "$ABOUT_TITLE" >/dev/null || { screenshot no-about; fail "no About box titled $ABOUT_TITLE"; }
sleep 0.3
screenshot about-box
[ ! -e "$(dirname "$MARVOLT_BIN")/KVZ.ini" ] || [ -n "${MARVOLT_INI_DIR:-}" ] || fail "KVZ.ini written beside the installed program"
echo "PASS"
