// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "game/ballcolour.h"
#include "hiscore/hiscoretable.h"

#include <QObject>
#include <QPixmap>
#include <QString>
#include <array>
#include <memory>

class QAction;
class QMenu;

// Carrier of the game's pop-up menu and of the two lane pictures. It is never
// shown itself. The menu opens at the mouse pointer from the lane's throw
// button and from the start dialog; it reports the command chosen.
class frmMenu : public QObject
{
    Q_OBJECT
public:
    frmMenu();
    ~frmMenu() override;

    // Opens the menu at the mouse pointer; returns when it closes, after the
    // chosen command has been reported.
    void popup();

    // Start-dialog view: only the high scores, the statistics, the lane look
    // and the sound effects switch.
    void setStartDialogView();
    void setFullView();

    void setHighScoreCaption(int index, const QString &caption);
    // Ticks colour `colour` only.
    void checkColour(int colour);
    // The sound effects item's check mark: whether sound is on.
    void checkSound(bool on);

    // Lane(0) solid, Lane(1) skeleton.
    QPixmap Lane(int index) const { return lanes_[index]; }

    QAction *mstats() const { return mstats_; }
    QAction *msound() const { return msound_; }

Q_SIGNALS:
    void mhiscore_Click(int index);
    void mstats_Click();
    void mcolor_Click(int index);  // the new colour is already ticked
    void mscreen_Click();
    void msound_Click(bool on);  // the item's check mark already says so
    void mver_Click();
    void mend_Click();

private:
    std::unique_ptr<QMenu> mpop_;
    QMenu *mm_;
    QMenu *mballMenu_;
    QAction *mstats_;
    QAction *sep01_, *mball_, *sepp_, *mscreen_, *msound_, *sepx_, *mver_, *sep001_, *mend_;
    std::array<QAction *, kHighScorePlaces> mhiscore_{};
    std::array<QAction *, kBallColours> mcolor_{};
    std::array<QPixmap, 2> lanes_;
};
