// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "score/notation.h"

#include "score/scorerecord.h"

namespace {
constexpr char16_t kCircledOne = u'\u2460';  // ①; ② … ⑨ follow it
constexpr int kEarlyFrameSlots = 2;

QChar bowlerChar(QChar c, bool split)
{
    if (c == kStrikeChar)
        return u'X';
    if (c == kSpareChar)
        return u'/';
    if (split && c >= u'1' && c <= u'9')
        return QChar(char16_t(kCircledOne + (c.unicode() - u'1')));
    return c;
}
}  // namespace

QString bowlerNotation(const QString &record, const QString &marks)
{
    QString written;
    for (int i = 0; i < record.size(); ++i) {
        if (i > 0 && i % kEarlyFrameSlots == 0 && i < kRecordSlots - 1)
            written += u' ';
        if (record.at(i) != kBlankChar)
            written += bowlerChar(record.at(i), i < marks.size() && marks.at(i) == kSplitChar);
    }
    return written;
}
