// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>
#include <optional>

// Leading-number parse used wherever the game reads a number out of text
// (settings values, typed-in results, stored scores): leading blanks are
// skipped, then an optional sign, digits, an optional fraction and an
// optional exponent are taken; whatever follows is ignored. Text that does
// not start with a number reads as 0.
double leadingNumber(const QString &text);

// Rounds half to even and narrows to a signed 16-bit integer; empty when the
// rounded value does not fit.
std::optional<qint16> RoundToInt16(double value);

// The value of one character of a record: its digit value for '0'..'9',
// 0 for anything else.
inline int charValue(QChar c) { return (c >= u'0' && c <= u'9') ? c.unicode() - u'0' : 0; }
