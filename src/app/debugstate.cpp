// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
// Debug mode: the result of every ball is typed in instead of rolled.

#include "branches.h"
#include "gamewindows.h"

#include "game/debuganswer.h"

#include <QCoreApplication>

namespace {
const char *const kDebugPrompt = QT_TRANSLATE_NOOP("DebugBranch",
                                                   "0～10で倒した本数\r\n"
                                                   "-2でスプリット(１投目だけにしてね！）\r\n"
                                                   "-1で強制終了");
}  // namespace

void DebugBranch(GameWindows &w)
{
    ResetAimMarkers(w);
    ApplyDebugAnswer(w.game(),
                     w.dialogs().InputBox(QCoreApplication::translate("DebugBranch", kDebugPrompt)));
    w.lane().refresh();
}
