#include "score/scorerecord.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>
#include <random>
#include <string>
#include <vector>

namespace {

// Nine frames of misses, so that a row can show only its tenth frame.
#define NINE_MISSED "------------------"
#define NINE_ZEROS "000000000000000000000000000"
#define BLANKS_18 "                  "

TEST(ScoreRecord, FrameTotals)
{
    const struct { const char *name, *score, *totals; } rows[] = {
        {"worked example", "7*! 81", "020039048"},
        {"strike waits for two balls", "! 9", ""},
        {"spare waits for one ball", "9*", ""},
        {"twelve strikes", "! ! ! ! ! ! ! ! ! !!!", "030060090120150180210240270300"},
        {"tenth third spare after strike and miss", NINE_MISSED "!-*", NINE_ZEROS "020"},
        {"ninth strike waits for position 20", "----------------! !", "000000000000000000000000"},
        {"ninth strike done at position 20", "----------------! !!", "000000000000000000000000030"},
        {"two digits making ten are a spare", "375-", "015020"},
        // Junk records: digits count, everything else is 0.
        {"letters read zero", "abcdefghijklmnopqrstu", NINE_ZEROS "000"},
        {"twenty-one nines", "999999999999999999999", "018036054072090108126144162189"},
        {"third slot counts after open tenth", "9-9-9-9-9-9-9-9-9-9-9", "009018027036045054063072081099"},
        {"spare mark in first slot is a strike", "* 9-", "019028"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(CalcFrameTotals(QString::fromUtf8(row.score)).toStdString(), row.totals) << row.name;
}

TEST(ScoreRecord, ThrowPins)
{
    const struct { const char *name, *score; int frame, ball, pins; } rows[] = {
        {"beyond record", "7", 1, 2, -1},
        {"strike blank reads zero", "! ", 1, 2, 0},
        {"tenth third spare after strike", NINE_MISSED "!-*", 10, 3, 10},
        {"full-width digit reads zero", "\xef\xbc\x95", 1, 1, 0},
        {"no third ball before tenth", "999999", 1, 3, -1},
        {"no eleventh frame", "999999999999999999999999", 11, 1, -1},
        {"no ball zero", "99", 1, 0, -1},
    };
    for (const auto &row : rows)
        EXPECT_EQ(GetThrowPins(QString::fromUtf8(row.score), row.frame, row.ball), row.pins) << row.name;
}

// Any text is a record: totals come in whole three-digit groups, never fall,
// never exceed 300, and depend only on the first 21 characters.
TEST(ScoreRecord, RandomTextGivesSaneTotals)
{
    std::mt19937 rng(20240611);
    const QString alphabet = QStringLiteral("0123456789!*-G O x.+");
    const QRegularExpression groups(QStringLiteral("^(\\d{3}){0,10}$"));
    for (int n = 0; n < 5000; ++n) {
        QString s;
        for (int i = rng() % 41; i > 0; --i)
            s += alphabet.at(rng() % alphabet.size());
        const QString t = CalcFrameTotals(s);
        SCOPED_TRACE(s.toStdString() + " -> " + t.toStdString());
        ASSERT_TRUE(groups.match(t).hasMatch() && t.right(kTotalDigits) <= u"300");
        for (int i = kTotalDigits; i < t.size(); i += kTotalDigits)
            ASSERT_LE(t.mid(i - kTotalDigits, kTotalDigits), t.mid(i, kTotalDigits));
        ASSERT_EQ(t, CalcFrameTotals(s.left(kRecordSlots)));
    }
}

// The rack as the throw sequence tracks it: fresh after a strike and after
// every second ball.
struct Rack
{
    int standing = kPinsPerRack;
    bool fresh = true;
    ThrowResult ball(int felled, bool gutter, bool split)
    {
        const ThrowResult r{fresh, gutter, felled == standing, felled, split};
        standing -= felled;
        fresh = !fresh || r.allDown;
        standing = fresh ? kPinsPerRack : standing;
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
    for (const QString &token : QString::fromUtf8(balls).split(u' ', Qt::SkipEmptyParts)) {
        const bool split = token.endsWith(u's'), gutter = token.endsWith(u'g');
        over = AppendThrow(score, sprit, rack.ball(token.chopped(split || gutter ? 1 : 0).toInt(), gutter, split), &mark);
    }
    EXPECT_EQ(LastThrowMark(score), mark);
    return (score + u'|' + sprit + u'|' + "-*!"[int(mark)] + (over ? "|over" : "")).toStdString();
}

#define NINE_OPEN "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 "

TEST(ScoreRecord, AppendWritesRecordSplitsAndMarks)
{
    const struct { const char *name, *balls, *expected; } rows[] = {
        {"worked example", "7 3 10 8s 1", "7*! 81|    O |-"},
        {"strike takes two slots", "10", "! |  |!"},
        {"first ball gutter", "0g", "G| |-"},
        {"gutter ball never a strike", "10g", "G| |-"},
        {"second ball gutter", "4 0g", "4-|  |-"},
        {"spare", "9 1", "9*|  |*"},
        {"second ball never split", "5 2s", "52|  |-"},
        {"twelve strikes", "10 10 10 10 10 10 10 10 10 10 10 10", "! ! ! ! ! ! ! ! ! !!!|" BLANKS_18 "   |!|over"},
        {"tenth open ends at 20", NINE_OPEN "7 2", NINE_MISSED "72|" BLANKS_18 "  |-|over"},
        {"finished record takes no more", NINE_OPEN "7 2 10", NINE_MISSED "72|" BLANKS_18 "  |-|over"},
        {"tenth strike is one slot", NINE_OPEN "10", NINE_MISSED "!|" BLANKS_18 " |!"},
        {"tenth spare waits", NINE_OPEN "9 1", NINE_MISSED "9*|" BLANKS_18 "  |*"},
        {"tenth spare, split third ball", NINE_OPEN "9 1 6s", NINE_MISSED "9*6|" BLANKS_18 "  O|-|over"},
        {"tenth strike, then split waits", NINE_OPEN "10 7s", NINE_MISSED "!7|" BLANKS_18 " O|-"},
        {"tenth third clears rack as digit", NINE_OPEN "10 7 3", NINE_MISSED "!73|" BLANKS_18 "   |-|over"},
        {"tenth third clears fresh rack", NINE_OPEN "10 0g 10", NINE_MISSED "!G*|" BLANKS_18 "   |*|over"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Play(row.balls), row.expected) << row.name;
}

TEST(ScoreRecord, OutOfStepSplitMarksAreBroughtToTheRecordsLength)
{
    QString score = "! 7", sprit = "O", longScore = "9", longSprit = "OOOO";
    AppendThrow(score, sprit, {false, false, false, 1, false});
    AppendThrow(longScore, longSprit, {false, false, false, 0, false});
    EXPECT_EQ(sprit + "|" + longSprit, "O   |O ");
    EXPECT_TRUE(GameOverAfter("9-9-9-9-9-9-9-9-9-9-9-"));  // over-long counts as finished
}

// Property: random legal games written ball by ball read back as a plain
// frame-by-frame scorer scores the same pin counts.
QString ReferenceTotals(const std::vector<int> &rolls)
{
    QString out;
    int total = 0;
    size_t i = 0;
    const auto have = [&](size_t n) { return i + n <= rolls.size(); };
    for (int frame = 1; frame <= 10; ++frame) {
        const bool strike = have(1) && rolls[i] == 10;
        const size_t balls = strike || (have(2) && rolls[i] + rolls[i + 1] == 10) ? 3 : 2;
        if (!have(balls))
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
            const bool gutterBall = felled == 0 && gutter(rng);
            const ThrowResult r = rack.ball(felled, gutterBall, rack.fresh && felled < rack.standing && split(rng));
            const int before = int(score.size());
            over = AppendThrow(score, sprit, r);
            rolls.push_back(r.felled);

            SCOPED_TRACE(score.toStdString());
            ASSERT_EQ(sprit.size(), score.size());
            ASSERT_EQ(CalcFrameTotals(score), ReferenceTotals(rolls));
            ASSERT_EQ(sprit.at(before) == kSplitChar, r.split);
            // The ball reads back from the slot it was written to.
            const bool tenth = before >= kTenthFrameFrom;
            const int frame = tenth ? kFrames : before / 2 + 1;
            const int ball = tenth ? before - kTenthFrameFrom + 1 : before % 2 + 1;
            ASSERT_EQ(GetThrowPins(score, frame, ball), r.felled);
            openCaseSeen += before == kRecordSlots - 1 && score.at(before) == kSpareChar;
        }
        ASSERT_TRUE(score.size() == 20 || score.size() == 21) << score.toStdString();
        ASSERT_EQ(CalcFrameTotals(score).size(), kFrames * kTotalDigits);
    }
    EXPECT_GT(openCaseSeen, 0) << "the generator never reached the tenth frame's open case";
}

}  // namespace
