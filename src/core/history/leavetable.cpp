// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "history/leavetable.h"

#include <QStringList>
#include <algorithm>
#include <iterator>

QString leaveText(const PinSet &pins)
{
    QStringList standing;
    for (int pin = 1; pin <= kPinsPerRack; ++pin)
        if (pins.test(pin - 1))
            standing << QString::number(pin);
    return standing.join(u'-');
}

void LeaveTable::add(const PinSet &pins, bool split, bool converted)
{
    LeaveRow &row = rows_[pins.to_ulong()];
    row.pins = pins;
    ++row.left;
    row.converted += converted;
    row.split = row.split || split;
}

QVector<LeaveRow> LeaveTable::rows() const
{
    QVector<LeaveRow> rows;
    std::copy_if(rows_.begin(), rows_.end(), std::back_inserter(rows),
                 [](const LeaveRow &r) { return r.left > 0; });
    // Pin 1 is bit 0, so a lower number lists lower pins first only when
    // read from pin 1 upwards: compare the reversed bits.
    const auto byPins = [](const PinSet &a, const PinSet &b) {
        for (int pin = 0; pin < kPinsPerRack; ++pin)
            if (a.test(pin) != b.test(pin))
                return a.test(pin);
        return false;
    };
    std::sort(rows.begin(), rows.end(), [&byPins](const LeaveRow &a, const LeaveRow &b) {
        if (a.left != b.left)
            return a.left > b.left;
        if (a.pins.count() != b.pins.count())
            return a.pins.count() < b.pins.count();
        return byPins(a.pins, b.pins);
    });
    return rows;
}
