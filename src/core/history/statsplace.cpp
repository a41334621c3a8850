// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "history/statsplace.h"

#include "platform/twips.h"
#include "score/sheetposition.h"
#include "settings/settings.h"

namespace {
const QString kStatsSection = QStringLiteral("STATS");
const QString kStatsLeftKey = QStringLiteral("LEFT");
const QString kStatsTopKey = QStringLiteral("TOP");
const QString kStatsWidthKey = QStringLiteral("WIDTH");
const QString kStatsHeightKey = QStringLiteral("HEIGHT");
const QString kStatsPageKey = QStringLiteral("PAGE");
}  // namespace

std::optional<QRect> readStatsRect(const Settings &settings)
{
    const auto place = SheetPosition::fromStored(settings.ReadIniValue(kStatsSection, kStatsLeftKey),
                                                 settings.ReadIniValue(kStatsSection, kStatsTopKey));
    const auto size = SheetPosition::fromStored(settings.ReadIniValue(kStatsSection, kStatsWidthKey),
                                                settings.ReadIniValue(kStatsSection, kStatsHeightKey));
    if (!place || !size || size->twips().x() <= 0 || size->twips().y() <= 0)
        return std::nullopt;
    const QPoint extent = size->pixels();
    return QRect(place->pixels(), QSize(extent.x(), extent.y()));
}

void writeStatsRect(Settings &settings, const QRect &pixels)
{
    const auto twips = [](int value) { return QString::number(value * kTwipsPerPixel); };
    settings.WriteIniValue(kStatsSection, kStatsLeftKey, twips(pixels.x()));
    settings.WriteIniValue(kStatsSection, kStatsTopKey, twips(pixels.y()));
    settings.WriteIniValue(kStatsSection, kStatsWidthKey, twips(pixels.width()));
    settings.WriteIniValue(kStatsSection, kStatsHeightKey, twips(pixels.height()));
}

int readStatsPage(const Settings &settings, int pages)
{
    bool ok = false;
    const int page = settings.ReadIniValue(kStatsSection, kStatsPageKey).toInt(&ok);
    return ok && page >= 0 && page < pages ? page : 0;
}

void writeStatsPage(Settings &settings, int page)
{
    settings.WriteIniValue(kStatsSection, kStatsPageKey, QString::number(page));
}
