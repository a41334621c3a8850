// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QFont>
#include <QString>

// Font families named by the game's layout, mapped at start-up to fonts a
// Linux desktop has (IPA and Liberation fonts are installed with the game).
inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString kPMincho = QStringLiteral("ＭＳ Ｐ明朝");
inline const QString kTimes = QStringLiteral("Times New Roman");

void installFontSubstitutions();

// A font of the layout, sized in points at the classic 96 dots per inch so
// that text fits the pixel layout whatever the desktop's own setting.
QFont gameFont(const QString &family, double points, bool bold = false);

// The font of the pop-up menu and the typed-in box, whose lines mix Japanese
// with digits: a Japanese font with Latin letters and digits of its own, so
// that no fallback font of another look draws the digits of a line.
QFont textFont();
