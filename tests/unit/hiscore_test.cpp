// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/tempsettings.h"
#include "hiscore/hiscorecaptions.h"
#include "hiscore/hiscoretable.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Ten open frames of n pins each: a game worth 10 * n.
QString OpenGame(int n) { return QString(QChar(u'0' + n)).append(u'-').repeated(10); }

QStringList Table(const Settings &settings)
{
    QStringList t;
    for (int place = 1; place <= kHighScorePlaces; ++place)
        t << storedHighScore(settings, place);
    return t;
}

TEST(HighScoreTable, PlacesShiftsAndBreaksTiesForTheOlderEntry)
{
    const QString now = "2003/07/15 21:04:09", marks = "    O               ";
    const QString A = "a,9-,  ,090", B = "b,8-,  ,080", C = "c,7-,  ,070", D = "d,6-,  ,060", E = "e,5-,  ,050";
    // clang-format off
    const struct { const char *name; QStringList before; QString record; int place; QStringList after; } rows[] = {
        // "NEW" stands for this game's entry.
        {"TieStaysBelowOlder", {A, B, C, D, E}, OpenGame(8), 3, {A, B, "NEW", C, D}},
        {"FullTableTieNotEntered", {A, B, C, D, E}, OpenGame(5), 0, {A, B, C, D, E}},
        {"HandEditedEntriesCountZero", {"junk", "d,r,m,", "d,r,m,abc", "d,r,m,99999999"}, OpenGame(1), 1,
         {"NEW", "junk", "d,r,m,", "d,r,m,abc", "d,r,m,99999999"}},
        {"ZeroGameTiesHandEditedEntries", {"junk", "d,r,m,abc"}, OpenGame(0), 3, {"junk", "d,r,m,abc", "NEW", "", ""}},
    };
    // clang-format on
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        TempSettings file;
        for (int i = 0; i < r.before.size(); ++i)
            file.set(kHighScoreSection, highScoreKey(i + 1), r.before[i]);
        EXPECT_EQ(RecordHighScore(file.settings(), r.record, marks, QDateTime::fromString(now, kHighScoreDateFormat)), r.place);
        const QString entry = QStringList{now, r.record, marks, highScoreText(r.record)}.join(u',');
        EXPECT_EQ(Table(file.settings()), QStringList(r.after).replaceInStrings("NEW", entry));
    }
    EXPECT_EQ(QStringList({highScoreText("9-9-9-9-9-9-9-9-9-6-"), highScoreText("! ")}),
              QStringList({"087", "000"}));  // the last: no frame finished
}

TEST(highScoreCaption, PlaceDateAndScoreFromTheFields)
{
    // clang-format off
    const std::pair<QString, QString> rows[] = {  // entry at place 1..5, caption
        {"2003/07/15 21:04:09,9-,  ,087", "１位：2003年07月15日 21:04:09  スコア:087"},
        {"", "２位：(なし)"},
        {"2003/7/5,r,m,100", "３位：2003年07月05日 00:00:00  スコア:100"},
        {"yesterday,r,m,120", "４位：yesterday  スコア:120"},
        {"2003/12/31 25:00:00,r,m,1", "５位：2003/12/31 25:00:00  スコア:1"},
    };
    // clang-format on
    for (int place = 1; place <= 5; ++place)
        EXPECT_EQ(highScoreCaption(place, rows[place - 1].first), rows[place - 1].second);
    // clang-format off
    const std::pair<QString, QStringList> fields[] = {  // entry, {date, record, marks, score}
        {"2003/07/15 21:04:09,! 9-,    ,028", {"2003/07/15 21:04:09", "! 9-", "    ", "028"}},
        {"junk", {"junk", "", "", ""}},
        {"d,r", {"d", "r", "", "r"}},
        {"d,r,m,x,250", {"d", "r", "m", "250"}},
    };
    // clang-format on
    const auto split = [](const HighScoreEntryFields &f) { return QStringList{f.date, f.record, f.marks, f.score}; };
    for (const auto &[entry, expected] : fields)
        EXPECT_EQ(split(highScoreFields(entry)), expected) << entry.toStdString();
}

}  // namespace
