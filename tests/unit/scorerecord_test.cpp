#include "score/scorerecord.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <cstdio>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

// Nine frames of misses, so that a row can show only its tenth frame.
#define NINE_MISSED "------------------"
#define NINE_ZEROS "000000000000000000000000000"

struct TotalsCase
{
    const char *name, *score, *totals;
};
void PrintTo(const TotalsCase &c, std::ostream *os) { *os << c.name; }

class FrameTotals : public ::testing::TestWithParam<TotalsCase> {};

TEST_P(FrameTotals, MatchesExpected)
{
    EXPECT_EQ(CalcFrameTotals(QString::fromUtf8(GetParam().score)).toStdString(), GetParam().totals);
}

INSTANTIATE_TEST_SUITE_P(
    Records, FrameTotals,
    ::testing::Values(
        TotalsCase{"Empty", "", ""},
        TotalsCase{"WorkedExample", "7*! 81", "020039048"},
        TotalsCase{"StrikeWaitingForBonus", "! ", ""},
        TotalsCase{"SpareWaitingForBonus", "9*", ""},
        TotalsCase{"StrikeThenOpen", "! 9-", "019028"},
        TotalsCase{"TwelveStrikes", "! ! ! ! ! ! ! ! ! !!!", "030060090120150180210240270300"},
        TotalsCase{"TwentyGutters", "G-G-G-G-G-G-G-G-G-G-", NINE_ZEROS "000"},
        TotalsCase{"NineMissTenTimes", "9-9-9-9-9-9-9-9-9-9-", "009018027036045054063072081090"},
        TotalsCase{"TenthSpareAndBonus", NINE_MISSED "7*5", NINE_ZEROS "015"},
        TotalsCase{"TenthStrikeThenCount", NINE_MISSED "!73", NINE_ZEROS "020"},
        TotalsCase{"TenthTwoStrikesAndSeven", NINE_MISSED "!!7", NINE_ZEROS "027"},
        TotalsCase{"TenthOpen", NINE_MISSED "34", NINE_ZEROS "007"},
        TotalsCase{"TenthThirdSpareAfterStrikeAndMiss", NINE_MISSED "!-*", NINE_ZEROS "020"},
        TotalsCase{"NinthStrikeWaitsForPosition20", "----------------! !", "000000000000000000000000"},
        TotalsCase{"NinthStrikeDoneAtPosition20", "----------------! !!", "000000000000000000000000030"},
        TotalsCase{"SpareAfterMissReadsTen", "-*5-", "015020"},
        TotalsCase{"SpareAfterGutterReadsTen", "G*5-", "015020"},
        TotalsCase{"TwoDigitsMakingTenAreASpare", "375-", "015020"},
        // Junk and over-long records: digits count, everything else is 0,
        // and nothing beyond position 21 is read.
        TotalsCase{"LettersReadZero", "abcdefghijklmnopqrstu", NINE_ZEROS "000"},
        TotalsCase{"NinesAreOpenFramesOfEighteen", "99999999999999999999", "018036054072090108126144162"},
        TotalsCase{"TwentyOneNines", "999999999999999999999", "018036054072090108126144162189"},
        TotalsCase{"OverLongIgnoresTail", "9-9-9-9-9-9-9-9-9-9--999999", "009018027036045054063072081090"},
        TotalsCase{"ThirdSlotCountsEvenAfterOpenTenth", "9-9-9-9-9-9-9-9-9-9-9", "009018027036045054063072081099"},
        TotalsCase{"StrikesEverywhereCapAt300", "!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!", "030060090120150180210240270300"},
        TotalsCase{"StrikeMarkInSecondSlotReadsTen", "9!", "019"},
        TotalsCase{"SpareMarkInFirstSlotIsAStrike", "* 9-", "019028"}),
    [](const auto &info) { return std::string(info.param.name); });

struct PinsCase
{
    const char *name, *score;
    int frame, ball, pins;
};
void PrintTo(const PinsCase &c, std::ostream *os) { *os << c.name; }

class ThrowPins : public ::testing::TestWithParam<PinsCase> {};

TEST_P(ThrowPins, MatchesExpected)
{
    const PinsCase &c = GetParam();
    EXPECT_EQ(GetThrowPins(QString::fromUtf8(c.score), c.frame, c.ball), c.pins);
}

INSTANTIATE_TEST_SUITE_P(
    Records, ThrowPins,
    ::testing::Values(PinsCase{"BeyondRecord", "7", 1, 2, -1},
                      PinsCase{"SpareAfterSeven", "7*", 1, 2, 3},
                      PinsCase{"SpareAfterGutter", "G*", 1, 2, 10},
                      PinsCase{"StrikeBlankReadsZero", "! ", 1, 2, 0},
                      PinsCase{"TenthThirdSpareAfterStrike", NINE_MISSED "!-*", 10, 3, 10},
                      PinsCase{"FullWidthDigitReadsZero", "\xef\xbc\x95", 1, 1, 0},
                      PinsCase{"NoThirdBallBeforeTenth", "999999", 1, 3, -1},
                      PinsCase{"NoEleventhFrame", "999999999999999999999999", 11, 1, -1},
                      PinsCase{"NoFrameZero", "99", 0, 2, -1},
                      PinsCase{"NoBallZero", "99", 1, 0, -1}),
    [](const auto &info) { return std::string(info.param.name); });

// Any text is a record: totals come in whole three-digit groups, never fall,
// never exceed 300, and depend only on the first 21 characters.
TEST(FrameTotalsJunk, RandomTextGivesSaneTotals)
{
    std::mt19937 rng(20240611);
    const QString alphabet = QStringLiteral("0123456789!*-G O x.+");
    std::uniform_int_distribution<int> pick(0, int(alphabet.size()) - 1), length(0, 40);
    for (int n = 0; n < 5000; ++n) {
        QString s;
        for (int i = length(rng); i > 0; --i)
            s += alphabet.at(pick(rng));
        const QString t = CalcFrameTotals(s);
        SCOPED_TRACE(s.toStdString());
        ASSERT_EQ(t.size() % kTotalDigits, 0);
        ASSERT_LE(t.size(), kFrames * kTotalDigits);
        int last = 0;
        for (int i = 0; i < t.size(); i += kTotalDigits) {
            bool ok = false;
            const int v = t.mid(i, kTotalDigits).toInt(&ok);
            ASSERT_TRUE(ok && v >= last && v <= 300) << t.toStdString();
            last = v;
        }
        ASSERT_EQ(t, CalcFrameTotals(s.left(kRecordSlots)));
    }
}

// ---------------------------------------------------------------------------
// Appending. A game is written as the pins of each ball separated by blanks;
// a suffix "s" marks a first ball that left a split, "g" a gutter. The rack
// is tracked as the throw sequence tracks it: a fresh rack after a strike
// and after every second ball.

struct Played
{
    QString score, sprit;
    std::vector<bool> over;      // game over after each ball
    std::vector<PinMark> marks;  // pin board mark of each ball
};

Played Play(const char *balls)
{
    Played out;
    int standing = kPinsPerRack;
    bool fresh = true;
    for (const QString &token : QString::fromUtf8(balls).split(u' ', Qt::SkipEmptyParts)) {
        ThrowResult r;
        r.firstBall = fresh;
        r.split = token.endsWith(u's');
        r.gutter = token.endsWith(u'g');
        r.felled = token.chopped(r.split || r.gutter ? 1 : 0).toInt();
        standing -= r.felled;
        r.allDown = standing == 0;
        PinMark mark;
        out.over.push_back(AppendThrow(out.score, out.sprit, r, &mark));
        out.marks.push_back(mark);
        fresh = !fresh || r.allDown;
        if (fresh)
            standing = kPinsPerRack;
    }
    return out;
}

#define NINE_OPEN "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 "
#define BLANKS_18 "                  "

struct AppendCase
{
    const char *name, *balls, *score, *sprit;
    bool over;
    PinMark lastMark;
};
void PrintTo(const AppendCase &c, std::ostream *os) { *os << c.name; }

class Appending : public ::testing::TestWithParam<AppendCase> {};

TEST_P(Appending, WritesRecordAndMarks)
{
    const AppendCase &c = GetParam();
    const Played p = Play(c.balls);
    EXPECT_EQ(p.score.toStdString(), c.score);
    EXPECT_EQ(p.sprit.toStdString(), c.sprit);
    for (size_t i = 0; i + 1 < p.over.size(); ++i)
        EXPECT_FALSE(p.over[i]) << "over early, after ball " << i + 1;
    EXPECT_EQ(p.over.back(), c.over);
    EXPECT_EQ(p.marks.back(), c.lastMark);
    EXPECT_EQ(LastThrowMark(p.score), c.lastMark);
}

using M = PinMark;
INSTANTIATE_TEST_SUITE_P(
    Balls, Appending,
    ::testing::Values(
        AppendCase{"WorkedExample", "7 3 10 8s 1", "7*! 81", "    O ", false, M::None},
        AppendCase{"FirstBallGutter", "0g", "G", " ", false, M::None},
        AppendCase{"SecondBallGutter", "4 0g", "4-", "  ", false, M::None},
        AppendCase{"FirstBallMiss", "0", "-", " ", false, M::None},
        AppendCase{"StrikeTakesTwoSlots", "10", "! ", "  ", false, M::Strike},
        AppendCase{"Spare", "9 1", "9*", "  ", false, M::Spare},
        AppendCase{"SecondBallNeverSplit", "5 2s", "52", "  ", false, M::None},
        AppendCase{"TenthOpenEndsAt20", NINE_OPEN "7 2", NINE_MISSED "72", BLANKS_18 "  ", true, M::None},
        AppendCase{"TenthStrikeIsOneSlot", NINE_OPEN "10", NINE_MISSED "!", BLANKS_18 " ", false, M::Strike},
        AppendCase{"TenthThreeStrikes", NINE_OPEN "10 10 10", NINE_MISSED "!!!", BLANKS_18 "   ", true, M::Strike},
        AppendCase{"TenthSpareWaits", NINE_OPEN "9 1", NINE_MISSED "9*", BLANKS_18 "  ", false, M::Spare},
        AppendCase{"TenthSpareThirdBall", NINE_OPEN "9 1 6s", NINE_MISSED "9*6", BLANKS_18 "  O", true, M::None},
        AppendCase{"TenthStrikeThenSplitWaits", NINE_OPEN "10 7s", NINE_MISSED "!7", BLANKS_18 " O", false, M::None},
        AppendCase{"TenthThirdClearsRackAsDigit", NINE_OPEN "10 7 3", NINE_MISSED "!73", BLANKS_18 "   ", true, M::None},
        AppendCase{"TenthThirdClearsFreshRack", NINE_OPEN "10 0 10", NINE_MISSED "!-*", BLANKS_18 "   ", true, M::Spare},
        AppendCase{"TenthThirdClearsAfterGutter", NINE_OPEN "10 0g 10", NINE_MISSED "!G*", BLANKS_18 "   ", true, M::Spare},
        AppendCase{"TwelveStrikes", "10 10 10 10 10 10 10 10 10 10 10 10", "! ! ! ! ! ! ! ! ! !!!",
                   BLANKS_18 "   ", true, M::Strike}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(AppendThrow, InconsistentInputStillAppendsOneSlot)
{
    // A finished record takes no more balls.
    QString score = QStringLiteral(NINE_MISSED "72"), sprit(20, u' ');
    PinMark mark = PinMark::Strike;
    EXPECT_TRUE(AppendThrow(score, sprit, ThrowResult{true, false, true, 10, false}, &mark));
    EXPECT_EQ(score, QStringLiteral(NINE_MISSED "72"));
    EXPECT_EQ(mark, PinMark::None);
    EXPECT_TRUE(GameOverAfter(QStringLiteral("9-9-9-9-9-9-9-9-9-9-9-")));

    // Split marks out of step with the record are brought back to its length.
    score = QStringLiteral("! 7");
    sprit = QStringLiteral("O");
    AppendThrow(score, sprit, ThrowResult{false, false, false, 1, false});
    EXPECT_EQ(sprit, QStringLiteral("O   "));

    // A gutter ball never counts as a strike.
    score.clear();
    sprit.clear();
    AppendThrow(score, sprit, ThrowResult{true, true, true, 0, false}, &mark);
    EXPECT_EQ(score + u'|' + sprit, QStringLiteral("G| "));
    EXPECT_EQ(mark, PinMark::None);
}

// ---------------------------------------------------------------------------
// Property: random legal games written ball by ball read back as a plain
// frame-by-frame scorer scores the same pin counts.

// Cumulative totals of the finished frames of a list of pin counts.
std::string ReferenceTotals(const std::vector<int> &rolls)
{
    std::string out;
    int total = 0;
    size_t i = 0;
    const auto have = [&](size_t n) { return i + n <= rolls.size(); };
    for (int frame = 1; frame <= 10; ++frame) {
        if (frame == 10) {
            if (!have(2) || (rolls[i] + rolls[i + 1] >= 10 && !have(3)))
                break;
            total += rolls[i] + rolls[i + 1] + (have(3) ? rolls[i + 2] : 0);
        } else if (have(1) && rolls[i] == 10) {
            if (!have(3))
                break;
            total += 10 + rolls[i + 1] + rolls[i + 2];
            i += 1;
        } else {
            if (!have(2) || (rolls[i] + rolls[i + 1] == 10 && !have(3)))
                break;
            total += rolls[i] + rolls[i + 1] + (rolls[i] + rolls[i + 1] == 10 ? rolls[i + 2] : 0);
            i += 2;
        }
        char buf[8];
        std::snprintf(buf, sizeof buf, "%03d", total);
        out += buf;
    }
    return out;
}

TEST(ScoreRecordProperty, RandomGamesScoreLikeReference)
{
    std::mt19937 rng(7140);
    std::bernoulli_distribution clearAll(0.3), gutter(0.3), split(0.2);
    int openCaseSeen = 0;
    for (int game = 0; game < 3000; ++game) {
        QString score, sprit;
        std::vector<int> rolls;
        int standing = kPinsPerRack;
        bool fresh = true, over = false;
        while (!over) {
            ThrowResult r;
            r.firstBall = fresh;
            r.felled = clearAll(rng) ? standing : std::uniform_int_distribution<int>(0, standing)(rng);
            standing -= r.felled;
            r.allDown = standing == 0;
            r.gutter = r.felled == 0 && gutter(rng);
            r.split = fresh && !r.allDown && split(rng);
            const int before = int(score.size());
            over = AppendThrow(score, sprit, r);
            rolls.push_back(r.felled);

            SCOPED_TRACE(score.toStdString());
            ASSERT_EQ(sprit.size(), score.size());
            ASSERT_EQ(CalcFrameTotals(score).toStdString(), ReferenceTotals(rolls));
            ASSERT_EQ(sprit.at(before) == kSplitChar, r.split);
            // The ball reads back from the slot it was written to.
            const bool tenth = before >= kTenthFrameFrom;
            const int frame = tenth ? kFrames : before / 2 + 1;
            const int ball = tenth ? before - kTenthFrameFrom + 1 : before % 2 + 1;
            ASSERT_EQ(GetThrowPins(score, frame, ball), r.felled);
            openCaseSeen += before == kRecordSlots - 1 && score.at(before) == kSpareChar;

            fresh = !fresh || r.allDown;
            if (fresh)
                standing = kPinsPerRack;
        }
        ASSERT_TRUE(score.size() == 20 || score.size() == 21) << score.toStdString();
        ASSERT_EQ(CalcFrameTotals(score).size(), kFrames * kTotalDigits);
    }
    EXPECT_GT(openCaseSeen, 0) << "the generator never reached the tenth frame's open case";
}

}  // namespace
