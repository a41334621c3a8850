// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "statisticswindowowner.h"

#include "highscores.h"
#include "historyrecorder.h"

#include "desktop/dialogs.h"
#include "desktop/framefitter.h"
#include "history/gamelistmodel.h"
#include "history/historystore.h"
#include "history/statistics.h"
#include "history/statsplace.h"
#include "settings/settings.h"
#include "statsview/statswindow.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <cstdio>

StatisticsWindowOwner::StatisticsWindowOwner(Settings &settings, HistoryRecorder &history, Dialogs &dialogs,
                                             HighScores &highScores)
    : settings_(settings), history_(history), dialogs_(dialogs), highScores_(highScores)
{
}

StatisticsWindowOwner::~StatisticsWindowOwner()
{
    if (window_.isLoaded() && window_->isVisible())
        storePlace(window_->geometry());
}

void StatisticsWindowOwner::open()
{
    if (!window_.isLoaded()) {
        window_.load();
        new FrameFitter(&*window_);
        if (const auto stored = readStatsRect(settings_))
            window_->setGeometry(*stored);
        QObject::connect(&*window_, &StatsWindow::closing, [this](const QRect &g) { storePlace(g); });
        QObject::connect(&*window_, &StatsWindow::exportRequested,
                         [this](const QString &path) { exportCsv(path); });
        QObject::connect(&*window_, &StatsWindow::sheetRequested, [this](int row) { openSheet(row); });
        QObject::connect(&*window_, &StatsWindow::removeRequested, [this](int row) { removeGame(row); });
        window_->setCurrentPage(readStatsPage(settings_, StatsWindow::kPageCount));
        games_ = std::make_unique<GameListModel>(history_.store());
        window_->setGameList(games_.get());
    }
    showFigures();
    games_->reload();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void StatisticsWindowOwner::storePlace(const QRect &geometry)
{
    writeStatsRect(settings_, geometry);
    writeStatsPage(settings_, window_->currentPage());
}

void StatisticsWindowOwner::showFigures()
{
    StatisticsBuilder figures;
    if (history_.store().readGames([&figures](const HistoryGame &game) { figures.add(game); })) {
        const auto [rolled, all] = figures.finish();
        window_->showFigures(rolled, all);
    } else {
        window_->showUnavailable();
    }
}

void StatisticsWindowOwner::openSheet(int row)
{
    const HistoryGame &game = games_->game(row);
    highScores_.showSheet(game.record, game.marks);
}

void StatisticsWindowOwner::removeGame(int row)
{
    const HistoryGame game = games_->game(row);
    const QString date =
        games_->data(games_->index(row, GameListModel::DateColumn), Qt::DisplayRole).toString();
    const QString question = QCoreApplication::translate("StatisticsWindowOwner",
                                                         "%1 の %2 点のゲームを履歴から削除しますか？")
                                 .arg(date)
                                 .arg(game.total);
    if (!dialogs_.askYesNo(question))
        return;
    if (!history_.store().remove(game.id)) {
        window_->showNote(
            QCoreApplication::translate("StatisticsWindowOwner", "ゲームを削除できませんでした。"));
        return;
    }
    showFigures();
    games_->reload();
}

void StatisticsWindowOwner::exportCsv(const QString &path)
{
    const auto games = history_.store().games();
    QSaveFile file(path);
    QString error;
    if (!games)
        error = QCoreApplication::translate("StatisticsWindowOwner", "ゲームの履歴を読めません");
    else if (!file.open(QIODevice::WriteOnly) || file.write(historyCsv(*games).toUtf8()) < 0 ||
             !file.commit())
        error = file.errorString();
    if (!error.isEmpty())
        std::fprintf(stderr, "marvolt: could not export the game history to %s (%s)\n", qPrintable(path),
                     qPrintable(error));
    window_->showExported(path, error);
}
