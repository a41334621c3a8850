// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>

// A finished record written the way bowlers write it, frame by frame with a
// space between: "X" a strike, "/" a spare, "-" no pin, "G" a gutter, digits
// otherwise, and a split's count circled ("⑧") as the sheet circles it:
// "X 9/ ⑧1 9- … X9-". Meant for records isWrittenGame accepts.
QString bowlerNotation(const QString &record, const QString &marks);
