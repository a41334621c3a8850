// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/gamefixture.h"
#include "common/historygames.h"
#include "statsview/statswindow.h"

#include "history/historystore.h"
#include "history/statistics.h"

#include <QCheckBox>
#include <QDir>
#include <map>
#include <string>

namespace {

const HistoryGame kMixed = historyGame("G-8*81! 9--*72! ! !-*", "  O O                ", 151, false);
const HistoryGame kTypedPerfect = historyGame("! ! ! ! ! ! ! ! ! !!!", "                     ", 300, true);
constexpr const char *kEmpty = "ゲームを最後まで投げると、ここに成績が表示されます。";

}  // namespace

TEST(StatsWindow, ShowsTheCountsOfTheChosenGamesOrOneSentence)
{
    installFontSubstitutions();
    using Counts = std::map<std::string, std::string>;
    // clang-format off
    const struct Row {
        const char *name;
        HistoryGames games;
        bool includeTyped;
        Counts counts;
        const char *message;
    } rows[] = {
        {"rolled only", {kMixed, kTypedPerfect}, false,
         {{"games", "1"}, {"average", "151.0"}, {"averageRecentShort", "151.0"}, {"best", "151"},
          {"firstBallAverage", "6.5"}, {"strikes", "4 / 11 (36%)"}, {"spares", "3 / 7 (43%)"}, {"splits", "2"},
          {"splitsConverted", "1 / 2 (50%)"}, {"openFrames", "4"}, {"gutters", "1"}}, ""},
        {"typed-in games too", {kMixed, kTypedPerfect}, true,
         {{"games", "2"}, {"average", "225.5"}, {"averageRecentLong", "225.5"}, {"best", "300"},
          {"strikes", "16 / 23 (70%)"}, {"spares", "3 / 7 (43%)"}}, ""},
        {"typed-in games only, left out", {kTypedPerfect}, false, {}, kEmpty},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        StatsWindow window;
        window.findChild<QCheckBox *>()->setChecked(row.includeTyped);
        window.showFigures(computeStatistics(row.games, false), computeStatistics(row.games, true));
        EXPECT_EQ(window.message().toStdString(), row.message);
        for (const auto &[name, text] : row.counts)
            EXPECT_EQ(window.countText(QString::fromStdString(name)).toStdString(), text) << name;
    }
}

// The menu item opens the window on the stored history, a second choice
// raises the same window, and a closed window comes back where it was.
TEST_F(GameFixture, StatisticsOpenFromTheMenuOnTheHistoryAndKeepTheirPlace)
{
    {
        HistoryStore store(settings().historyFilePath());
        ASSERT_TRUE(store.append(kMixed) && store.append(kTypedPerfect));
    }
    windows().menu().mstats()->trigger();
    StatsWindow *window = windows().statistics().window();
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->countText(QStringLiteral("games")), QStringLiteral("1"));
    EXPECT_EQ(window->countText(QStringLiteral("best")), QStringLiteral("151"));
    windows().menu().mstats()->trigger();
    EXPECT_EQ(windows().statistics().window(), window);
    const QString csv = QDir(settings_.dir()).filePath(QStringLiteral("games.csv"));
    Q_EMIT window->exportRequested(csv);
    QFile exported(csv);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.readAll().count('\n'), 3);  // the column names and both games

    const QRect place(100, 120, 820, 700);
    window->setGeometry(place);
    window->close();
    EXPECT_EQ(settings_.read(QStringLiteral("STATS"), QStringLiteral("WIDTH")), QStringLiteral("12300"));
    restart();
    windows().menu().mstats()->trigger();
    EXPECT_EQ(windows().statistics().window()->geometry(), place);
}

// An ordinary window, framed and not modal, which says so when the history
// cannot be opened and then offers no choice.
TEST_F(GameFixture, StatisticsSayWhenTheHistoryCannotBeOpened)
{
    ASSERT_TRUE(QDir().mkpath(settings().historyFilePath()));  // a directory in its place
    windows().menu().mstats()->trigger();
    const StatsWindow *window = windows().statistics().window();
    EXPECT_TRUE(window->isWindow() && !(window->windowFlags() & Qt::FramelessWindowHint));
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(window->message(), QStringLiteral("ゲームの履歴を開けないため、成績を表示できません。"));
    EXPECT_FALSE(window->findChild<QCheckBox *>()->isEnabled());
}
