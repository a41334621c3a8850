#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
"""Draws Marvolt's pictures and writes them as XPM files into src/assets/.

Every picture is built from code (outlines, fills, a little shading), so the
artwork can be tuned here and regenerated:

    python3 tools/gen_assets.py [output-dir]

The program's icon is also drawn at each of the desktop's icon sizes and
written as PNG into packaging/icons/<size>x<size>/.

Standard library only. The outlines of the shaped windows are repeated here
as band lists (top, bottom, [(left, right), ...], right and bottom
exclusive) so the art can follow them; the widget tests check the result
against the program's own region tables.
"""

import math
import os
import struct
import sys
import zlib

NONE = None  # transparent pixel


# --------------------------------------------------------------------------
# Canvas and XPM output
# --------------------------------------------------------------------------

class Canvas:
    def __init__(self, w, h, fill=NONE):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def get(self, x, y):
        if 0 <= x < self.w and 0 <= y < self.h:
            return self.px[y][x]
        return NONE

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def hline(self, x0, x1, y, c):
        for x in range(x0, x1 + 1):
            self.put(x, y, c)

    def vline(self, x, y0, y1, c):
        for y in range(y0, y1 + 1):
            self.put(x, y, c)

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            self.hline(x0, x1, y, c)

    def frame(self, x0, y0, x1, y1, c):
        self.hline(x0, x1, y0, c)
        self.hline(x0, x1, y1, c)
        self.vline(x0, y0, y1, c)
        self.vline(x1, y0, y1, c)

    def bevel(self, x0, y0, x1, y1, light, shade, dark):
        """A raised edge: light top/left, shade and dark bottom/right."""
        self.hline(x0, x1 - 1, y0, light)
        self.vline(x0, y0, y1 - 1, light)
        self.hline(x0, x1, y1, dark)
        self.vline(x1, y0, y1, dark)
        self.hline(x0 + 1, x1 - 1, y1 - 1, shade)
        self.vline(x1 - 1, y0 + 1, y1 - 1, shade)

    def art(self, x0, y0, rows, colours):
        """Paints a block of ASCII art; characters missing from colours are
        left alone."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch in colours:
                    self.put(x0 + dx, y0 + dy, colours[ch])


XPM_CHARS = ".#abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+@$%&*=-;:>,<'"


def write_xpm(path, canvas, max_colours=None):
    name = os.path.splitext(os.path.basename(path))[0]
    colours = []
    for row in canvas.px:
        for c in row:
            if c not in colours:
                colours.append(c)
    # Transparent first, the others by first appearance: stable output.
    colours.sort(key=lambda c: c is not NONE)
    if max_colours is not None and len(colours) > max_colours:
        raise SystemExit("%s: %d colours, at most %d allowed" % (name, len(colours), max_colours))
    if len(colours) > len(XPM_CHARS):
        raise SystemExit("%s: too many colours" % name)
    chars = iter(XPM_CHARS)
    key = {c: " " if c is NONE else next(chars) for c in colours}
    lines = ["/* XPM */", "static const char *const %s_xpm[] = {" % name,
             '"%d %d %d 1",' % (canvas.w, canvas.h, len(colours))]
    for c in colours:
        lines.append('"%s c %s",' % (key[c], "None" if c is NONE else "#" + c.upper()))
    rows = ['"%s"' % "".join(key[c] for c in row) for row in canvas.px]
    lines.append(",\n".join(rows))
    lines.append("};")
    with open(path, "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
    return len(colours)


# --------------------------------------------------------------------------
# Outlines
# --------------------------------------------------------------------------

def bands_mask(w, h, bands):
    mask = [[False] * w for _ in range(h)]
    for top, bottom, spans in bands:
        for y in range(top, min(bottom, h)):
            for left, right in spans:
                for x in range(max(left, 0), min(right, w)):
                    mask[y][x] = True
    return mask


SOLID_LANE = [
    (0, 1, [(7, 13), (30, 308)]),
    (1, 2, [(5, 14), (25, 308)]),
    (2, 3, [(4, 15), (24, 308)]),
    (3, 5, [(3, 16), (24, 308)]),
    (5, 10, [(2, 17), (24, 308)]),
    (10, 12, [(3, 16), (24, 308)]),
    (12, 13, [(4, 15), (24, 308)]),
    (13, 14, [(5, 14), (24, 308)]),
    (14, 15, [(7, 12), (24, 308)]),
    (15, 16, [(24, 308)]),
    (16, 27, [(0, 19), (24, 308)]),
    (27, 28, [(0, 19), (25, 308)]),
    (28, 29, [(0, 19), (30, 308)]),
]

START_DIALOG = [
    (1, 2, [(28, 30), (36, 38), (44, 46), (52, 54)]),
    (2, 4, [(27, 31), (35, 39), (43, 47), (51, 55)]),
    (4, 5, [(27, 31), (32, 34), (35, 39), (40, 42), (43, 47), (48, 50), (51, 55)]),
    (5, 6, [(8, 13), (28, 54), (67, 72)]),
    (6, 7, [(6, 15), (28, 54), (65, 74)]),
    (7, 8, [(4, 17), (27, 55), (63, 76)]),
    (8, 9, [(3, 18), (27, 55), (62, 77)]),
    (9, 10, [(3, 18), (26, 56), (62, 77)]),
    (10, 12, [(2, 19), (26, 56), (61, 78)]),
    (12, 14, [(1, 20), (26, 56), (60, 79)]),
    (14, 15, [(1, 20), (27, 55), (60, 79)]),
    (15, 16, [(1, 20), (28, 54), (60, 79)]),
    (16, 17, [(1, 20), (30, 52), (60, 79)]),
    (17, 18, [(2, 19), (31, 51), (61, 78)]),
    (18, 19, [(2, 19), (32, 50), (61, 78)]),
    (19, 20, [(3, 18), (34, 48), (62, 77)]),
    (20, 21, [(3, 18), (35, 47), (62, 77)]),
    (21, 22, [(4, 17), (35, 46), (63, 76)]),
    (22, 23, [(6, 15), (35, 46), (65, 74)]),
    (23, 24, [(8, 13), (35, 46), (67, 72)]),
    (24, 26, [(35, 46)]),
    (26, 27, [(36, 45)]),
    (27, 28, [(37, 44)]),
    (28, 29, [(38, 43)]),
]

LANE_DOTS = list(range(34, 47, 4)) + list(range(67, 244, 4)) + list(range(246, 271, 4))
DOT_ROWS = (8, 11, 14, 17, 20)
MARK_ROWS = (6, 8, 10, 12, 14, 16, 18, 20, 22)


def arrow_x(y):
    """Left pixel of the aim chevron's mark in marker row y."""
    i = (y - 6) // 2
    return 60 - 2 * abs(i - 4)


def skeleton_bands():
    deck_left = {0: 277, 1: 277, 2: 277, 3: 277, 4: 277, 5: 277, 6: 276, 7: 275, 8: 274,
                 9: 275, 10: 275, 11: 274, 12: 275, 13: 275, 14: 274, 15: 275, 16: 275,
                 17: 274, 18: 275, 19: 275, 20: 274, 21: 275, 22: 276}
    bands = []
    for y in range(29):
        spans = []
        if 3 <= y <= 11 or 17 <= y <= 27:
            spans.append((2, 11))
        if y in MARK_ROWS:
            x = arrow_x(y)
            spans += [(25, 28), (29, 31), (x, x + 2)]
        if y in DOT_ROWS:
            spans += [(d, d + 1) for d in LANE_DOTS]
        spans.append((deck_left.get(y, 277), 308))
        bands.append((y, y + 1, spans))
    return bands


SCORE_SHEET = [
    (0, 1, [(1, 306)]),
    (1, 16, [(1, 322)]),
    (16, 45, [(1, 305)]),
]

# Balloon end pieces: only the top-left 8 x 18 (7 x 18) of each shape shows.
POP_SHAPES = {
    0: [(0, 1, [(8, 121)]), (1, 2, [(7, 121)]), (2, 3, [(5, 121)]), (3, 5, [(3, 121)]),
        (5, 6, [(2, 121)]), (6, 11, [(1, 121)]), (11, 14, [(2, 121)]), (14, 16, [(1, 121)]),
        (16, 17, [(0, 5), (8, 121)]), (17, 18, [(0, 3), (8, 121)]), (18, 270, [(0, 121)])],
    1: [(0, 1, [(7, 106)]), (1, 2, [(0, 1), (7, 106)]), (2, 3, [(0, 3), (7, 106)]),
        (3, 5, [(0, 5), (7, 106)]), (5, 6, [(0, 6), (7, 106)]), (6, 11, [(0, 106)]),
        (11, 12, [(0, 6), (7, 106)]), (12, 14, [(0, 5), (7, 106)]), (14, 15, [(0, 3), (7, 106)]),
        (15, 16, [(0, 1), (7, 106)]), (16, 18, [(7, 106)]), (18, 270, [(0, 106)])],
    2: [(0, 1, [(7, 106)]), (1, 2, [(6, 106)]), (2, 3, [(4, 106)]), (3, 5, [(2, 106)]),
        (5, 6, [(1, 106)]), (6, 11, [(0, 106)]), (11, 12, [(1, 106)]), (12, 14, [(2, 106)]),
        (14, 15, [(4, 106)]), (15, 16, [(6, 106)]), (16, 18, [(7, 106)]), (18, 270, [(0, 106)])],
    3: [(0, 1, [(8, 121)]), (1, 2, [(0, 1), (8, 121)]), (2, 3, [(0, 3), (8, 121)]),
        (3, 5, [(0, 5), (8, 121)]), (5, 6, [(0, 6), (8, 121)]), (6, 11, [(0, 7), (8, 121)]),
        (11, 14, [(0, 6), (8, 121)]), (14, 16, [(0, 7), (8, 121)]), (16, 17, [(3, 121)]),
        (17, 18, [(5, 121)]), (18, 270, [(0, 121)])],
}


def apply_mask(canvas, mask, outside):
    for y in range(canvas.h):
        for x in range(canvas.w):
            if not mask[y][x]:
                canvas.px[y][x] = outside


def edge_of(mask, x, y, w, h, inside_beyond=None):
    """True when pixel (x, y) of the mask has a 4-neighbour outside it."""
    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        nx, ny = x + dx, y + dy
        if 0 <= nx < w and 0 <= ny < h:
            if not mask[ny][nx]:
                return True
        elif inside_beyond is None or not inside_beyond(nx, ny):
            return True
    return False


# --------------------------------------------------------------------------
# Shared colours
# --------------------------------------------------------------------------

KEY = "0204FC"      # cut-away background of the shaped windows
WHITE = "FFFFFF"
BLACK = "000000"
PANEL = "D6D4CC"    # light grey of raised panels
SHADE = "828484"
DARK = "424444"
INK = "26262A"      # near-black outlines

RED = "D8262A"
RED_DARK = "86121A"
RED_LIGHT = "FF7C6E"


def disc_shading(cx, cy, r, x, y):
    """Light falling from the upper left on a disc: returns a value in
    roughly -1 (shadow side) .. 1 (lit side)."""
    dx, dy = (x + 0.5 - cx) / r, (y + 0.5 - cy) / r
    return -(dx + dy) / math.sqrt(2)


# --------------------------------------------------------------------------
# Lane, solid look
# --------------------------------------------------------------------------

MAPLE = "EDC68C"
MAPLE_ALT = "E4BA7D"
PINE = "DBA15E"
PINE_ALT = "D09553"
POLISH = "F6DCAE"
WOOD_DEEP = "9E6A38"
GUTTER = "6C7078"
GUTTER_LIGHT = "A8ACB4"


class Lcg:
    """Small deterministic random source, so the artwork is reproducible."""

    def __init__(self, seed):
        self.state = seed

    def next(self, n):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return (self.state >> 8) % n


def draw_square_button(c, x0, y0, x1, y1):
    """The throw button: a plain red square, raised, with a small glint."""
    c.rect(x0, y0, x1, y1, RED)
    c.bevel(x0, y0, x1, y1, RED_LIGHT, RED_DARK, INK)
    c.put(x0 + 2, y0 + 2, WHITE)


def draw_throw_button(c, mask):
    """The solid lane's round control area: a grey socket holding the
    square button, which fills the largest square the outline allows."""
    for y in range(0, 16):
        for x in range(0, 20):
            if mask[y][x]:
                c.put(x, y, GUTTER)
    draw_square_button(c, 4, 2, 14, 12)


def draw_score_button(c, x0, y0, x1, y1, shade=SHADE):
    c.rect(x0, y0, x1, y1, PANEL)
    c.bevel(x0, y0, x1, y1, WHITE, shade, DARK)
    # a little score sheet: four frames over a total row
    gx0, gy0, gx1, gy1 = x0 + 3, y0 + 3, x1 - 3, y1 - 3
    c.rect(gx0, gy0, gx1, gy1, WHITE)
    c.frame(gx0, gy0, gx1, gy1, INK)
    for x in range(gx0 + 3, gx1, 3):
        c.vline(x, gy0, gy1, INK)
    c.hline(gx0, gx1, gy0 + 3, INK)


LANE_TOP, LANE_BOTTOM = 3, 25      # the boards; gutters above and below
FOUL_X = 32                        # foul line; the approach lies left of it
DECK_X = 272                       # pin deck from here to the pit
PIT_X = 299


def lane_solid():
    w, h = 307, 29
    c = Canvas(w, h, KEY)
    mask = bands_mask(w, h, SOLID_LANE)
    rnd = Lcg(1987)

    # gutters along both edges
    for x in range(24, w):
        c.put(x, 0, INK)
        c.put(x, 1, GUTTER)
        c.put(x, 2, GUTTER_LIGHT)
        c.put(x, 26, GUTTER_LIGHT)
        c.put(x, 27, GUTTER)
        c.put(x, 28, INK)

    # boards: one row a board, alternating tones; maple at the head of the
    # lane and on the deck, pine in between, meeting in a staggered joint
    for y in range(LANE_TOP, LANE_BOTTOM + 1):
        alt = (y % 2 == 1)
        joint = 96 + rnd.next(4) * 3 + (4 if y % 2 else 0)
        for x in range(FOUL_X + 1, DECK_X):
            if x < joint:
                c.put(x, y, MAPLE_ALT if alt else MAPLE)
            else:
                c.put(x, y, PINE_ALT if alt else PINE)
        # a few long streaks of polish on the pine
        if y not in (LANE_TOP, LANE_BOTTOM) and rnd.next(3) != 0:
            a = joint + 6 + rnd.next(60)
            b = min(a + 14 + rnd.next(50), DECK_X - 8)
            if b > a:
                c.hline(a, b, y, POLISH)

    # approach, foul line, the lane's rounded left end
    c.rect(25, LANE_TOP, FOUL_X - 1, LANE_BOTTOM, PINE_ALT)
    c.vline(FOUL_X, 1, 27, INK)
    c.vline(24, 2, 26, INK)
    for y0, y1, y2 in ((1, 2, 0), (27, 26, 28)):
        c.hline(25, FOUL_X - 1, y0, GUTTER)
        c.hline(25, FOUL_X - 1, y1, GUTTER_LIGHT)
        c.hline(25, 29, y0, INK)

    # guide dots, and the target arrows pointing down the lane
    for y in DOT_ROWS:
        c.put(42, y, WOOD_DEEP)
    for i, y in enumerate((5, 8, 11, 14, 17, 20, 23)):
        tip = 90 - 3 * abs(i - 3)
        c.hline(tip - 5, tip - 3, y - 1, RED_DARK)
        c.hline(tip - 5, tip, y, RED_DARK)
        c.hline(tip - 5, tip - 3, y + 1, RED_DARK)
        c.hline(tip - 4, tip - 2, y, RED)

    # pin deck: maple behind a dark edge, then the pit
    for y in range(LANE_TOP, LANE_BOTTOM + 1):
        c.hline(DECK_X, PIT_X - 1, y, MAPLE_ALT if y % 2 else MAPLE)
    c.vline(DECK_X - 1, LANE_TOP, LANE_BOTTOM, WOOD_DEEP)
    c.rect(PIT_X, 0, w - 1, h - 1, INK)
    c.vline(PIT_X, 0, h - 1, DARK)

    # controls at the left end
    draw_throw_button(c, mask)
    draw_score_button(c, 0, 16, 18, 28, shade=GUTTER)

    apply_mask(c, mask, KEY)
    return c


# --------------------------------------------------------------------------
# Lane, skeleton look
# --------------------------------------------------------------------------

SKEL_LINE = "9A9CA4"
SKEL_DECK = "34363C"
SKEL_DECK_EDGE = "7C7E86"


def lane_skeleton():
    w, h = 307, 29
    c = Canvas(w, h, KEY)
    mask = bands_mask(w, h, skeleton_bands())
    # throw button (rows 3..11) and score button (rows 17..27)
    draw_square_button(c, 2, 3, 10, 11)
    c.rect(2, 17, 10, 27, PANEL)
    c.bevel(2, 17, 10, 27, WHITE, SHADE, DARK)
    c.rect(4, 19, 8, 25, WHITE)
    c.vline(6, 20, 24, SHADE)
    c.hline(5, 7, 22, SHADE)
    c.frame(4, 19, 8, 25, INK)
    # foul-line marks, the arrow and the dotted lines
    for y in MARK_ROWS:
        c.hline(25, 27, y, SKEL_LINE)
        c.hline(29, 30, y, SKEL_LINE)
        c.hline(arrow_x(y), arrow_x(y) + 1, y, SKEL_LINE)
    for y in DOT_ROWS:
        for x in LANE_DOTS:
            c.put(x, y, SKEL_LINE)
    # pin deck: dark plate with a light rim, pit at the far end
    for y in range(h):
        for x in range(270, w):
            if mask[y][x]:
                c.put(x, y, SKEL_DECK)
    for y in range(h):
        for x in range(270, 299):
            if mask[y][x] and edge_of(mask, x, y, w, h, lambda nx, ny: nx >= w):
                c.put(x, y, SKEL_DECK_EDGE)
    c.rect(299, 0, w - 1, h - 1, INK)
    c.vline(299, 0, h - 1, SKEL_DECK_EDGE)
    apply_mask(c, mask, KEY)
    return c


# --------------------------------------------------------------------------
# Start dialog
# --------------------------------------------------------------------------

BLUE = "2456E0"
BLUE_DARK = "122C84"
BLUE_LIGHT = "7CA6FF"
BALL = "3A3C46"
BALL_DARK = "17181D"
BALL_LIGHT = "7A7E8C"
PIN_SHADE = "CDD0DA"
PIN_EDGE = "6E7280"

LETTER_S = [
    ".#####.",
    "##...##",
    "##.....",
    "##.....",
    ".#####.",
    ".....##",
    ".....##",
    "##...##",
    ".#####.",
]
LETTER_E = [
    "#######",
    "##.....",
    "##.....",
    "##.....",
    "######.",
    "##.....",
    "##.....",
    "##.....",
    "#######",
]


def shaded_disc(c, mask, x0, x1, cx, cy, r, base, light, dark, rim):
    for y in range(c.h):
        for x in range(x0, x1 + 1):
            if not mask[y][x]:
                continue
            if edge_of(mask, x, y, c.w, c.h):
                c.put(x, y, rim)
                continue
            s = disc_shading(cx, cy, r, x, y)
            d = math.hypot(x + 0.5 - (cx - r * 0.5), y + 0.5 - (cy - r * 0.5))
            if d < r * 0.25:
                c.put(x, y, light)
            elif s < -0.45:
                c.put(x, y, dark)
            else:
                c.put(x, y, base)


def letter(c, x0, y0, glyph, colour):
    c.art(x0, y0, glyph, {"#": colour})


def start_dialog():
    w, h = 81, 30
    c = Canvas(w, h, KEY)
    mask = bands_mask(w, h, START_DIALOG)

    shaded_disc(c, mask, 0, 21, 10.5, 14.5, 9.5, BLUE, BLUE_LIGHT, BLUE_DARK, BLUE_DARK)
    letter(c, 7, 10, LETTER_S, WHITE)
    shaded_disc(c, mask, 59, 80, 69.5, 14.5, 9.5, RED, RED_LIGHT, RED_DARK, RED_DARK)
    letter(c, 66, 10, LETTER_E, WHITE)

    # the rack: ten pins seen from the front, back row first; what the pins
    # leave of the figure is the dark between them
    figure = [[mask[y][x] and 22 <= x <= 57 for x in range(w)] for y in range(h)]
    for y in range(h):
        for x in range(22, 58):
            if figure[y][x]:
                c.put(x, y, PIN_EDGE)
    painted = set()
    pins = [(29, 1), (37, 1), (45, 1), (53, 1),
            (33, 4), (41, 4), (49, 4),
            (37, 7), (45, 7),
            (41, 10)]
    # half width of a pin, row by row from the top of its head
    profile = [1, 2, 2, 2, 1, 1, 2, 2, 3, 3, 3, 3, 3, 2, 1]
    for px, py in pins:
        sil = set()
        for d, hw in enumerate(profile):
            for x in range(px - hw, px + hw):
                sil.add((x, py + d))
        for (x, y) in sil:
            if not (0 <= y < h and figure[y][x]):
                continue
            d = y - py
            side = (x - px + 0.5) / profile[d]
            outline = (x - 1, y) not in sil or (x + 1, y) not in sil
            over = any((x + dx, y + dy) not in sil and (x + dx, y + dy) in painted
                       for dx, dy in ((1, 0), (-1, 0), (0, -1)))
            if d in (4, 5):
                col = RED_DARK if side > 0 else RED
            elif over:
                col = PIN_SHADE          # where it stands in front of another
            elif (x, y - 1) not in sil and d > 0:
                col = PIN_SHADE          # a shoulder catching less light
            elif outline and side > 0:
                col = PIN_SHADE
            elif outline:
                col = PIN_SHADE if d > 6 else WHITE
            else:
                col = WHITE
            c.put(x, y, col)
        painted |= {p for p in sil if 0 <= p[1] < h and figure[p[1]][p[0]]}
    # the ball in front of the head pin
    bcx, bcy, br = 40.5, 23.5, 5.5
    for y in range(16, 29):
        for x in range(34, 47):
            if not figure[y][x]:
                continue
            dist = math.hypot(x + 0.5 - bcx, y + 0.5 - bcy)
            if dist <= br + 0.2:
                s = disc_shading(bcx, bcy, br, x, y)
                if dist > br - 0.9 or s < -0.45:
                    c.put(x, y, BALL_DARK)
                else:
                    c.put(x, y, BALL)
    c.art(37, 20, ["ll", "lw"], {"l": BALL_LIGHT, "w": WHITE})
    c.art(41, 21, ["k.k", "...", ".k."], {"k": BALL_DARK})
    apply_mask(c, mask, KEY)
    return c


# --------------------------------------------------------------------------
# Score sheet background and its pictures
# --------------------------------------------------------------------------

SCORE_BLUE = "0204FC"


def score_bg():
    w, h = 321, 45
    c = Canvas(w, h, SCORE_BLUE)
    # the panel over columns 1..304, all rows
    c.rect(1, 0, 304, 44, PANEL)
    c.bevel(1, 0, 304, 44, WHITE, SHADE, DARK)
    # the close button over columns 305..320, rows 1..15
    # the close button's light edge reaches up into the top row
    c.put(305, 0, WHITE)
    c.rect(305, 1, 320, 15, PANEL)
    c.bevel(305, 1, 320, 15, WHITE, SHADE, DARK)
    c.art(308, 4, [
        "##....##",
        ".##..##.",
        "..####..",
        "...##...",
        "..####..",
        ".##..##.",
        "##....##",
    ], {"#": BLACK})
    return c


def strike_small():
    c = Canvas(9, 9)
    for r in range(1, 9):
        k = min(r, 9 - r)
        for col in list(range(1, k + 1)) + list(range(9 - k, 9)):
            c.put(col, r, BLACK)
    return c


def spare_small():
    c = Canvas(9, 9)
    for r in range(1, 9):
        for col in range(9 - r, 9):
            c.put(col, r, BLACK)
    return c


# --------------------------------------------------------------------------
# Pin board
# --------------------------------------------------------------------------

BOARD_BLUE = "0000FF"
LAMP_OFF = "00007C"
LAMP_GLINT = "2A2ABE"
LAMPS = [(1, 2), (7, 2), (13, 2), (19, 2), (4, 6), (10, 6), (16, 6), (7, 10), (13, 10), (10, 14)]


def denkou_bg():
    c = Canvas(24, 19, BOARD_BLUE)
    for x, y in LAMPS:
        c.art(x, y, [".###.", "#####", "#####", ".###."], {"#": LAMP_OFF})
        c.put(x + 1, y + 1, LAMP_GLINT)
    return c


def mark_blank():
    return Canvas(24, 19, BOARD_BLUE)


def mark_spare():
    c = Canvas(24, 19, BOARD_BLUE)
    for y in range(19):
        for x in range(24):
            if (x + 0.5) / 24 + (y + 0.5) / 19 >= 1.0:
                c.put(x, y, WHITE)
    return c


def mark_strike():
    c = Canvas(24, 19, BOARD_BLUE)
    for y in range(19):
        t = min(y + 0.5, 19 - (y + 0.5)) / 9.5
        for x in range(24):
            d = min(x + 0.5, 24 - (x + 0.5)) / 12
            if d <= t + 1e-9:
                c.put(x, y, WHITE)
    return c


# --------------------------------------------------------------------------
# Balloon end pieces
# --------------------------------------------------------------------------

def balloon_piece(shape, w, joins_left):
    """White body, black outline; the side that meets the centre piece (rows
    1..15) carries no outline of its own."""
    h = 18
    mask = bands_mask(w, h, POP_SHAPES[shape])
    c = Canvas(w, h)

    def centre(nx, ny):
        if not 1 <= ny <= 15:
            return False
        return nx < 0 if joins_left else nx >= w

    for y in range(h):
        for x in range(w):
            if mask[y][x]:
                c.put(x, y, BLACK if edge_of(mask, x, y, w, h, centre) else WHITE)
    return c


# --------------------------------------------------------------------------
# Ball, pin, icon, cursor
# --------------------------------------------------------------------------

BALL_MASK = [
    "..###..",
    ".#####.",
    "#######",
    "#######",
    "#######",
    ".#####.",
    "..###..",
]

# l light, m main, s shadow, k finger hole, w glint
BALL_ART = [
    "..mmm..",
    ".lwmmm.",
    "mlmmkmm",
    "mmmmmkm",
    "mmmmmms",
    ".mmmms.",
    "..sss..",
]


def ball(main, light, shadow, hole):
    c = Canvas(7, 7)
    c.art(0, 0, BALL_ART, {"m": main, "l": light, "s": shadow, "k": hole, "w": WHITE})
    return c


def ball_clear():
    """The 'none' ball: a pale glass ring, see-through in the middle."""
    c = Canvas(7, 7)
    c.art(0, 0, [
        "..ccc..",
        ".c.w.c.",
        "cww...c",
        "cw....c",
        "c....dc",
        ".c..dc.",
        "..ccc..",
    ], {"c": "4AFFFF", "w": "E6FFFF", "d": "2CB8C8"})
    return c


PIN_ART = [
    ".wwl.",
    ".wwg.",
    ".rrd.",
    ".wlg.",
    "wwwlg",
    "wwwlg",
    "wwwlg",
    "wwwlg",
    "wwwlg",
    ".wwg.",
    ".wwg.",
    ".ggg.",
]


def pin():
    c = Canvas(5, 12)
    c.art(0, 0, PIN_ART, {"w": WHITE, "l": "E2E4EA", "g": "A6AAB6", "r": "E01E1E", "d": "9C1016"})
    return c


def smooth(points, t):
    """Piecewise-cosine interpolation through (t, value) points."""
    for (t0, v0), (t1, v1) in zip(points, points[1:]):
        if t0 <= t <= t1:
            f = (1 - math.cos(math.pi * (t - t0) / (t1 - t0))) / 2
            return v0 + (v1 - v0) * f
    return points[-1][1]


# half width of a pin, as a share of its belly's width, from head (0) to foot (1)
PIN_PROFILE = [(0.0, 0.09), (0.02, 0.17), (0.05, 0.23), (0.10, 0.26), (0.16, 0.24),
               (0.27, 0.17), (0.38, 0.25), (0.55, 0.45), (0.68, 0.49), (0.84, 0.43),
               (1.0, 0.33)]


def icon(size=32):
    """The program's icon drawn afresh at `size` pixels (32 is the XPM in the
    program; the desktop's PNG sizes are drawn the same way, never scaled)."""
    w = h = size
    f = size / 32
    edge_width = max(1, round(f))
    c = Canvas(w, h)
    OUT = "2A2C34"
    PIN_L = "DADDE6"
    PIN_G = "A4A8B6"
    R1, R2 = "E01A20", "9A0E14"
    B0, B1, B2, B3 = "0E0E12", "2A2C34", "474A56", "7C808E"

    def draw_pin(cx, top, height, width, stripes):
        cx, width = cx * f, width * f
        top, rows = round(top * f), round(height * f)
        inside = {}
        for y in range(top, top + rows):
            t = (y + 0.5 - top) / rows
            hw = smooth(PIN_PROFILE, t) * width
            for x in range(w):
                if abs(x + 0.5 - cx) <= hw:
                    inside[(x, y)] = (x + 0.5 - cx) / max(hw, 0.5)
        near = [(dx, dy) for dx in range(-edge_width, edge_width + 1)
                for dy in range(-edge_width, edge_width + 1) if abs(dx) + abs(dy) <= edge_width]
        for (x, y), rel in inside.items():
            edge = any((x + dx, y + dy) not in inside for dx, dy in near)
            if edge:
                col = OUT
            elif int((y - top + 0.5) * height / rows) in stripes:
                col = R2 if rel > 0.4 else R1
            elif rel > 0.5:
                col = PIN_G
            elif rel > 0.1 or rel < -0.75:
                col = PIN_L
            else:
                col = WHITE
            c.put(x, y, col)

    draw_pin(8.5, 0, 23, 12, (6, 8))
    draw_pin(23.5, 0, 23, 12, (6, 8))
    draw_pin(16, 2, 24, 13, (6, 8))

    bcx, bcy, br = 16 * f, 24.5 * f, 7.5 * f
    light = (-0.45, -0.55, 0.70)
    for y in range(h):
        for x in range(w):
            nx, ny = (x + 0.5 - bcx) / br, (y + 0.5 - bcy) / br
            if nx * nx + ny * ny > 1.0:
                continue
            nz = math.sqrt(max(0.0, 1.0 - nx * nx - ny * ny))
            i = nx * light[0] + ny * light[1] + nz * light[2]
            if nx * nx + ny * ny > 0.80 and i < 0.55:
                col = B0
            elif i > 0.985:
                col = WHITE
            elif i > 0.93:
                col = B3
            elif i > 0.80:
                col = B2
            elif i > 0.3:
                col = B1
            else:
                col = B0
            c.put(x, y, col)
    # finger holes and thumb hole, each with a lit lower lip
    hole, lip = max(1, round(2 * f)), max(1, round(f))
    for hx, hy in ((17, 20), (20, 21), (16, 24)):
        x0, y0 = round(hx * f), round(hy * f)
        c.rect(x0, y0, x0 + hole - 1, y0 + hole - 1, B0)
        c.rect(x0, y0 + hole, x0 + hole - 1, y0 + hole + lip - 1, B1)
    return c


# The desktop's icon theme sizes, written as PNG under packaging/icons/.
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def write_png(path, canvas):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = bytearray()
    for row in canvas.px:
        raw.append(0)  # no filter
        for col in row:
            raw += bytes.fromhex(col) + b"\xff" if col is not NONE else b"\0\0\0\0"
    header = struct.pack(">IIBBBBB", canvas.w, canvas.h, 8, 6, 0, 0, 0)  # 8-bit RGBA
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


HAND = [
    ".....##..........",
    "....#ww#.........",
    "....#ww#.........",
    "....#ww#.........",
    "....#ww#.........",
    "....#ww###.......",
    "....#ww#ww###....",
    "....#ww#ww#ww###.",
    ".##.#ww#ww#ww#ww#",
    "#ww##ww#ww#ww#ww#",
    "#www#wwwwwwwwwww#",
    ".#ww#wwwwwwwwwww#",
    ".#wwwwwwwwwwwwww#",
    "..#wwwwwwwwwwwww#",
    "..#wwwwwwwwwwwww#",
    "...#wwwwwwwwwww#.",
    "...#wwwwwwwwwww#.",
    "....#wwwwwwwww#..",
    "....#wwwwwwwww#..",
    "....###########..",
]


def hand():
    c = Canvas(32, 32)
    c.art(0, 0, HAND, {"#": BLACK, "w": WHITE})
    return c


# --------------------------------------------------------------------------

PICTURES = [
    # name, builder, colour limit
    ("lane_solid", lane_solid, 16),
    ("lane_skeleton", lane_skeleton, 16),
    ("start", start_dialog, 16),
    ("score_bg", score_bg, 16),
    ("strike", strike_small, 2),
    ("spare", spare_small, 2),
    ("denkou_bg", denkou_bg, 16),
    ("mark_blank", mark_blank, 16),
    ("mark_spare", mark_spare, 16),
    ("mark_strike", mark_strike, 16),
    ("balloon_l_tail", lambda: balloon_piece(0, 8, False), 3),
    ("balloon_r", lambda: balloon_piece(1, 7, True), 3),
    ("balloon_l", lambda: balloon_piece(2, 7, False), 3),
    ("balloon_r_tail", lambda: balloon_piece(3, 8, True), 3),
    ("ball0", lambda: ball("24262C", "5E626E", BLACK, BLACK), 16),
    ("ball1", lambda: ball("FF0000", "FF8A80", "A00000", "4A0000"), 16),
    ("ball2", lambda: ball("0000FF", "8090FF", "0000A0", "00004A"), 16),
    ("ball3", lambda: ball("00FF00", "A8FFA8", "00A800", "004A00"), 16),
    ("ball4", ball_clear, 16),
    ("pin", pin, 16),
    ("icon", icon, 16),
    ("hand", hand, 3),
]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "src", "assets")
    os.makedirs(out, exist_ok=True)
    for name, build, limit in PICTURES:
        n = write_xpm(os.path.join(out, name + ".xpm"), build(), limit)
        print("%-16s %d colours" % (name + ".xpm", n))
    icons = os.path.join(here, "..", "packaging", "icons")
    for size in ICON_SIZES:
        folder = os.path.join(icons, "%dx%d" % (size, size))
        os.makedirs(folder, exist_ok=True)
        write_png(os.path.join(folder, "io.github.marvolt.Marvolt.png"), icon(size))
    print("icons            %s px" % ", ".join(map(str, ICON_SIZES)))


if __name__ == "__main__":
    main()
