#pragma once
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
