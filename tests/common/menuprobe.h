#pragma once
#include "game/frmLane.h"
#include "game/gamevars.h"
#include "menu/frmMenu.h"

#include <QAction>

// The ticked ball colour: its index, -1 for none, -2 for more than one.
inline int checkedColour()
{
    int checked = -1;
    for (int i = 0; i < frmMenu::kColours; ++i)
        if (frmMenu::instance()->mcolor(i)->isChecked())
            checked = checked == -1 ? i : -2;
    return checked;
}

// Whether the ball drawn on the lane wears `colour`: the ball is the only
// thing that differs between the colours.
inline bool ballWears(int colour)
{
    BallVisible = true;
    BallDrawnLeft = 100;
    BallDrawnTop = 10;
    const QImage shown = LaneWindow()->grab().toImage();
    LaneWindow()->setBallColour(colour);
    return shown == LaneWindow()->grab().toImage();
}
