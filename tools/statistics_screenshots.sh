#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# Takes the pictures of the statistics window that packaging/ keeps and the
# README shows: the real game under Xvfb and openbox, on a history of 50
# rolled games of a steady player who gets better (five an evening over ten
# days, with the pins each ball at a fresh rack left), one picture a page
# with the window manager's frame.
# Usage: tools/statistics_screenshots.sh build/marvolt [packaging]
set -euo pipefail
out="$(cd "${2:-$(dirname "$0")/../packaging}" && pwd)"
source "$(dirname "$0")/../tests/e2e/lib.sh" "$1" "$(mktemp -d)"

python3 - "$HISTORY" <<'PY'
import random, sqlite3, sys
rng = random.Random(17)
# The pins a ball at a fresh rack leaves: the corner pins stand most often.
WEIGHTS = {1: 0.2, 2: 0.7, 3: 0.7, 4: 1.5, 5: 0.5, 6: 1.5, 7: 3, 8: 1, 9: 1, 10: 3}
def game(skill):
    record, marks, balls, leaves = "", "", [], []
    def leave(felled):
        pins, standing = list(WEIGHTS), set()
        while len(standing) < 10 - felled:
            pin = rng.choices(pins, [WEIGHTS[q] for q in pins])[0]
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
        third = "!" if c == 10 and b == 10 else "*" if b == 0 and c == 10 else count(c)
        record += "!" + ("!" if b == 10 else count(b)) + third
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
               ("2026-11-%02dT20:%02d:00+09:00" % (1 + n // 5, 10 * (n % 5)), record, marks, total, leaves))
db.execute("PRAGMA user_version = 2")
db.commit()
PY

start_xvfb
start_wm Openbox openbox --sm-disable
start_dialog
click_at $((sx + 40)) $((sy + 10)) 3
sleep 0.5
xdotool key Down Down Return
wait_titled "成績" >/dev/null || fail "the statistics window did not open"
sleep 1  # fitted to the screen
read -r stats wx wy _ _ < <(titled "成績") || fail "the statistics window went"
# The tabs' centres in the window.
for page in "window 34" "games 100" "leaves 178" "days 245"; do
  set -- $page
  click_at $((wx + $2)) $((wy + 23))
  sleep 0.7
  import -frame -window "$stats" "$out/statistics-$1.png"
  echo "wrote $out/statistics-$1.png"
done
