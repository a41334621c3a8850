// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "score/sheetposition.h"

#include "platform/numparse.h"

#include <QtGlobal>
#include <cmath>

namespace {
constexpr double kMaxStoredTwips = 1 << 24;

double StoredTwips(const QString &text)
{
    const double v = LeadingNumber(text);
    if (!std::isfinite(v))
        return 0;
    return qBound(-kMaxStoredTwips, v, kMaxStoredTwips);
}
}  // namespace

std::optional<QPoint> StoredSheetPosition(const QString &left, const QString &top)
{
    if (left.isEmpty())
        return std::nullopt;
    return QPoint(qRound(StoredTwips(left)), qRound(StoredTwips(top)));
}
