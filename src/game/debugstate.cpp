// Debug mode: the result of every ball is typed in instead of rolled.

#include "game/branches.h"
#include "game/frmLane.h"
#include "game/gamevars.h"
#include "game/rules.h"
#include "platform/dialogs.h"

namespace {
const QString kDebugPrompt = QStringLiteral(
    "0～10で倒した本数\r\n"
    "-2でスプリット(１投目だけにしてね！）\r\n"
    "-1で強制終了");
}

void DebugBranch()
{
    ResetAimMarkers();
    ApplyDebugAnswer(InputBox(kDebugPrompt));
    LaneWindow()->refresh();
}
