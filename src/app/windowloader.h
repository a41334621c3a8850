// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "windowslot.h"

#include "gameview/frmLane.h"
#include "gameview/frmStart.h"
#include "laneview/frmDenkou.h"
#include "scoreview/frmScore.h"

class Game;
class SheetPlace;
class WindowShaper;
class frmMenu;

// The windows that exist only while the game uses them: each is created,
// hidden, on first use and destroyed by unloading. What a window reports is
// connected to the game as it is created (a handler only records a request,
// or opens the menu or the About box). A window manager's close request
// (Alt+F4) does what the window's own control would: E on the start dialog,
// the menu's game end on the lane and the pin board, the close button on a
// score sheet.
class WindowLoader
{
public:
    WindowLoader(Game &game, frmMenu &menu, const WindowShaper &shaper, SheetPlace &sheetPlace);

    frmLane &lane();
    void unloadLane() { lane_.unload(); }
    frmDenkou &board();
    void unloadBoard() { board_.unload(); }
    frmStart &startDialog();
    void unloadStartDialog() { start_.unload(); }

    // The live score sheet. It is loaded at its stored place (or above the
    // lane); unloading it, by its close button too, stores that place.
    frmScore &scoreSheet();
    bool scoreSheetLoaded() const { return sheet_.isLoaded(); }
    bool scoreSheetShown() const { return sheet_.isLoaded() && sheet_->isVisible(); }
    void unloadScoreSheet() { sheet_.unload(); }
    void storeSheetPlace();

    // Shows the About box and returns once it is closed.
    void showAboutBox();

private:
    void requestGameEnd();
    void toggleScoreSheet();
    void startDialogPressed(Qt::MouseButton button);

    Game &game_;
    frmMenu &menu_;
    const WindowShaper &shaper_;
    SheetPlace &sheetPlace_;
    WindowSlot<frmLane> lane_;
    WindowSlot<frmDenkou> board_;
    WindowSlot<frmStart> start_;
    WindowSlot<frmScore> sheet_;
};
