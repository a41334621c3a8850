// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "platform/screenfit.h"

#include <algorithm>

QRect fittedInto(const QRect &rect, const QRect &area)
{
    if (area.isEmpty())
        return rect;
    const QSize size = rect.size().boundedTo(area.size());
    const int x = std::clamp(rect.x(), area.x(), area.x() + area.width() - size.width());
    const int y = std::clamp(rect.y(), area.y(), area.y() + area.height() - size.height());
    return QRect(QPoint(x, y), size);
}

QRect clientFittedInto(const QRect &client, const QMargins &frame, const QRect &area)
{
    return fittedInto(client.marginsAdded(frame), area).marginsRemoved(frame);
}
