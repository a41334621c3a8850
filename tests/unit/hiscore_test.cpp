#include "common/tempsettings.h"
#include "hiscore/hiscorecaptions.h"
#include "hiscore/hiscoretable.h"

#include <gtest/gtest.h>
#include <QStringList>

namespace {

const QString kNow = QStringLiteral("2003/07/15 21:04:09");
const QString kMarks = QStringLiteral("    O               ");

// Ten open frames of n pins each: a game worth 10 * n.
QString OpenGame(int n) { return QString(QChar(u'0' + n)).append(u'-').repeated(10); }

class HighScoreTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetHighScoreClock([] { return QDateTime::fromString(kNow, kHighScoreDateFormat); });
        SetHighScoreListingHook([this] { listed_ << Table().join(u'|'); });
    }
    void TearDown() override
    {
        SetHighScoreClock({});
        SetHighScoreListingHook({});
    }
    static QStringList Table()
    {
        QStringList t;
        for (int place = 1; place <= kHighScorePlaces; ++place)
            t << ReadIniValue(kHighScoreSection, HighScoreKey(place));
        return t;
    }
    QStringList listed_;  // the table as each listing saw it
};

TEST_F(HighScoreTable, PlacesShiftsAndBreaksTiesForTheOlderEntry)
{
    const QString A = "2001/01/01 10:00:00,9-,  ,090", B = "2001/01/02 10:00:00,8-,  ,080",
                  C = "2001/01/03 10:00:00,7-,  ,070", D = "2001/01/04 10:00:00,6-,  ,060",
                  E = "2001/01/05 10:00:00,5-,  ,050";
    struct Row { const char *name; QStringList before; QString record; qint16 place; QStringList after; };
    const Row rows[] = {  // "NEW" stands for this game's entry
        {"EmptyTableTakesAZeroGame", {}, OpenGame(0), 1, {"NEW", "", "", "", ""}},
        {"FirstEmptySlot", {A, B, C}, OpenGame(6), 4, {A, B, C, "NEW", ""}},
        {"TieStaysBelowOlder", {A, B, C, D, E}, OpenGame(8), 3, {A, B, "NEW", C, D}},
        {"FullTableTieNotEntered", {A, B, C, D, E}, OpenGame(5), 0, {A, B, C, D, E}},
        {"PerfectGamePushesOutFifth", {A, B, C, D, E}, "! ! ! ! ! ! ! ! ! !!!", 1, {"NEW", A, B, C, D}},
        {"HandEditedEntriesCountZero", {"junk", "d,r,m,", "d,r,m,abc", "d,r,m,99999999"}, OpenGame(1), 1,
         {"NEW", "junk", "d,r,m,", "d,r,m,abc", "d,r,m,99999999"}},
        {"ZeroGameTiesHandEditedEntries", {"junk", "d,r,m,abc"}, OpenGame(0), 3, {"junk", "d,r,m,abc", "NEW", "", ""}},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        TempSettings settings;
        for (int i = 0; i < r.before.size(); ++i)
            WriteIniValue(kHighScoreSection, HighScoreKey(i + 1), r.before[i]);
        listed_.clear();
        EXPECT_EQ(RecordHighScore(r.record, kMarks), r.place);
        QStringList expected = r.after;
        expected.replaceInStrings("NEW", QStringList{kNow, r.record, kMarks, HighScoreText(r.record)}.join(u','));
        EXPECT_EQ(Table(), expected);
        // Listed once, after the table was written.
        EXPECT_EQ(listed_, QStringList{expected.join(u'|')});
    }
}

TEST_F(HighScoreTable, ScoreIsTheThreeDigitFinalTotal)
{
    TempSettings settings;
    EXPECT_EQ(HighScoreText("9-9-9-9-9-9-9-9-9-6-"), "087");
    EXPECT_EQ(HighScoreText("! ! ! ! ! ! ! ! ! !!!"), "300");
    EXPECT_EQ(HighScoreText("! "), "000");  // no frame finished
    RecordHighScore("9-9-9-9-9-9-9-9-9-6-", kMarks);
    EXPECT_TRUE(Table()[0].endsWith(",087"));
}

TEST(HighScoreCaption, PlaceDateAndScore)
{
    const std::pair<QString, QString> rows[] = {  // entry at place 1..6, caption
        {"2003/07/15 21:04:09,9-,  ,087", "１位：2003年07月15日 21:04:09  スコア:087"},
        {"", "２位：(なし)"},
        {"2003/7/5,r,m,100", "３位：2003年07月05日 00:00:00  スコア:100"},
        {"yesterday,r,m,120", "４位：yesterday  スコア:120"},
        {"2003/13/40 25:00:00,r,m,1", "５位：2003/13/40 25:00:00  スコア:1"},
        {"junk", "6位：junk  スコア:"},
    };
    int place = 0;
    for (const auto &[entry, caption] : rows)
        EXPECT_EQ(HighScoreCaption(++place, entry), caption);
}

TEST(HighScoreFields, SplitByFirstSecondThirdAndLastComma)
{
    const std::pair<QString, QStringList> rows[] = {  // entry, {date, record, marks, score}
        {"2003/07/15 21:04:09,! 9-,    ,028", {"2003/07/15 21:04:09", "! 9-", "    ", "028"}},
        {"junk", {"junk", "", "", ""}},
        {"d,r", {"d", "r", "", "r"}},
        {"d,r,m,x,250", {"d", "r", "m", "250"}},
        {",,,", {"", "", "", ""}},
    };
    for (const auto &[entry, fields] : rows) {
        const HighScoreEntryFields f = HighScoreFields(entry);
        EXPECT_EQ((QStringList{f.date, f.record, f.marks, f.score}), fields) << entry.toStdString();
    }
}

}  // namespace
