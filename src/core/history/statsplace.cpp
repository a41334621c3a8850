// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "history/statsplace.h"

#include "score/sheetposition.h"

std::optional<QRect> StoredStatsRect(const QString &left, const QString &top, const QString &width,
                                     const QString &height)
{
    const auto place = SheetPosition::fromStored(left, top);
    const auto size = SheetPosition::fromStored(width, height);
    if (!place || !size || size->twips().x() <= 0 || size->twips().y() <= 0)
        return std::nullopt;
    return QRect(place->twips(), QSize(size->twips().x(), size->twips().y()));
}
