// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "history/rackstarts.h"

#include <algorithm>

namespace {
constexpr int kTenthBalls = 3;
constexpr int kSplitAnswerCount = 8;  // the typed split answer fells eight pins

int slotIndex(int frame, int ball) { return (frame - 1) * 2 + ball; }

bool splitAt(const QString &marks, int position)
{
    return position <= marks.size() && marks.at(position - 1) == kSplitChar;
}

RackStart Start(const QString &record, const QString &marks, int frame, int ball, int felled, int next)
{
    RackStart r;
    r.position = slotIndex(frame, ball);
    r.frame = frame;
    r.felled = felled;
    r.second = felled == kPinsPerRack ? -1 : next;
    r.gutter = record.at(r.position - 1) == kGutterChar;
    r.split = splitAt(marks, r.position);
    return r;
}
}  // namespace

QVector<RackStart> rackStarts(const QString &record, const QString &marks)
{
    QVector<RackStart> racks;
    for (int frame = 1; frame < kFrames; ++frame) {
        const int first = GetThrowPins(record, frame, 1);
        if (first < 0)
            return racks;
        racks.append(Start(record, marks, frame, 1, first, GetThrowPins(record, frame, 2)));
    }
    // The tenth frame: a strike leaves a fresh rack for the next ball, and so
    // does the ball after one that did not strike, whatever it felled (a
    // third ball is only thrown when it cleared the rack).
    bool fresh = true;
    for (int ball = 1; ball <= kTenthBalls; ++ball) {
        const int felled = GetThrowPins(record, kFrames, ball);
        if (felled < 0)
            break;
        if (fresh) {
            const int next = ball < kTenthBalls ? GetThrowPins(record, kFrames, ball + 1) : -1;
            racks.append(Start(record, marks, kFrames, ball, felled, next));
        }
        fresh = !fresh || felled == kPinsPerRack;
    }
    return racks;
}

int countOpenFrames(const QString &record)
{
    int open = 0;
    for (int frame = 1; frame <= kFrames; ++frame) {
        const int first = GetThrowPins(record, frame, 1);
        const int second = GetThrowPins(record, frame, 2);
        if (first >= 0 && first < kPinsPerRack && second >= 0 && first + second < kPinsPerRack)
            ++open;
    }
    return open;
}

StrikeRuns strikeRuns(const QVector<RackStart> &racks)
{
    constexpr int kTurkey = 3;
    StrikeRuns runs;
    int run = 0;
    for (const RackStart &rack : racks) {
        run = rack.strike() ? run + 1 : 0;
        runs.longest = std::max(runs.longest, run);
        runs.turkeys += run == kTurkey;
    }
    return runs;
}

QVector<int> fillBalls(const QString &record)
{
    const int first = GetThrowPins(record, kFrames, 1);
    const int second = GetThrowPins(record, kFrames, 2);
    const int third = GetThrowPins(record, kFrames, 3);
    if (first == kPinsPerRack && second >= 0 && third >= 0)
        return {second, third};
    if (first >= 0 && second >= 0 && first + second == kPinsPerRack && third >= 0)
        return {third};
    return {};
}

std::optional<PinSet> knownLeave(const RackStart &rack, bool typed)
{
    if (rack.strike())
        return std::nullopt;
    PinSet standing;
    if (rack.felled == 0)
        return standing.set();
    if (!typed || rack.felled == kSplitAnswerCount)
        return std::nullopt;
    for (int pin = rack.felled + 1; pin <= kPinsPerRack; ++pin)
        standing.set(pin - 1);
    return standing;
}

std::optional<PinSet> storedLeave(const QString &leaves, int racks, int index)
{
    if (leaves.size() != racks * kPinsPerRack || index < 0 || index >= racks)
        return std::nullopt;
    PinSet standing;
    for (int pin = 0; pin < kPinsPerRack; ++pin) {
        const QChar c = leaves.at(index * kPinsPerRack + pin);
        if (c != u'0' && c != u'1')
            return std::nullopt;
        standing.set(pin, c == u'1');
    }
    return standing;
}
