// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "score/sheetposition.h"

#include "platform/numparse.h"
#include "platform/twips.h"
#include "settings/settings.h"

#include <QtGlobal>
#include <cmath>

namespace {
const QString kSheetSection = QStringLiteral("SCOREBOARD");
const QString kSheetLeftKey = QStringLiteral("LEFT");
const QString kSheetTopKey = QStringLiteral("TOP");
constexpr double kMaxStoredTwips = 1 << 24;

double storedTwips(const QString &text)
{
    const double v = leadingNumber(text);
    if (!std::isfinite(v))
        return 0;
    return qBound(-kMaxStoredTwips, v, kMaxStoredTwips);
}
}  // namespace

SheetPosition SheetPosition::atPixels(const QPoint &pixels)
{
    return SheetPosition(pixels * kTwipsPerPixel);
}

std::optional<SheetPosition> SheetPosition::fromStored(const QString &left, const QString &top)
{
    if (left.isEmpty())
        return std::nullopt;
    return SheetPosition(QPoint(qRound(storedTwips(left)), qRound(storedTwips(top))));
}

QPoint SheetPosition::pixels() const { return fromTwips(twips_); }

std::optional<SheetPosition> readSheetPosition(const Settings &settings)
{
    return SheetPosition::fromStored(settings.ReadIniValue(kSheetSection, kSheetLeftKey),
                                     settings.ReadIniValue(kSheetSection, kSheetTopKey));
}

void writeSheetPosition(Settings &settings, const SheetPosition &place)
{
    settings.WriteIniValue(kSheetSection, kSheetLeftKey, QString::number(place.twips().x()));
    settings.WriteIniValue(kSheetSection, kSheetTopKey, QString::number(place.twips().y()));
}
