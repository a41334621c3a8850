// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "score/recordcheck.h"

#include "score/scorerecord.h"

namespace {
constexpr int kEarlyFrameSlots = 2;

// The frame and ball (1-based) of slot `position`.
std::pair<int, int> frameBall(int position)
{
    if (position > (kFrames - 1) * kEarlyFrameSlots)
        return {kFrames, position - (kFrames - 1) * kEarlyFrameSlots};
    return {(position + 1) / kEarlyFrameSlots, position % kEarlyFrameSlots == 1 ? 1 : 2};
}
}  // namespace

bool isWrittenGame(const QString &record, const QString &marks)
{
    if (record.size() > kRecordSlots || marks.size() != record.size())
        return false;
    QString score, split;
    bool fresh = true;
    int standing = kPinsPerRack;
    bool over = false;
    while (!over) {
        const int position = int(score.size()) + 1;
        if (position > record.size())
            return false;
        const auto [frame, ball] = frameBall(position);
        const int felled = GetThrowPins(record, frame, ball);
        if (felled < 0 || felled > standing)
            return false;
        ThrowResult thrown;
        thrown.firstBall = fresh;
        thrown.gutter = record.at(position - 1) == kGutterChar;
        thrown.felled = felled;
        thrown.allDown = felled == standing;
        thrown.split = marks.at(position - 1) == kSplitChar;
        over = appendThrow(score, split, thrown);
        fresh = !fresh || thrown.allDown;
        standing = fresh ? kPinsPerRack : standing - felled;
    }
    return score == record && split == marks;
}
