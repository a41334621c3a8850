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
    const int length = int(record.size());
    if (length > kRecordSlots || marks.size() != length)
        return false;
    bool fresh = true;
    int standing = kPinsPerRack;
    for (int position = 1;;) {
        if (position > length)
            return false;
        const auto [frame, ball] = frameBall(position);
        ThrowResult thrown;
        thrown.firstBall = fresh;
        thrown.gutter = record.at(position - 1) == kGutterChar;
        thrown.felled = GetThrowPins(record, frame, ball);
        thrown.allDown = thrown.felled == standing;
        if (thrown.felled < 0 || thrown.felled > standing ||
            recordCharFor(thrown, position - 1) != record.at(position - 1))
            return false;
        const bool cleared = thrown.allDown && !thrown.gutter;
        // A circle only under a first ball that left pins, as appendThrow writes it.
        if (marks.at(position - 1) != kBlankChar &&
            (marks.at(position - 1) != kSplitChar || !fresh || cleared))
            return false;
        if (fresh && cleared && frame < kFrames) {
            if (position >= length || record.at(position) != kBlankChar || marks.at(position) != kBlankChar)
                return false;
            ++position;
        }
        if (gameOverAfter(QStringView(record).left(position)))
            return position == length;
        fresh = !fresh || cleared;
        standing = fresh ? kPinsPerRack : standing - thrown.felled;
        ++position;
    }
}
