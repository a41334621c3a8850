// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "lane/framelabel.h"

#include "score/scorerecord.h"

namespace {
constexpr int kBallsPerFrame = 2;
constexpr int kLabelDigits = 2;
const QString kFrameLabelPrefix = QStringLiteral("F-");
}  // namespace

QString frameLabelFor(const QString &szScore)
{
    const int frame = qMin(static_cast<int>(szScore.size()) / kBallsPerFrame + 1, kFrames);
    return kFrameLabelPrefix + QStringLiteral("%1").arg(frame, kLabelDigits, 10, QLatin1Char('0'));
}
