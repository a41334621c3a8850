// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/gamefixture.h"
#include "common/historygames.h"
#include "statsview/statswindow.h"

#include "history/historystore.h"

#include <QCheckBox>
#include <QDir>
#include <map>
#include <string>

// The menu item opens the window: a sentence while no game is stored; a
// second choice shows the same window with the counts of the games stored
// since, rolled ones only or typed-in ones too. The history exports, and a
// closed window comes back where it was.
TEST_F(GameFixture, StatisticsOpenFromTheMenuOnTheHistoryAndKeepTheirPlace)
{
    windows().menu().mstats()->trigger();
    StatsWindow *window = windows().statistics().window();
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->message(), QStringLiteral("ゲームを最後まで投げると、ここに成績が表示されます。"));
    {
        HistoryStore store(settings().historyFilePath());
        ASSERT_TRUE(store.append(historyGame("G-8*81! 9--*72! ! !-*", "  O O                ", 151, false)) &&
                    store.append(historyGame("! ! ! ! ! ! ! ! ! !!!", "                     ", 300, true)));
    }
    windows().menu().mstats()->trigger();
    EXPECT_EQ(windows().statistics().window(), window);
    // clang-format off
    const struct { const char *name; bool typed; std::map<std::string, std::string> counts; } rows[] = {
        {"rolled only", false,
         {{"games", "1"}, {"average", "151.0"}, {"averageRecentShort", "151.0"}, {"best", "151"},
          {"firstBallAverage", "6.5"}, {"strikes", "4 / 11 (36%)"}, {"spares", "3 / 7 (43%)"}, {"splits", "2"},
          {"splitsConverted", "1 / 2 (50%)"}, {"openFrames", "4"}, {"gutters", "1"}}},
        {"typed-in games too", true,
         {{"games", "2"}, {"average", "225.5"}, {"averageRecentLong", "225.5"}, {"best", "300"},
          {"strikes", "16 / 23 (70%)"}, {"spares", "3 / 7 (43%)"}}},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        window->findChild<QCheckBox *>()->setChecked(row.typed);
        EXPECT_EQ(window->message(), QString());
        for (const auto &[name, text] : row.counts)
            EXPECT_EQ(window->countText(QString::fromStdString(name)).toStdString(), text) << name;
    }
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
