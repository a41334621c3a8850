// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "windowslot.h"

#include <QRect>
#include <memory>

class Dialogs;
class GameListModel;
class HighScores;
class HistoryRecorder;
class Settings;
class StatsWindow;

// Opens the statistics window on the menu's command, or raises it when it is
// open, with figures computed afresh from the history. The history is
// opened on the window's first opening, not before; the window's place and
// size are kept in the settings file whenever it closes and when the owner
// goes with the window open, and so is the page last shown. Whatever size
// and place it was given, it opens with its frame wholly on the screen. A
// game of the list opens on the high scores' red sheet; removing one asks
// first.
class StatisticsWindowOwner
{
public:
    // The history is the recorder's: one store, opened once, for recording
    // and for the window.
    StatisticsWindowOwner(Settings &settings, HistoryRecorder &history, Dialogs &dialogs,
                          HighScores &highScores);
    ~StatisticsWindowOwner();
    StatisticsWindowOwner(const StatisticsWindowOwner &) = delete;
    StatisticsWindowOwner &operator=(const StatisticsWindowOwner &) = delete;

    void open();
    StatsWindow *window() const { return window_.isLoaded() ? &*window_ : nullptr; }

private:
    void storePlace(const QRect &geometry);
    void showFigures();
    void exportCsv(const QString &path);
    void openSheet(int row);
    void removeGame(int row);

    Settings &settings_;
    HistoryRecorder &history_;
    Dialogs &dialogs_;
    HighScores &highScores_;
    std::unique_ptr<GameListModel> games_;
    WindowSlot<StatsWindow> window_;
};
