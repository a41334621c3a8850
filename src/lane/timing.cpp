#include "lane/timing.h"

#include "game/gamevars.h"
#include "platform/clock.h"
#include "platform/eventpump.h"

void Wait(int milliseconds)
{
    if (DebugMode == kTrue)
        return;
    ProcessEventsUntil(GetTickCount() + milliseconds);
}
