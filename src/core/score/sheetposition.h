// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QPoint>
#include <QString>
#include <optional>

// The score sheet's place is stored as LEFT and TOP in section SCOREBOARD,
// in twips.
inline const QString kSheetSection = QStringLiteral("SCOREBOARD");
inline const QString kSheetLeftKey = QStringLiteral("LEFT");
inline const QString kSheetTopKey = QStringLiteral("TOP");

// The stored place as read from the two values: empty when no LEFT is
// stored. Each value reads as its leading number rounded; anything that is
// no finite number reads 0, and a huge one is held far off any screen but
// safe to convert to pixels.
std::optional<QPoint> StoredSheetPosition(const QString &left, const QString &top);
