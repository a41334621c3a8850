// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "statisticswindowowner.h"

#include "historyrecorder.h"

#include "desktop/framefitter.h"
#include "history/historystore.h"
#include "history/statistics.h"
#include "history/statsplace.h"
#include "settings/settings.h"
#include "statsview/statswindow.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <cstdio>

StatisticsWindowOwner::StatisticsWindowOwner(Settings &settings, HistoryRecorder &history)
    : settings_(settings), history_(history)
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
    }
    if (const auto games = history_.store().games())
        window_->showFigures(computeStatistics(*games, false), computeStatistics(*games, true));
    else
        window_->showUnavailable();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void StatisticsWindowOwner::storePlace(const QRect &geometry) { writeStatsRect(settings_, geometry); }

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
