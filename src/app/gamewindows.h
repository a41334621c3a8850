// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "highscores.h"
#include "historyrecorder.h"
#include "presenter.h"
#include "sheetplace.h"
#include "soundeffects.h"
#include "windowloader.h"
#include "windowshaper.h"

#include "desktop/dialogs.h"
#include "menuview/frmMenu.h"
#include "statisticswindowowner.h"

class Game;
class Pacer;
class Settings;

// Everything the game shows, built in order and wired together: the boxes,
// the window shapes, the pop-up menu, the windows loaded on demand, the
// sheet's place, the presentation on the lane, the high-score table and the
// sound effects. The
// menu's commands are connected here; each window's own input is connected
// by the loader as it creates the window. The loop's branches get only the
// parts they use.
class GameWindows
{
public:
    GameWindows(Game &game, Settings &settings, Pacer &pacer);
    GameWindows(const GameWindows &) = delete;
    GameWindows &operator=(const GameWindows &) = delete;

    Game &game() { return game_; }
    Settings &settings() { return settings_; }
    Dialogs &dialogs() { return dialogs_; }
    frmMenu &menu() { return menu_; }
    WindowShaper &shaper() { return shaper_; }
    WindowLoader &loader() { return loader_; }
    Presenter &presenter() { return presenter_; }
    HighScores &highScores() { return highScores_; }
    HistoryRecorder &history() { return history_; }
    StatisticsWindowOwner &statistics() { return statistics_; }
    SoundEffects &sound() { return sound_; }

    // The desktop session ends: noted for the loop, which ends the program
    // at its next pass; open boxes and the menu are closed so that it gets
    // there.
    void requestSessionEnd();
    // The session manager asks for the program's data: the sheet's place.
    void commitData() { loader_.storeSheetPlace(); }

private:
    void chooseColour(int colour);

    Game &game_;
    Settings &settings_;
    Dialogs dialogs_;
    WindowShaper shaper_{dialogs_};
    HistoryRecorder history_{settings_};
    frmMenu menu_;
    SheetPlace sheetPlace_;
    WindowLoader loader_;
    Presenter presenter_;
    HighScores highScores_;
    StatisticsWindowOwner statistics_{settings_, history_, dialogs_, highScores_};
    SoundEffects sound_{settings_};
};
