// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "gamewindows.h"

#include "game/ballcolour.h"
#include "game/game.h"
#include "settings/settings.h"

GameWindows::GameWindows(Game &game, Settings &settings, Pacer &pacer)
    : game_(game), settings_(settings),
      sheetPlace_(game, settings, shaper_, [this] { return loader_.lane().frameGeometry(); }),
      loader_(game, menu_, shaper_, sheetPlace_), presenter_(game, pacer, loader_, menu_, shaper_),
      highScores_(settings, menu_, sheetPlace_, loader_, pacer)
{
    QObject::connect(&menu_, &frmMenu::mhiscore_Click, [this](int i) { highScores_.showReplay(i); });
    QObject::connect(&menu_, &frmMenu::mcolor_Click, [this](int i) { chooseColour(i); });
    QObject::connect(&menu_, &frmMenu::mscreen_Click, [this] { presenter_.ToggleScreenMode(); });
    QObject::connect(&menu_, &frmMenu::msound_Click, [this](bool on) { sound_.choose(on); });
    QObject::connect(&menu_, &frmMenu::mver_Click, [this] { loader_.showAboutBox(); });
    QObject::connect(&menu_, &frmMenu::mend_Click, [this] { game_.request(GameState::GameOver); });
    QObject::connect(&menu_, &frmMenu::mstats_Click, [this] { statistics_.open(); });
}

void GameWindows::requestSessionEnd()
{
    game_.EndRequested = true;
    dialogs_.dismissAll();
}

void GameWindows::chooseColour(int colour)
{
    settings_.WriteIniValue(kBallSection, kColorKey, QString::number(colour));
    loader_.lane().setBallColour(colour);
}
