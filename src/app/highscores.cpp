// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "highscores.h"

#include "sheetplace.h"
#include "windowloader.h"
#include "windowslot.h"

#include "hiscore/hiscorecaptions.h"
#include "hiscore/hiscoretable.h"
#include "menuview/frmMenu.h"
#include "platform/pacer.h"
#include "scoreview/frmScore.h"

HighScores::HighScores(Settings &settings, frmMenu &menu, SheetPlace &sheetPlace, WindowLoader &windows,
                       Pacer &pacer)
    : settings_(settings), menu_(menu), sheetPlace_(sheetPlace), windows_(windows), pacer_(pacer)
{
}

void HighScores::ListHighScores()
{
    for (int place = 1; place <= kHighScorePlaces; ++place)
        menu_.setHighScoreCaption(place - 1, highScoreCaption(place, storedHighScore(settings_, place)));
}

int HighScores::recordGame(const QString &szScore, const QString &szSprit, const QDateTime &finished)
{
    const int place = RecordHighScore(settings_, szScore, szSprit, finished);
    ListHighScores();
    return place;
}

void HighScores::showReplay(int index)
{
    const QString entry = storedHighScore(settings_, index + 1);
    if (entry.isEmpty())
        return;
    const HighScoreEntryFields fields = highScoreFields(entry);
    showSheet(fields.record, fields.marks);
}

void HighScores::showSheet(const QString &record, const QString &marks)
{
    WindowSlot<frmScore> slot;
    frmScore &replay = slot.load(frmScore::kReplayLineColor);
    sheetPlace_.load(replay);
    QObject::connect(&replay, &frmScore::Label1_Click, &replay, &QWidget::close);
    QObject::connect(&replay, &ShapedWindow::closeRequested, &replay, &QWidget::close);
    frmScore &live = windows_.scoreSheet();
    replay.move(live.pos());
    replay.DisplayScore(record, marks);

    const bool liveWasVisible = live.isVisible();
    live.hide();
    showModal(replay);
    // The replay stored the place the player left it at; the live sheet
    // takes it too, or it would store its own old place as it closes.
    if (windows_.scoreSheetLoaded()) {
        windows_.scoreSheet().move(replay.pos());
        windows_.scoreSheet().setVisible(liveWasVisible);
    }
}

// Shows the sheet application-modally and returns once it is closed.
void HighScores::showModal(frmScore &sheet)
{
    sheet.setWindowModality(Qt::ApplicationModal);
    sheet.show();
    while (sheet.isVisible())
        pacer_.waitForEvent();
}
