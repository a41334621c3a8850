// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "platform/random.h"

#include <QTime>

double Random::rnd()
{
    if (source_)
        return source_();
    std::uniform_real_distribution<double> dist(0.0, 1.0);
    return dist(engine_);
}

void Random::seedFromTimeOfDay()
{
    setSeed(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));
}
