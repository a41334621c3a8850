// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "windowloader.h"

#include "sheetplace.h"
#include "windowshaper.h"

#include "game/game.h"
#include "game/laneinput.h"
#include "menuview/frmMenu.h"
#include "scoreview/frm_Version.h"

WindowLoader::WindowLoader(Game &game, frmMenu &menu, const WindowShaper &shaper, SheetPlace &sheetPlace)
    : game_(game), menu_(menu), shaper_(shaper), sheetPlace_(sheetPlace)
{
}

void WindowLoader::requestGameEnd() { game_.request(GameState::GameOver); }

frmLane &WindowLoader::lane()
{
    if (lane_.isLoaded())
        return *lane_;
    frmLane &lane = lane_.load(game_);
    QObject::connect(&lane, &frmLane::CtrlButton_MouseDown, [this](Qt::MouseButton button) {
        if (throwButtonDown(game_, button == Qt::RightButton))
            menu_.popup();
    });
    QObject::connect(&lane, &frmLane::CtrlButton_MouseUp,
                     [this](Qt::MouseButton button) { throwButtonUp(game_, button == Qt::RightButton); });
    QObject::connect(&lane, &frmLane::CtrlScore_MouseDown, [this](Qt::MouseButton button) {
        if (scoreButtonToggles(game_, button == Qt::LeftButton))
            toggleScoreSheet();
    });
    QObject::connect(&lane, &ShapedWindow::closeRequested, [this] { requestGameEnd(); });
    return lane;
}

frmDenkou &WindowLoader::board()
{
    if (board_.isLoaded())
        return *board_;
    frmDenkou &board = board_.load();
    board.placeBeside(lane().frameGeometry());
    QObject::connect(&board, &ShapedWindow::closeRequested, [this] { requestGameEnd(); });
    return board;
}

frmStart &WindowLoader::startDialog()
{
    if (start_.isLoaded())
        return *start_;
    frmStart &dialog = start_.load();
    shaper_.ApplyRegion(dialog, kShapeStartDialog);
    QObject::connect(&dialog, &frmStart::Label1_Click, [this] {
        menu_.setFullView();
        game_.request(GameState::Start);
    });
    QObject::connect(&dialog, &frmStart::Label2_Click, [this] { game_.request(GameState::End); });
    QObject::connect(&dialog, &ShapedWindow::closeRequested, [this] { game_.request(GameState::End); });
    QObject::connect(&dialog, &frmStart::Form_MouseDown,
                     [this](Qt::MouseButton button) { startDialogPressed(button); });
    return dialog;
}

void WindowLoader::startDialogPressed(Qt::MouseButton button)
{
    if (game_.BalloonBusy)
        return;
    if (button == Qt::RightButton) {
        menu_.setStartDialogView();
        menu_.popup();
        return;
    }
    showAboutBox();
}

frmScore &WindowLoader::scoreSheet()
{
    if (sheet_.isLoaded())
        return *sheet_;
    frmScore &sheet = sheet_.load();
    sheetPlace_.load(sheet);
    QObject::connect(&sheet, &frmScore::Label1_Click, [this] { unloadScoreSheet(); });
    QObject::connect(&sheet, &ShapedWindow::closeRequested, [this] { unloadScoreSheet(); });
    return sheet;
}

void WindowLoader::storeSheetPlace()
{
    if (sheet_.isLoaded())
        sheetPlace_.store(*sheet_);
}

void WindowLoader::toggleScoreSheet()
{
    if (scoreSheetShown()) {
        unloadScoreSheet();
        return;
    }
    frmScore &sheet = scoreSheet();
    sheet.show();
    sheet.DisplayScore(game_.record.szScore, game_.record.szSprit);
}

void WindowLoader::showAboutBox()
{
    WindowSlot<frm_Version> box;
    box.load().exec();
}
