// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "desktop/regionmask.h"

#include <QWidget>

QRegion regionFromRects(const std::vector<QRect> &rects)
{
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

bool setWindowRegion(QWidget *window, const QRegion &region)
{
    if (!window || region.isEmpty())
        return false;
    window->setMask(region);
    return true;
}
