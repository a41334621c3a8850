// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "history/statsplace.h"

#include "score/sheetposition.h"

std::optional<QRect> StoredStatsRect(const QString &left, const QString &top, const QString &width,
                                     const QString &height)
{
    const auto place = StoredSheetPosition(left, top);
    const auto size = StoredSheetPosition(width, height);
    if (!place || !size || size->x() <= 0 || size->y() <= 0)
        return std::nullopt;
    return QRect(*place, QSize(size->x(), size->y()));
}
