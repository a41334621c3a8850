#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# The game history: a history.sqlite that is no database is moved aside at the
# first game's end, and two "-X" games typed through the real input box land
# as two rows with their exact record, marks, total, typed=1 and the pins each
# fresh-rack ball left. The game is then killed with SIGKILL at the question
# after the second game: both rows are still there and the database passes
# its integrity check.
source "$(dirname "$0")/lib.sh" "$@"

HISTORY="$E2E_TMP/history.sqlite"
# A strike; a spare; a split leave (8) and one more; six times 9 and a miss;
# the tenth frame a strike, 9 and a miss. Then twelve strikes.
GAME1=(10 9 1 -2 1 9 0 9 0 9 0 9 0 9 0 9 0 10 9 0)
ROW1='! 9*81'"$(printf '9-%.0s' {1..6})"'!9-|    O'"$(printf '%16s' '')"'|120|1|0'
# The pins each ball at a fresh rack left ('1' standing): a typed count fells
# the lowest pins, -2 leaves 7 and 10, a strike leaves none.
Z=0000000000 N=0000000001
LEAVES1="$Z${N}0000001001$(printf "$N%.0s" {1..6})$Z$N"
GAME2=(10 10 10 10 10 10 10 10 10 10 10 10)
ROW2="$(printf '! %.0s' {1..9})!!!|$(printf '%21s' '')|300|1|0"

# Types one game's answers into the input boxes and waits for the question.
play() {
  local ball=0 answer bid bx by bw bh
  for answer in "$@"; do
    ball=$((ball + 1))
    read -r bid bx by bw bh < <(wait_box) || { screenshot "no-box-$ball"; fail "no input box for ball $ball"; }
    xdotool mousemove $((bx + bw / 2)) $((by + bh / 2))
    sleep 0.1
    xdotool type -- "$answer"
    xdotool key Return
    for _ in $(seq 100); do
      xwininfo -id "$bid" 2>/dev/null | grep -q IsViewable || break
      sleep 0.05
    done
  done
  read -r QID QX QY QW QH < <(wait_box) || fail "no question at the end of the game"
}
answer() {  # key; pressed again while the box still stands (a key can beat the box's focus)
  local _try
  for _try in 1 2 3; do
    xdotool mousemove $((QX + QW / 2)) $((QY + QH / 2))
    sleep 0.1
    xdotool key "$1"
    for _ in $(seq 40); do
      xwininfo -id "$QID" 2>/dev/null | grep -q IsViewable || return 0
      sleep 0.05
    done
  done
}
rows() { sqlite3 "$HISTORY" 'SELECT record, marks, total, typed, imported FROM games ORDER BY id'; }

head -c 4096 /dev/urandom >"$HISTORY"
cp "$HISTORY" "$E2E_TMP/junk"
start_xvfb
start_game -X
read -r _ sx sy _ _ < <(wait_window 81 30) || fail "start dialog not shown"
click_at $((sx + 10)) $((sy + 14))

play "${GAME1[@]}"
aside=$(ls "$E2E_TMP" | grep -E '^history\.sqlite\.corrupt-[0-9]{8}-[0-9]{6}$') || fail "the damaged file was not moved aside"
cmp -s "$E2E_TMP/$aside" "$E2E_TMP/junk" || fail "$aside is not the damaged file"
[ "$(grep -c 'history.sqlite' "$E2E_OUT/game.log")" -eq 1 ] || fail "not one line on the damaged history"
[ "$(rows)" = "$ROW1" ] || fail "after game 1: '$(rows)', want '$ROW1'"
leaves=$(sqlite3 "$HISTORY" 'SELECT leaves FROM games')
[ "$leaves" = "$LEAVES1" ] || fail "leaves after game 1: '$leaves', want '$LEAVES1'"
answer y

play "${GAME2[@]}"
screenshot question
kill -9 "$GAME_PID"
wait "$GAME_PID" 2>/dev/null || true
GAME_PID=""
[ "$(sqlite3 "$HISTORY" 'PRAGMA integrity_check')" = ok ] || fail "the history fails its integrity check"
[ "$(rows)" = "$ROW1"$'\n'"$ROW2" ] || fail "rows '$(rows)', want '$ROW1' and '$ROW2'"
ended=$(sqlite3 "$HISTORY" 'SELECT ended_at FROM games')
while read -r at; do
  [[ "$at" =~ ^[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}[+-][0-9]{2}:[0-9]{2}$ ]] || fail "ended_at '$at'"
  age=$(($(date +%s) - $(date -d "$at" +%s)))
  [ "$age" -ge -5 ] && [ "$age" -le 300 ] || fail "ended_at '$at' is not the time the game ended ($age s)"
done <<<"$ended"
note "history ok: $(sqlite3 "$HISTORY" 'SELECT count(*) FROM games') games"
