// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>

class Pacer;
class QDateTime;
class Settings;
class SheetPlace;
class WindowLoader;
class frmMenu;
class frmScore;

// The five best games as the player meets them: entering a finished game,
// the menu's captions and the replay of a stored game.
class HighScores
{
public:
    HighScores(Settings &settings, frmMenu &menu, SheetPlace &sheetPlace, WindowLoader &windows,
               Pacer &pacer);

    // Rewrites the menu's five high-score captions from the settings file.
    void ListHighScores();
    // Offers a finished game to the table (RecordHighScore) and lists the
    // table again; returns the place it took, 0 for none.
    int recordGame(const QString &szScore, const QString &szSprit, const QDateTime &finished);
    // Replays the stored game of place index + 1 on a red score sheet laid
    // over the live one, modally; nothing happens for an empty place.
    void showReplay(int index);
    // Draws a game's record and marks on the red sheet, as a replay does:
    // over the live sheet, which is hidden meanwhile and given back its
    // visibility after; returns once the sheet is closed.
    void showSheet(const QString &record, const QString &marks);

private:
    void showModal(frmScore &sheet);

    Settings &settings_;
    frmMenu &menu_;
    SheetPlace &sheetPlace_;
    WindowLoader &windows_;
    Pacer &pacer_;
};
