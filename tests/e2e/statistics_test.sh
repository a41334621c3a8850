#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# The statistics window under openbox: "成績" in the start dialog's menu
# opens it on a history of 50 games, in a frame of the window manager's own;
# a second choice brings back the same window rather than a second one.
source "$(dirname "$0")/lib.sh" "$@"

WM_PID=""
trap 'kill $WM_PID 2>/dev/null || true; cleanup' EXIT

# Fifty rolled games of a steady player who gets better, written as the
# history stores them (schema version 2), with the pins each ball at a
# fresh rack left.
python3 - "$E2E_TMP/history.sqlite" <<'PY'
import random, sqlite3, sys
rng = random.Random(17)
def game(skill):
    record, marks, balls, leaves = "", "", [], []
    # The pins a ball at a fresh rack leaves: the corner pins stand most often.
    weights = {1: 0.2, 2: 0.7, 3: 0.7, 4: 1.5, 5: 0.5, 6: 1.5, 7: 3, 8: 1, 9: 1, 10: 3}
    def leave(felled):
        pins, standing = list(weights), set()
        while len(standing) < 10 - felled:
            pin = rng.choices(pins, [weights[q] for q in pins])[0]
            standing.add(pin)
            pins.remove(pin)
        leaves.append("".join("1" if q in standing else "0" for q in range(1, 11)))
    def first():
        return 10 if rng.random() < skill else rng.choice([7, 8, 8, 9, 9, 9, 6, 5, 0])
    def second(a):
        return 10 - a if rng.random() < skill else rng.randint(0, 10 - a)
    def count(pins):
        return str(pins) if pins else "-"
    for frame in range(1, 10):
        a = first()
        leave(a)
        if a == 10:
            record, marks, balls = record + "! ", marks + "  ", balls + [10]
            continue
        b = second(a)
        record += ("G" if a == 0 and rng.random() < 0.5 else count(a)) + ("*" if a + b == 10 else count(b))
        marks += ("O" if 5 <= a <= 8 and rng.random() < 0.2 else " ") + " "
        balls += [a, b]
    a = first()
    leave(a)
    if a == 10:
        b = first()
        leave(b)
        c = first() if b == 10 else second(b)
        if b == 10:
            leave(c)
        record += "!" + ("!" if b == 10 else count(b)) + ("!" if b == 10 and c == 10 else "*" if c == 10 else count(c))
        marks += "   "
        balls += [10, b, c]
    else:
        b = second(a)
        record += count(a) + ("*" if a + b == 10 else count(b))
        marks += "  "
        balls += [a, b]
        if a + b == 10:
            c = first()
            leave(c)
            record, marks, balls = record + ("!" if c == 10 else count(c)), marks + " ", balls + [c]
    total, i = 0, 0
    for _ in range(10):
        if balls[i] == 10:
            total += 10 + balls[i + 1] + balls[i + 2]; i += 1
        elif balls[i] + balls[i + 1] == 10:
            total += 10 + balls[i + 2]; i += 2
        else:
            total += balls[i] + balls[i + 1]; i += 2
    return record, marks, total, "".join(leaves)
db = sqlite3.connect(sys.argv[1])
db.execute("CREATE TABLE games (id INTEGER PRIMARY KEY, ended_at TEXT NOT NULL, record TEXT NOT NULL, "
           "marks TEXT NOT NULL, total INTEGER NOT NULL, typed INTEGER NOT NULL, imported INTEGER NOT NULL, "
           "leaves TEXT NOT NULL DEFAULT '')")
for n in range(50):
    record, marks, total, leaves = game(0.2 + n * 0.004)
    db.execute("INSERT INTO games (ended_at, record, marks, total, typed, imported, leaves) "
               "VALUES (?, ?, ?, ?, 0, 0, ?)",
               ("2026-11-%02dT20:%02d:00+09:00" % (1 + n // 5, n), record, marks, total, leaves))
db.execute("PRAGMA user_version = 2")
db.commit()
PY

start_xvfb
openbox --sm-disable >/dev/null 2>&1 &
WM_PID=$!
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
start_game
read -r _ sx sy _ _ < <(wait_window 81 30) || fail "start dialog not shown"

# The short menu: the high scores, then the statistics.
choose_statistics() {
  click_at $((sx + 40)) $((sy + 10)) 3
  sleep 0.5
  xdotool key Down Down Return
}
choose_statistics
read -r stats _ _ w h < <(wait_titled "成績") || fail "the statistics window did not open"
[ "$w" -ge 400 ] && [ "$h" -ge 300 ] || fail "the statistics window is only $w x $h"
xprop -id "$stats" _NET_FRAME_EXTENTS | grep -q '= [1-9]' || fail "the statistics window has no frame"
sleep 0.5
import -frame -window "$stats" "$E2E_OUT/statistics.png"

choose_statistics
sleep 1
[ "$(xdotool search --onlyvisible --name '^成績$' | wc -l)" = 1 ] || fail "a second choice opened a second window"
game_running || fail "the game ended"
echo "PASS"
