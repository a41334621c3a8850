// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "history/rackstarts.h"

#include <QVector>
#include <array>

// One leave: the pins a first ball left standing, how often, and how often
// the next ball cleared them.
struct LeaveRow
{
    PinSet pins;
    int left = 0;
    int converted = 0;
    bool split = false;  // the sheet circled it as a split

    double share() const { return left == 0 ? 0.0 : double(converted) / left; }
};

// The standing pins as bowlers write them: "3-6-10", "10".
QString leaveText(const PinSet &pins);

// Every leave met, counted as racks are added.
class LeaveTable
{
public:
    void add(const PinSet &pins, bool split, bool converted);
    // Most often left first; equally often, fewer pins first, then by pin
    // numbers.
    QVector<LeaveRow> rows() const;

private:
    std::array<LeaveRow, 1 << kPinsPerRack> rows_{};  // by the pins' bits
};
