// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "statsbench.h"

#include "gamewindows.h"

#include "game/game.h"
#include "history/gamelistmodel.h"
#include "history/historyschema.h"
#include "history/historystore.h"
#include "platform/pacer.h"
#include "scoreview/frmScore.h"
#include "settings/settings.h"
#include "statsview/gamespage.h"
#include "statsview/statswindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {
constexpr double kOpenTargetMs = 300;
constexpr double kPageTargetMs = 16;
constexpr double kSheetTargetMs = 50;
constexpr int kOpenings = 3;
constexpr int kGamesPerDay = 20;
constexpr qint64 kNsPerMs = 1000000;

// Records of every kind the figures read: strikes, spares, a split, open
// frames and fill balls, each with the leaves of its fresh racks.
struct BenchGame
{
    const char *record, *marks;
    int total;
    const char *leave;  // repeated for every fresh rack
    int racks;
};
constexpr BenchGame kGames[] = {
    {"! 9*8-9-9-9-9-9-9-9-", "    O               ", 109, "0000001001", 10},
    {"! ! ! 9*7*8*9*! ! !!!", "                     ", 229, "0000000001", 12},
    {"9-9-9-9-9-9-9-9-9-9-", "                    ", 90, "0000000001", 10},
    {"7*8-9*! ! 9-8*7-! 9*!", "                     ", 157, "0001000000", 11},
};

double msSince(const QElapsedTimer &t) { return t.nsecsElapsed() / double(kNsPerMs); }
const char *verdict(bool held) { return held ? "held" : "MISSED"; }
}  // namespace

void fillBenchHistory(const QString &path, int games)
{
    if (!HistoryStore(path).games())
        return;
    const QString fill = QStringLiteral("bench-stats-fill");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), fill);
        db.setDatabaseName(path);
        const QDateTime last = QDateTime::currentDateTime();
        if (db.open() && db.transaction()) {
            for (int i = 0; i < games; ++i) {
                const BenchGame &kind = kGames[i % std::size(kGames)];
                HistoryGame g;
                g.endedAt = last.addDays(-(games - i) / kGamesPerDay).addSecs(i % kGamesPerDay * 60);
                g.record = QString::fromLatin1(kind.record);
                g.marks = QString::fromLatin1(kind.marks);
                g.total = kind.total;
                g.typed = i % 7 == 0;
                g.leaves = QString::fromLatin1(kind.leave).repeated(kind.racks);
                insertHistoryGame(db, g);
            }
            db.commit();
        }
    }
    QSqlDatabase::removeDatabase(fill);
}

bool statisticsWindowPhase(const QString &settingsDir, Pacer &pacer)
{
    std::vector<double> openings;
    Settings settings(settingsDir);
    Game game;
    GameWindows windows(game, settings, pacer);
    windows.shaper().BuildRegionData();
    for (int i = 0; i < kOpenings; ++i) {
        // A fresh store each time, as at the window's first opening.
        Game fresh;
        GameWindows cold(fresh, settings, pacer);
        QElapsedTimer t;
        t.start();
        cold.statistics().open();
        QApplication::processEvents();
        openings.push_back(msSince(t));
        cold.statistics().window()->close();
    }
    std::sort(openings.begin(), openings.end());
    const double open = openings[openings.size() / 2];
    std::printf("%-24s median %.0f ms  (target: at most %.0f ms) %s\n", "statistics: open window", open, kOpenTargetMs,
                verdict(open <= kOpenTargetMs));

    windows.statistics().open();
    StatsWindow *window = windows.statistics().window();
    window->setCurrentPage(StatsWindow::kGames);
    QTableView *view = window->games()->view();
    QAbstractItemModel *list = view->model();
    double slowest = 0;
    int pages = 0;
    while (list->canFetchMore({})) {
        QElapsedTimer t;
        t.start();
        list->fetchMore({});
        view->scrollToBottom();
        QApplication::processEvents();
        slowest = std::max(slowest, msSince(t));
        ++pages;
    }
    std::printf("%-24s %d pages, %d rows, slowest %.1f ms  (target: at most %.0f ms) %s\n", "statistics: scroll list", pages,
                list->rowCount(), slowest, kPageTargetMs, verdict(slowest <= kPageTargetMs));

    // Timed until the sheet is up, whatever runs the event loop before it.
    double sheet = -1;
    QElapsedTimer t;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *replay = qobject_cast<frmScore *>(QApplication::activeModalWidget())) {
            sheet = msSince(t);
            replay->close();
        }
    });
    poll.start(0);
    t.start();
    Q_EMIT window->sheetRequested(list->rowCount() - 1);
    std::printf("%-24s %.1f ms  (target: at most %.0f ms) %s\n", "statistics: open a sheet", sheet, kSheetTargetMs,
                verdict(sheet >= 0 && sheet <= kSheetTargetMs));
    return open <= kOpenTargetMs && slowest <= kPageTargetMs && sheet >= 0 && sheet <= kSheetTargetMs;
}
