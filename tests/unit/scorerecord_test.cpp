// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "score/scorerecord.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// Nine frames of misses, so that a row can show only its tenth frame.
#define NINE_MISSED "------------------"
#define BLANKS_18 "                  "

// Legal records, complete or not, are checked ball by ball against an
// independent scorer below; these rows are readable anchors and the junk a
// record may hold.
TEST(ScoreRecord, FrameTotals)
{
    // clang-format off
    const struct { const char *name, *score, *totals; } rows[] = {
        {"worked example", "7*! 81", "020039048"},
        {"twelve strikes", "! ! ! ! ! ! ! ! ! !!!", "030060090120150180210240270300"},
        // Junk records: ASCII digits count, everything else is 0; a "*" with no first ball before it is ten.
        {"letters and a full-width digit read zero", "abcdefghijklmnopqrst\xef\xbc\x95", "000000000000000000000000000000"},
        {"spare mark in first slot is a strike", "* 9-", "019028"},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(CalcFrameTotals(QString::fromUtf8(row.score)).toStdString(), row.totals) << row.name;
}

// Any text is a record: totals come in whole three-digit groups up to 300
// and depend only on the first 21 characters.
TEST(ScoreRecord, RandomTextGivesSaneTotals)
{
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
// "s": a first ball that left a split, "g": a gutter) and shows it as
// "record|split marks|mark of the last ball", plus "|over" when it is over.
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

#define NINE_OPEN "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 "

TEST(ScoreRecord, AppendWritesRecordSplitsAndMarks)
{
    // clang-format off
    const struct { const char *name, *balls, *expected; } rows[] = {
        {"worked example", "7 3 10 8s 1", "7*! 81|    O |-"},
        {"gutter: first ball G even with all down, second -", "4 0g 10g", "4-G|   |-"},
        {"spare; a second ball is never a split", "9 1 5 2s", "9*52|    |-"},
        {"twelve strikes", "10 10 10 10 10 10 10 10 10 10 10 10", "! ! ! ! ! ! ! ! ! !!!|" BLANKS_18 "   |!|over"},
        {"open tenth ends at 20, takes no more", NINE_OPEN "7 2 10", NINE_MISSED "72|" BLANKS_18 "  |-|over"},
        {"tenth spare, split third ball", NINE_OPEN "9 1 6s", NINE_MISSED "9*6|" BLANKS_18 "  O|-|over"},
        {"tenth strike, then split waits", NINE_OPEN "10 7s", NINE_MISSED "!7|" BLANKS_18 " O|-"},
        {"tenth third clears rack as digit", NINE_OPEN "10 7 3", NINE_MISSED "!73|" BLANKS_18 "   |-|over"},
        {"tenth third clears fresh rack", NINE_OPEN "10 0g 10", NINE_MISSED "!G*|" BLANKS_18 "   |*|over"},
        {"tenth third on no standing pin", NINE_OPEN "10 10g 0", NINE_MISSED "!G0|" BLANKS_18 "   |-|over"},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(Play(row.balls), row.expected) << row.name;
}

// Property: random legal games written ball by ball read back as a plain
// frame-by-frame scorer scores the same pin counts.
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

}  // namespace
