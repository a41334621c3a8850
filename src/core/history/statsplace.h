// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QRect>
#include <QString>
#include <optional>

// The statistics window's place and size, stored in section STATS as LEFT,
// TOP, WIDTH and HEIGHT in twips, as the score sheet's place is.
inline const QString kStatsSection = QStringLiteral("STATS");
inline const QString kStatsLeftKey = QStringLiteral("LEFT");
inline const QString kStatsTopKey = QStringLiteral("TOP");
inline const QString kStatsWidthKey = QStringLiteral("WIDTH");
inline const QString kStatsHeightKey = QStringLiteral("HEIGHT");

// The stored rectangle in twips: empty when LEFT is missing or the size is
// not positive. Values read as the score sheet's place does.
std::optional<QRect> StoredStatsRect(const QString &left, const QString &top, const QString &width,
                                     const QString &height);
