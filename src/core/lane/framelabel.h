// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>

// The pin board's frame label for the ball about to be thrown: "F-01" ..
// "F-10"; the tenth frame's third ball still shows "F-10".
QString frameLabelFor(const QString &szScore);
