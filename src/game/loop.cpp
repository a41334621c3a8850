#include "game/loop.h"

#include "game/gamevars.h"
#include "platform/clock.h"
#include "platform/eventpump.h"

int DispatchIndex(const QString &state)
{
    for (size_t i = 0; i < kDispatchOrder.size(); ++i)
        if (state == QLatin1String(kDispatchOrder[i]))
            return static_cast<int>(i);
    return -1;
}

bool RunPass(const BranchTable &branches)
{
    if (GameState == State::End)
        return false;
    const qint64 t0 = GetTickCount();
    const QString state = GameState;
    const int index = DispatchIndex(state);
    if (index >= 0 && branches[index])
        branches[index]();
    ProcessEventsUntil(t0 + LoopDelay);
    // Resting: nothing will happen until the player does something, so block
    // rather than pass again. Any event ends the rest; the next pass looks.
    if (index < 0 && GameState == state)
        WaitForEvent();
    return true;
}

void RunLoop(const BranchTable &branches)
{
    while (RunPass(branches)) {
    }
}
