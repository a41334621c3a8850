// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "game/frmLane.h"
#include "game/frmStart.h"
#include "lane/frmDenkou.h"
#include "lane/pinboardsequence.h"
#include "menu/frmMenu.h"
#include "platform/dialogs.h"
#include "score/frmScore.h"
#include "shapes/balloon.h"
#include "shapes/mod_RGN_Data.h"
#include "statisticswindowowner.h"

#include <QPointer>
#include <memory>

class Game;
class Pacer;
class Settings;

// The one owner of the game's windows. It creates each window on first use
// and unloads it when the game is done with it, connects what the windows
// report to the game (a handler only records a request, or does one of the
// menu's immediate jobs), and shows what the game decided: the lane look,
// the pin board's sequences, the balloon, the score sheet and its place, and
// the replay of a stored game. A window manager's close request (Alt+F4)
// does what the window's own control would: E on the start dialog, the
// menu's game end on the lane and the pin board, the close button on a
// score sheet; the balloon ignores it.
class GameWindows
{
public:
    GameWindows(Game &game, Settings &settings, Pacer &pacer);
    ~GameWindows();
    GameWindows(const GameWindows &) = delete;
    GameWindows &operator=(const GameWindows &) = delete;

    Game &game() { return game_; }
    Settings &settings() const { return settings_; }
    Pacer &pacer() { return pacer_; }
    Dialogs &dialogs() { return dialogs_; }
    frmMenu &menu() { return menu_; }
    StatisticsWindowOwner &statistics() { return statistics_; }

    // Windows that exist only while the game uses them: created (hidden) on
    // first use, destroyed by unloading.
    frmLane &lane();
    void unloadLane();
    frmDenkou &board();
    void unloadBoard();
    frmStart &startDialog();
    void unloadStartDialog();
    // The live score sheet. It is loaded at its stored place (or above the
    // lane); unloading it, by its close button too, stores that place.
    frmScore &scoreSheet();
    bool scoreSheetLoaded() const { return !sheet_.isNull(); }
    void unloadScoreSheet();
    bool scoreSheetShown() const { return scoreSheetLoaded() && sheet_->isVisible(); }

    // Fills the region tables; done once at start-up.
    void BuildRegionData();
    const RegionTable &regions() const { return regions_; }
    // Cuts a window to a stored shape (0..4; anything else is ignored). A
    // shape that cannot be built or set is fatal: the player is told in an
    // OK box and the program ends.
    void ApplyRegion(ShapedWindow &window, int shape);
    template <int Capacity>
    void ApplyRegionRecord(const RegionRecordOf<Capacity> &record, ShapedWindow &window)
    {
        reportShape(window.setShape(record));
    }

    // Switches the lane between its solid and skeleton looks and colours the
    // pin board to match; flips SolidLane.
    void ToggleScreenMode();

    // Pauses as the game does: events flow, debug mode skips it.
    void Wait(int milliseconds);
    void PlayBoard(const BoardSequence &steps);
    // Shows a balloon above the lane, waits `milliseconds` and takes it away;
    // presses are ignored meanwhile.
    void ShowMessageBalloon(const QString &text, int milliseconds);
    void reportShape(ShapedWindow::ShapeResult result);

    // Rewrites the menu's five high-score captions from the settings file.
    void ListHighScores();
    // Replays the stored game of place index + 1 on a red score sheet laid
    // over the live one, modally; nothing happens for an empty place.
    void ShowHighScoreReplay(int index);
    void ShowAboutBox();

    // The desktop session ends: noted for the loop, which ends the program
    // at its next pass; open boxes and the menu are closed so that it gets
    // there.
    void RequestSessionEnd();
    // The session manager asks for the program's data: the sheet's place.
    void CommitData();

private:
    void endGame();
    void loadSheet(frmScore &sheet);
    void storeSheetPosition(const frmScore &sheet);
    void writeSheetPosition(const QPoint &twips);
    void showModal(frmScore &sheet);
    void toggleScoreSheet();
    void chooseColour(int colour);
    void startDialogPressed(Qt::MouseButton button);

    Game &game_;
    Settings &settings_;
    Pacer &pacer_;
    Dialogs dialogs_;
    RegionTable regions_{};
    frmMenu menu_;
    StatisticsWindowOwner statistics_{settings_};
    Balloon balloon_;
    std::unique_ptr<frmLane> lane_;
    std::unique_ptr<frmDenkou> board_;
    std::unique_ptr<frmStart> start_;
    QPointer<frmScore> sheet_;  // deleted later: it may unload itself from its own handler
};
