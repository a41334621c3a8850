#include "lane/screenmetrics.h"

#include "platform/screen.h"

int ScreenHeightTwips()
{
    const QRect usable = PrimaryAvailableRect();
    return PixelsToTwips(usable.y() + usable.height());
}
