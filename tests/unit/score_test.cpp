// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "platform/screenfit.h"
#include "score/scorerecord.h"
#include "score/sheetlayout.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

#define NINE_MISSED "------------------"
#define BLANKS_18 "                  "
#define NINE_OPEN "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 "

// Legal records are checked ball by ball against an independent scorer below.
// Any other text is a record too (a hand-edited high score): ASCII digits count,
// everything else is 0, a "*" with no first ball before it is ten; totals come in
// whole three-digit groups up to 300 and depend only on the first 21 characters.
TEST(ScoreRecord, AnyTextGivesSaneTotals)
{
    EXPECT_EQ(CalcFrameTotals(QString::fromUtf8("abcdefghijklmnopqrst\xef\xbc\x95")), QString(30, u'0'));
    EXPECT_EQ(CalcFrameTotals("* 9-"), "019028");
    std::mt19937 rng(20240611);
    for (int n = 0; n < 5000; ++n) {
        QString s(rng() % 41, u' ');
        std::generate(s.begin(), s.end(), [&] { return QChar(u"0123456789!*-G O x.+"[rng() % 20]); });
        const QString t = CalcFrameTotals(s);
        ASSERT_TRUE(QRegularExpression("^(\\d{3}){0,10}$").match(t).hasMatch() && t.right(3) <= u"300" &&
                    t == CalcFrameTotals(s.left(21)))
            << s.toStdString() << " -> " << t.toStdString();
    }
}

// The rack as the throw sequence tracks it: fresh after a strike and after
// every second ball; a gutter ball never clears it.
struct Rack
{
    int standing = kPinsPerRack;
    bool fresh = true;
    ThrowResult ball(int felled, bool gutter, bool split)
    {
        const ThrowResult r{fresh, gutter, felled == standing, felled, split};
        fresh = !fresh || (r.allDown && !gutter);
        standing = fresh ? kPinsPerRack : standing - felled;
        return r;
    }
};

// Plays a game written as the pins of each ball separated by blanks (suffix
// "s": a split flag, "g": a gutter) and shows it as "record|split marks|mark of
// the last ball", plus "|over" when it is over.
std::string Play(const char *balls)
{
    QString score, sprit;
    Rack rack;
    PinMark mark = PinMark::None;
    bool over = false;
    for (const QString &t : QString::fromUtf8(balls).split(u' ', Qt::SkipEmptyParts))
        over = appendThrow(score, sprit, rack.ball(t.chopped(!t.back().isDigit()).toInt(), t.endsWith(u'g'), t.endsWith(u's')),
                           &mark);
    EXPECT_EQ(lastThrowMark(score), mark);
    return (score + u'|' + sprit + u'|' + "-*!"[int(mark)] + (over ? "|over" : "")).toStdString();
}

TEST(ScoreRecord, AppendWritesRecordSplitsAndMarks)
{
    const std::pair<const char *, const char *> rows[] = {
        {"7 3 10 8s 1", "7*! 81|    O |-"},
        {"4 0g 10g", "4-G|   |-"},                                      // gutter: a first ball G even with all down, a second -
        {"9 1 5 2s 10", "9*52! |      |!"},                             // a second ball is never a split
        {NINE_OPEN "7 2 10", NINE_MISSED "72|" BLANKS_18 "  |-|over"},  // an open tenth ends at 20
        {NINE_OPEN "10 7s", NINE_MISSED "!7|" BLANKS_18 " O|-"},
        {NINE_OPEN "10 0g 10", NINE_MISSED "!G*|" BLANKS_18 "   |*|over"},  // a third ball clearing a fresh rack is a spare
        {NINE_OPEN "10 10g 0", NINE_MISSED "!G0|" BLANKS_18 "   |-|over"},
    };
    for (const auto &[balls, expected] : rows)
        EXPECT_EQ(Play(balls), expected) << balls;
}

// A plain frame-by-frame scorer.
QString ReferenceTotals(const std::vector<int> &rolls)
{
    QString out;
    for (size_t frame = 1, i = 0, total = 0; frame <= 10; ++frame) {
        const bool strike = i < rolls.size() && rolls[i] == 10;
        const size_t balls = strike || (i + 2 <= rolls.size() && rolls[i] + rolls[i + 1] == 10) ? 3 : 2;
        if (i + balls > rolls.size())
            break;
        total += rolls[i] + rolls[i + 1] + (balls == 3 ? rolls[i + 2] : 0);
        i += strike ? 1 : 2;
        out += QString::number(total).rightJustified(3, u'0');
    }
    return out;
}

TEST(ScoreRecord, RandomGamesScoreLikeReference)
{
    std::mt19937 rng(7140);
    std::bernoulli_distribution clearAll(0.3), gutter(0.3), split(0.2);
    int openCaseSeen = 0;
    for (int game = 0; game < 3000; ++game) {
        QString score, sprit;
        std::vector<int> rolls;
        Rack rack;
        for (bool over = false; !over;) {
            const int felled = clearAll(rng) ? rack.standing : std::uniform_int_distribution<int>(0, rack.standing)(rng);
            const ThrowResult r = rack.ball(felled, felled == 0 && gutter(rng),
                                            rack.fresh && felled < rack.standing && split(rng));
            const int before = int(score.size());
            over = appendThrow(score, sprit, r);
            rolls.push_back(r.felled);

            SCOPED_TRACE(score.toStdString());
            ASSERT_EQ(sprit.size(), score.size());
            ASSERT_EQ(CalcFrameTotals(score), ReferenceTotals(rolls));
            ASSERT_EQ(sprit.at(before) == kSplitChar, r.split);
            // The ball reads back from the slot it was written to.
            const bool tenth = before >= kTenthFrameFrom;
            ASSERT_EQ(
                GetThrowPins(score, tenth ? kFrames : before / 2 + 1, tenth ? before - kTenthFrameFrom + 1 : before % 2 + 1),
                r.felled);
            openCaseSeen += before == kRecordSlots - 1 && score.at(before) == kSpareChar;
        }
        ASSERT_TRUE(score.size() >= 20 && score.size() <= 21 && CalcFrameTotals(score).size() == 30) << score.toStdString();
    }
    EXPECT_GT(openCaseSeen, 0) << "the generator never reached the tenth frame's open case";
}

// The drawing as items, with a stand-in font of 7 pixels a character (a
// centred text of odd width cannot sit exactly on its centre): "T9" a text
// mark with its left edge at x 9, "X34" and "/21" a strike and a spare
// picture at x 34 and 21, "O67" a split circle centred at x 67, "#1" and
// "N1" the total and the number of frame 1 centred in its box (the number two
// pixels right of the centre); "?" anything else.
int Width(SheetTextRole, const QString &text) { return 7 * int(text.size()); }

QStringList Items(const SheetDrawing &d)
{
    QStringList items;
    for (const SheetText &t : d.texts) {
        const int x = t.topLeft.x(), y = t.topLeft.y(), width = Width(t.role, t.text), frame = (2 * x + width - 8) / 56 + 1;
        const int centre = 4 + 28 * (frame - 1) + (t.role == SheetTextRole::Total ? 14 : 16);
        const bool centred = qAbs(2 * x + width - 2 * centre) <= 1;
        if (t.role == SheetTextRole::Mark && y == 18)
            items << "T" + QString::number(x);
        else if (t.role == SheetTextRole::Total && y == 30 && centred)
            items << "#" + QString::number(frame);
        else
            items << (t.role == SheetTextRole::FrameNumber && y == 6 && centred && t.text == QString::number(frame) ? "N" + t.text
                                                                                                                    : "?");
    }
    for (const SheetMark &m : d.marks)
        items << (m.topLeft.y() != 18 ? "?" : m.picture == SheetPicture::Strike ? "X" : "/") + QString::number(m.topLeft.x());
    for (const QPoint &c : d.splitCircles)
        items << (c.y() == 22 ? "O" : "?") + QString::number(c.x());
    return items;
}

// Items a drawn game must show; a leading "!" says the item is not there.
TEST(SheetLayout, ItemsLandAtTabledPositions)
{
    const std::tuple<QString, QString, QString> rows[] = {
        {"7*! 81", "    O ", "T9 /21 X34 T65 O67 T79 #1 #2 #3 !#4"},
        {"G-7*", "    ", "T9 T23 #1 T37 /49 !#2"},
        {"! ! ! ! ! ! ! ! ! !!!", "", "X6 X34 X230 X258 X272 X286 #1 #9 #10"},
        {"------------------!7", "                   O", "X258 T275 O276"},
        {"------------------9*7", "                    O", "T261 /273 T289 O291 #10"},
        {"------------------!-*", "", "X258 T275 /287 #10"},
        {"", "", "N1 N2 N9 N10 !#1 !#10"},
        {QString(21, u'!'), "", "X174 !X188"},                                    // more marks than pictures
        {QString(20, u'-') + "7" + "7*!", QString(24, u'O'), "T289 O291 !T303"},  // nothing beyond position 21
    };
    for (const auto &[score, sprit, expected] : rows) {
        const QStringList drawn = Items(sheetContents(score, sprit, Width));
        EXPECT_FALSE(drawn.contains("?")) << score.toStdString();
        for (const QString &item : expected.split(u' '))
            EXPECT_NE(drawn.contains(item.mid(item.startsWith(u'!'))), item.startsWith(u'!'))
                << score.toStdString() << ": " << item.toStdString();
    }
}

}  // namespace

// A window's place fitted onto a 1280 x 800 screen with a 40-pixel panel:
// moved as little as it must, cut only where it is larger; with a frame, the
// frame stands on the screen.
TEST(ScreenFit, WindowsStandWhollyOnTheUsableArea)
{
    const QMargins none, frame(2, 24, 2, 2);
    const std::tuple<const char *, QRect, QMargins, QRect> rows[] = {
        {"inside_stays", {100, 100, 321, 45}, none, {100, 100, 321, 45}},
        {"half_off_right_and_bottom_comes_in", {1000, 740, 321, 45}, none, {959, 715, 321, 45}},
        {"off_left_and_top_comes_in", {-50, -9, 321, 45}, none, {0, 0, 321, 45}},
        {"too_wide_is_cut_across_only", {300, 200, 2000, 100}, none, {0, 200, 1280, 100}},
        {"framed_title_above_the_top_comes_down", {10, 10, 400, 300}, frame, {10, 24, 400, 300}},
        {"framed_too_tall_leaves_room_for_the_frame", {10, 30, 400, 900}, frame, {10, 24, 400, 734}},
    };
    for (const auto &[name, rect, margins, fitted] : rows)
        EXPECT_EQ(clientFittedInto(rect, margins, QRect(0, 0, 1280, 760)), fitted) << name;
    EXPECT_EQ(fittedInto({5000, 5000, 10, 10}, QRect()), QRect(5000, 5000, 10, 10)) << "no screen known";
}
