// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "score/sheetlayout.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>

namespace {

// A stand-in for the sheet's font, 7 pixels a character: a centred text of
// odd width cannot sit exactly on its centre.
int Width(SheetTextRole, const QString &text) { return 7 * int(text.size()); }

constexpr int kMarkTop = 18, kCircleY = 22, kNumberTop = 6, kTotalTop = 30;

int boxLeft(int frame) { return 4 + 28 * (frame - 1); }

// Whether the drawing holds one item of the notation below.
bool Holds(const SheetDrawing &d, const QString &item)
{
    const int at = item.mid(1).toInt();
    const auto text = [&](SheetTextRole role, int top, auto fits) {
        return std::any_of(d.texts.begin(), d.texts.end(), [&](const SheetText &t) {
            return t.role == role && t.topLeft.y() == top && fits(t.topLeft.x(), Width(role, t.text), t.text);
        });
    };
    const auto mark = [&](SheetPicture picture) {
        return std::any_of(d.marks.begin(), d.marks.end(),
                           [&](const SheetMark &m) { return m.picture == picture && m.topLeft == QPoint(at, kMarkTop); });
    };
    const auto centredAt = [](int centre) {
        return [centre](int x, int width, const QString &) { return qAbs(2 * x + width - 2 * centre) <= 1; };
    };
    switch (item.at(0).unicode()) {
    case u'T':
        return text(SheetTextRole::Mark, kMarkTop, [at](int x, int, const QString &) { return x == at; });
    case u'X':
        return mark(SheetPicture::Strike);
    case u'/':
        return mark(SheetPicture::Spare);
    case u'O':
        return std::count(d.splitCircles.begin(), d.splitCircles.end(), QPoint(at, kCircleY)) > 0;
    case u'N':
        return text(SheetTextRole::FrameNumber, kNumberTop, [&](int x, int width, const QString &t) {
            return t == QString::number(at) && centredAt(boxLeft(at) + 16)(x, width, t);
        });
    case u'#':
        return text(SheetTextRole::Total, kTotalTop, centredAt(boxLeft(at) + 14));
    }
    return !text(SheetTextRole::Total, kTotalTop, [at](int x, int, const QString &) {  // '-': no total in the frame
        return x >= boxLeft(at) && x < boxLeft(at) + 28;
    });
}

// What a drawn game must show, e.g. "T9 /21 X34 O67 #1 -4": a text mark with
// its left edge at x 9, a spare picture at 21, a strike picture at 34, a
// split circle centred at 67, a total centred in frame 1 and none in frame 4;
// "N10": the frame number 10, two pixels right of its frame's centre; a
// leading "!" says the item is not there.
TEST(SheetLayout, ItemsLandAtTabledPositions)
{
    // clang-format off
    const struct { const char *name; QString score, sprit, expected; } rows[] = {
        {"worked_example", "7*! 81", "    O ", "T9 /21 X34 T65 O67 T79 #1 #2 #3 -4"},
        {"gutter_miss_and_waiting_spare", "G-7*", "    ", "T9 T23 #1 T37 /49 -2"},
        {"twelve_strikes", "! ! ! ! ! ! ! ! ! !!!", "                     ", "X6 X34 X230 X258 X272 X286 #1 #9 #10"},
        {"tenth_second_ball_split", "------------------!7", "                   O", "X258 T275 O276"},
        {"tenth_third_ball_split", "------------------9*7", "                    O", "T261 /273 T289 O291 #10"},
        {"tenth_third_ball_spare", "------------------!-*", "                     ", "X258 T275 /287 #10"},
        {"empty", "", "", "N1 N2 N9 N10 -1 -10"},
        {"more_marks_than_pictures", QString(21, u'!'), "", "X174 !X188"},
        {"beyond_position_21", QString(20, u'-') + "7" + "7*!", QString(24, u'O'), "T289 O291 !T303"},
    };
    // clang-format on
    for (const auto &row : rows) {
        const SheetDrawing drawn = sheetContents(row.score, row.sprit, Width);
        for (const QString &item : row.expected.split(u' ')) {
            const bool absent = item.startsWith(u'!');
            EXPECT_NE(Holds(drawn, item.mid(absent ? 1 : 0)), absent) << row.name << ": " << item.toStdString();
        }
    }
}

}  // namespace
