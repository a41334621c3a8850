// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "score/scorerecord.h"

#include "platform/numparse.h"

#include <array>

namespace {

// 1-based slot of ball `ball` in frame `frame`, or 0 for a ball the frame
// does not have.
int slotPosition(int frame, int ball)
{
    const int balls = frame == kFrames ? 3 : 2;
    if (frame < 1 || frame > kFrames || ball < 1 || ball > balls)
        return 0;
    return (frame - 1) * 2 + ball;
}

int slotValue(const QString &s, int position) { return charValue(s.at(position - 1)); }

// The single character for a count on a ball that does not clear the rack.
// Such a ball fells at most nine pins; anything larger from a confused caller
// is held to nine so that the ball still takes exactly one slot.
QChar countChar(int felled)
{
    if (felled <= 0)
        return kMissChar;
    return QChar(u'0' + qMin(felled, kPinsPerRack - 1));
}

QChar scoreCharFor(const ThrowResult &ball, bool allDown, int lengthBefore)
{
    if (ball.gutter)
        return ball.firstBall ? kGutterChar : kMissChar;
    if (ball.firstBall)
        return allDown ? kStrikeChar : countChar(ball.felled);
    if (!allDown)
        return countChar(ball.felled);
    // A cleared second rack: "*" up to position 20; at 21 the digit of the
    // count, "0" too when no pin stood, unless it is all ten pins, which only
    // "*" can hold in one slot there.
    if (lengthBefore < kRecordSlots - 1 || ball.felled >= kPinsPerRack)
        return kSpareChar;
    return QChar(u'0' + qMax(ball.felled, 0));
}

}  // namespace

int GetThrowPins(const QString &szScore, int frame, int ball)
{
    const int p = slotPosition(frame, ball);
    if (p < 1 || szScore.size() < p)
        return -1;
    const QChar c = szScore.at(p - 1);
    if (c == kStrikeChar)
        return kPinsPerRack;
    if (c == kSpareChar)
        return kPinsPerRack - slotValue(szScore, slotPosition(frame, 1));
    return slotValue(szScore, p);
}

QString CalcFrameTotals(const QString &szScore)
{
    const auto pins = [&szScore](int k, int t) { return int(GetThrowPins(szScore, k, t)); };
    constexpr int kNotThrown = -1;
    std::array<qint16, kFrames + 1> total{};
    QString out;

    for (int k = 1; k <= kFrames; ++k) {
        const int first = pins(k, 1);
        if (first == kNotThrown)
            break;
        int frameScore = 0;
        if (k == kFrames) {
            const int second = pins(k, 2);
            const int third = pins(k, 3);
            if (second == kNotThrown || (first + second >= kPinsPerRack && third == kNotThrown))
                break;
            frameScore = first + second + qMax(third, 0);
        } else if (first == kPinsPerRack) {
            const int next = pins(k + 1, 1);
            if (next == kNotThrown)
                break;
            // After a second strike the bonus reaches the frame after that,
            // except in frame 9 where the tenth frame holds both bonus balls.
            const int secondBonus = next == kPinsPerRack && k < kFrames - 1 ? pins(k + 2, 1)
                                                                            : pins(k + 1, 2);
            if (secondBonus == kNotThrown)
                break;
            frameScore = kPinsPerRack + next + secondBonus;
        } else {
            const int second = pins(k, 2);
            if (second == kNotThrown)
                break;
            frameScore = first + second;
            if (frameScore == kPinsPerRack) {
                const int next = pins(k + 1, 1);
                if (next == kNotThrown)
                    break;
                frameScore += next;
            }
        }
        total[k] = qint16(total[k - 1] + frameScore);
        out += QStringLiteral("%1").arg(total[k], kTotalDigits, 10, QChar(u'0'));
    }
    return out;
}

bool gameOverAfter(QStringView szScore)
{
    const int n = szScore.size();
    if (n >= kRecordSlots)
        return true;
    return n == kRecordSlots - 1 && szScore.at(kRecordSlots - 3) != kStrikeChar &&
           szScore.at(kRecordSlots - 2) != kSpareChar;
}

bool appendThrow(QString &szScore, QString &szSprit, const ThrowResult &ball, PinMark *mark)
{
    if (mark)
        *mark = PinMark::None;
    const int lengthBefore = int(szScore.size());
    if (szSprit.size() != lengthBefore)
        szSprit = szSprit.leftJustified(lengthBefore, kBlankChar, true);
    if (gameOverAfter(szScore))
        return true;

    // A gutter ball is recorded as a gutter ball whatever fell before it left
    // the lane (even a sure strike), so it never clears the rack: read as a
    // strike it would put two split marks against its one score character.
    const bool allDown = ball.allDown && !ball.gutter;
    const bool strikeInEarlyFrame = ball.firstBall && allDown && lengthBefore < kTenthFrameFrom;

    if (ball.firstBall && !allDown && ball.split)
        szSprit += kSplitChar;
    else
        szSprit += kBlankChar;
    if (strikeInEarlyFrame)
        szSprit += kBlankChar;

    const QChar c = scoreCharFor(ball, allDown, lengthBefore);
    szScore += c;
    if (strikeInEarlyFrame)
        szScore += kBlankChar;

    if (mark)
        *mark = c == kStrikeChar ? PinMark::Strike : c == kSpareChar ? PinMark::Spare : PinMark::None;
    return gameOverAfter(szScore);
}

QChar recordCharFor(const ThrowResult &ball, int lengthBefore)
{
    return scoreCharFor(ball, ball.allDown && !ball.gutter, lengthBefore);
}

PinMark lastThrowMark(const QString &szScore)
{
    for (auto i = szScore.size(); i > 0; --i) {
        const QChar c = szScore.at(i - 1);
        if (c == kBlankChar)
            continue;
        return c == kStrikeChar ? PinMark::Strike : c == kSpareChar ? PinMark::Spare : PinMark::None;
    }
    return PinMark::None;
}
