// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "desktop/fonts.h"

#include <QStringList>
#include <cmath>

namespace {
struct Substitution
{
    const QString &family;
    QStringList replacements;
};
constexpr double kDesignDpi = 96.0;
constexpr double kPointsPerInch = 72.0;
constexpr double kTextPoints = 9;
}  // namespace

void installFontSubstitutions()
{
    const Substitution table[] = {
        {kPGothic, {"MS PGothic", "IPAPGothic", "VL PGothic", "Noto Sans CJK JP"}},
        {kGothic, {"MS Gothic", "IPAGothic"}},
        {kPMincho, {"MS PMincho", "IPAPMincho"}},
        {kTimes, {"Liberation Serif"}},
    };
    for (const auto &s : table)
        QFont::insertSubstitutions(s.family, s.replacements);
}

QFont gameFont(const QString &family, double points, bool bold)
{
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * kDesignDpi / kPointsPerInch)));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont textFont() { return gameFont(kPGothic, kTextPoints); }
