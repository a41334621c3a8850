// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "platform/numparse.h"

#include <cmath>
#include <limits>

double leadingNumber(const QString &text)
{
    const QByteArray s = text.toLatin1();
    int i = 0;
    const int n = s.size();
    while (i < n && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    const int start = i;
    if (i < n && (s[i] == '+' || s[i] == '-'))
        ++i;
    const int digitsFrom = i;
    while (i < n && std::isdigit(static_cast<unsigned char>(s[i])))
        ++i;
    bool any = i > digitsFrom;
    if (i < n && s[i] == '.') {
        const int fracFrom = ++i;
        while (i < n && std::isdigit(static_cast<unsigned char>(s[i])))
            ++i;
        any = any || i > fracFrom;
    }
    if (!any)
        return 0.0;
    int end = i;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        int j = i + 1;
        if (j < n && (s[j] == '+' || s[j] == '-'))
            ++j;
        const int expFrom = j;
        while (j < n && std::isdigit(static_cast<unsigned char>(s[j])))
            ++j;
        if (j > expFrom)
            end = j;
    }
    bool ok = false;
    const double v = QString::fromLatin1(s.mid(start, end - start)).toDouble(&ok);
    if (!ok)  // an exponent too large for a double
        return s[start] == '-' ? -std::numeric_limits<double>::infinity()
                               : std::numeric_limits<double>::infinity();
    return v;
}

std::optional<qint16> RoundToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = std::nearbyint(value);  // default rounding mode: half to even
    if (r < std::numeric_limits<qint16>::min() || r > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(r);
}
