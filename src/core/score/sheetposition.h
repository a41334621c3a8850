// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QPoint>
#include <QString>
#include <optional>

class Settings;

// The score sheet's place: stored as LEFT and TOP in section SCOREBOARD, in
// twips, and seen by the windows in logical pixels. A place read from the
// file keeps its twips, so writing it back leaves the file as it was.
class SheetPosition
{
public:
    static SheetPosition atPixels(const QPoint &pixels);
    // The stored place as read from the two values: empty when no LEFT is
    // stored. Each value reads as its leading number rounded; anything that
    // is no finite number reads 0, and a huge one is held far off any screen
    // but safe to convert to pixels.
    static std::optional<SheetPosition> fromStored(const QString &left, const QString &top);

    QPoint pixels() const;
    QPoint twips() const { return twips_; }

private:
    explicit SheetPosition(const QPoint &twips) : twips_(twips) {}
    QPoint twips_;
};

// The place KVZ.ini holds, and storing one there (both values).
std::optional<SheetPosition> readSheetPosition(const Settings &settings);
void writeSheetPosition(Settings &settings, const SheetPosition &place);
