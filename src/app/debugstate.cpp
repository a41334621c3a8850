// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
// Debug mode: the result of every ball is typed in instead of rolled.

#include "branches.h"

#include "desktop/dialogs.h"
#include "game/debuganswer.h"
#include "gameview/frmLane.h"

#include <QCoreApplication>

namespace {
const char *const kDebugPrompt = QT_TRANSLATE_NOOP("DebugBranch",
                                                   "0～10で倒した本数\r\n"
                                                   "-2でスプリット(１投目だけにしてね！）\r\n"
                                                   "-1で強制終了");
}  // namespace

void debugBranch(Game &game, frmLane &lane, const Dialogs &dialogs)
{
    ResetAimMarkers(lane);
    applyDebugAnswer(game, dialogs.inputBox(QCoreApplication::translate("DebugBranch", kDebugPrompt)));
    lane.refresh();
}
