#include "common/tempsettings.h"
#include "hiscore/hiscorecaptions.h"
#include "hiscore/hiscoretable.h"

#include <gtest/gtest.h>
#include <QStringList>
#include <vector>

namespace {

const QString kNow = QStringLiteral("2003/07/15 21:04:09");
const QString kMarks = QStringLiteral("    O               ");

// Ten open frames of n pins each: a game worth 10 * n.
QString OpenGame(int n) { return QString(QChar(u'0' + n)).append(u'-').repeated(10); }

QString Stored(const char *date, const char *score)
{
    return QStringLiteral("%1,9-9-,  ,%2").arg(QLatin1String(date), QLatin1String(score));
}

class HighScoreTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetHighScoreClock([] { return QDateTime::fromString(kNow, kHighScoreDateFormat); });
        SetHighScoreListingHook([this] { ++listings_; });
    }
    void TearDown() override
    {
        SetHighScoreClock({});
        SetHighScoreListingHook({});
    }
    void Fill(const QStringList &entries)
    {
        for (int i = 0; i < entries.size(); ++i)
            WriteIniValue(kHighScoreSection, HighScoreKey(i + 1), entries[i]);
    }
    QStringList Table() const
    {
        QStringList t;
        for (int place = 1; place <= kHighScorePlaces; ++place)
            t << ReadIniValue(kHighScoreSection, HighScoreKey(place));
        return t;
    }
    TempSettings settings_;
    int listings_ = 0;
};

struct TableCase
{
    const char *name;
    QStringList before;
    QString record;
    qint16 place;
    QStringList after;  // "NEW" stands for the entry made by this game
};

class HighScorePlacing : public HighScoreTable, public ::testing::WithParamInterface<TableCase> {};

const QString A = Stored("2001/01/01 10:00:00", "090"), B = Stored("2001/01/02 10:00:00", "080"),
              C = Stored("2001/01/03 10:00:00", "070"), D = Stored("2001/01/04 10:00:00", "060"),
              E = Stored("2001/01/05 10:00:00", "050");

TEST_P(HighScorePlacing, EntersAtPlaceAndShiftsBelow)
{
    const TableCase &c = GetParam();
    Fill(c.before);
    EXPECT_EQ(RecordHighScore(c.record, kMarks), c.place);
    QStringList expected = c.after;
    expected.replaceInStrings(QStringLiteral("NEW"), kNow + u',' + c.record + u',' + kMarks + u',' +
                                                         HighScoreText(c.record));
    EXPECT_EQ(Table(), expected);
    EXPECT_EQ(listings_, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, HighScorePlacing,
    ::testing::Values(
        TableCase{"EmptyTableTakesAZeroGame", {}, OpenGame(0), 1, {"NEW", "", "", "", ""}},
        TableCase{"FirstEmptySlot", {A, B, C}, OpenGame(6), 4, {A, B, C, "NEW", ""}},
        TableCase{"TieStaysBelowOlder", {A, B, C, D, E}, OpenGame(8), 3, {A, B, "NEW", C, D}},
        TableCase{"FullTableTieNotEntered", {A, B, C, D, E}, OpenGame(5), 0, {A, B, C, D, E}},
        TableCase{"BestGamePushesOutFifth", {A, B, C, D, E}, QStringLiteral("! ! ! ! ! ! ! ! ! !!!"), 1,
                  {"NEW", A, B, C, D}},
        TableCase{"HandEditedEntriesCountZero",
                  {"junk", "d,r,m,", "d,r,m,abc", "d,r,m,99999999"}, OpenGame(1), 1,
                  {"NEW", "junk", "d,r,m,", "d,r,m,abc", "d,r,m,99999999"}},
        TableCase{"ZeroGameBelowHandEditedTies", {"junk", "d,r,m,abc"}, OpenGame(0), 3,
                  {"junk", "d,r,m,abc", "NEW", "", ""}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(HighScoreTable, ScoreIsTheThreeDigitFinalTotal)
{
    EXPECT_EQ(HighScoreText(QStringLiteral("9-9-9-9-9-9-9-9-9-6-")), "087");
    EXPECT_EQ(HighScoreText(QStringLiteral("! ! ! ! ! ! ! ! ! !!!")), "300");
    EXPECT_EQ(HighScoreText(QStringLiteral("! ")), "000");  // nothing finished yet
    RecordHighScore(QStringLiteral("9-9-9-9-9-9-9-9-9-6-"), kMarks);
    EXPECT_TRUE(Table()[0].endsWith(QStringLiteral(",087")));
}

TEST_F(HighScoreTable, ListingHookRunsAfterEveryCallWithTableWritten)
{
    std::vector<QString> seen;
    SetHighScoreListingHook([&] { seen.push_back(Table()[0]); });
    for (int i = 0; i < 7; ++i)
        RecordHighScore(OpenGame(3), kMarks);
    ASSERT_EQ(seen.size(), 7u);
    EXPECT_FALSE(seen[0].isEmpty());
}

TEST(HighScoreValue, ReadsTextAfterLastComma)
{
    EXPECT_EQ(HighScoreValue(QStringLiteral("d,r,m,087")), 87);
    EXPECT_EQ(HighScoreValue(QStringLiteral("d,r,m,x, 150")), 150);
    EXPECT_EQ(HighScoreValue(QStringLiteral("150")), 0);
    EXPECT_EQ(HighScoreValue(QStringLiteral("d,r,m,-20")), -20);
}

struct CaptionCase
{
    const char *name;
    int place;
    QString entry;
    QString caption;
};

class Caption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(Caption, ShowsPlaceDateAndScore) { EXPECT_EQ(HighScoreCaption(GetParam().place, GetParam().entry), GetParam().caption); }

INSTANTIATE_TEST_SUITE_P(
    Entries, Caption,
    ::testing::Values(
        CaptionCase{"Stored", 1, "2003/07/15 21:04:09,9-,  ,087", "１位：2003年07月15日 21:04:09  スコア:087"},
        CaptionCase{"Empty", 2, "", "２位：(なし)"},
        CaptionCase{"DateWithoutTime", 3, "2003/7/5,r,m,100", "３位：2003年07月05日 00:00:00  スコア:100"},
        CaptionCase{"NoDate", 4, "yesterday,r,m,120", "４位：yesterday  スコア:120"},
        CaptionCase{"ImpossibleDate", 5, "2003/13/40 25:00:00,r,m,1", "５位：2003/13/40 25:00:00  スコア:1"},
        CaptionCase{"NoCommas", 5, "junk", "５位：junk  スコア:"}),
    [](const auto &info) { return std::string(info.param.name); });

struct FieldsCase
{
    const char *name;
    QString entry;
    QStringList fields;  // date, record, marks, score
};

class Fields : public ::testing::TestWithParam<FieldsCase> {};

TEST_P(Fields, SplitByFirstSecondThirdAndLastComma)
{
    const HighScoreEntryFields f = HighScoreFields(GetParam().entry);
    EXPECT_EQ((QStringList{f.date, f.record, f.marks, f.score}), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, Fields,
    ::testing::Values(FieldsCase{"FourFields", "2003/07/15 21:04:09,! 9-,    ,028",
                                 {"2003/07/15 21:04:09", "! 9-", "    ", "028"}},
                      FieldsCase{"NoCommas", "junk", {"junk", "", "", ""}},
                      FieldsCase{"TwoFields", "d,r", {"d", "r", "", "r"}},
                      FieldsCase{"ExtraField", "d,r,m,x,250", {"d", "r", "m", "250"}},
                      FieldsCase{"AllEmpty", ",,,", {"", "", "", ""}}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
