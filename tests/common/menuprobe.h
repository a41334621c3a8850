// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "gamewindows.h"

#include "game/ballcolour.h"
#include "game/game.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <gtest/gtest.h>

// The game's pop-up menu as the desktop holds it: its one menu window that
// is no submenu.
inline QMenu *popupMenu()
{
    QList<QMenu *> menus;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *menu = qobject_cast<QMenu *>(w); menu && !menu->parentWidget())
            menus << menu;
    if (menus.size() != 1)
        ADD_FAILURE() << menus.size() << " pop-up menus";
    return menus.value(0);
}

// Item `index` of the pop-up menu's submenu captioned `submenu`.
inline QAction *menuItem(const QString &submenu, int index)
{
    for (QAction *a : popupMenu()->actions())
        if (a->menu() && a->text() == submenu)
            return a->menu()->actions().value(index);
    ADD_FAILURE() << "no submenu " << submenu.toStdString();
    return nullptr;
}

// The ticked ball colour: its index, -1 for none, -2 for more than one.
inline int checkedColour()
{
    int checked = -1;
    for (int i = 0; i < kBallColours; ++i)
        if (!menuItem(QStringLiteral("ボール"), i)->icon().isNull())
            checked = checked == -1 ? i : -2;
    return checked;
}

// Whether the ball drawn on the lane wears `colour`: the ball is the only
// thing that differs between the colours.
inline bool ballWears(GameWindows &w, int colour)
{
    Roll &roll = w.game().roll;
    roll.BallVisible = true;
    roll.BallDrawnLeft = 100;
    roll.BallDrawnTop = 10;
    frmLane &lane = w.loader().lane();
    const QImage shown = lane.grab().toImage();
    lane.setBallColour(colour);
    return shown == lane.grab().toImage();
}
