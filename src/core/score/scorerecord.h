// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>
#include <QtGlobal>

// The throw record and its split marks.
//
// szScore holds one character per throw slot: frame k (1..9) uses positions
// 2k-1 and 2k, the tenth frame positions 19, 20 and 21 (1-based). A strike in
// frames 1..9 is "! " (the blank fills the unthrown second slot); in the tenth
// frame it is a single "!". "*" is a spare, "G" a first-ball gutter, "-" a
// ball that felled nothing, "1".."9" a count. szSprit has the same length and
// holds "O" under every first ball that left a split, " " elsewhere.
//
// Reading is total: any text is a record. Only positions 1..21 are ever read;
// a character outside the table reads as its digit value, or 0.

constexpr int kFrames = 10;
constexpr int kPinsPerRack = 10;
constexpr int kRecordSlots = 21;     // positions 1..21; nothing beyond is read
constexpr int kTenthFrameFrom = 18;  // a record at least this long is in the tenth frame
constexpr int kTotalDigits = 3;      // each cumulative total in the totals string

constexpr QChar kStrikeChar = u'!';
constexpr QChar kSpareChar = u'*';
constexpr QChar kGutterChar = u'G';
constexpr QChar kMissChar = u'-';
constexpr QChar kBlankChar = u' ';
constexpr QChar kSplitChar = u'O';

// Pins felled by ball `ball` (1..3) of frame `frame` (1..10): 0..10, or -1
// when the record does not reach that position yet or the frame has no such
// ball (ball 3 exists only in frame 10). "!" reads 10; "*" reads 10 minus the frame's first ball
// (so 10 after "!", "-" or "G", and also at a first-ball position).
int GetThrowPins(const QString &szScore, int frame, int ball);

// The cumulative total after every finished frame, three digits each with
// leading zeros, up to but not including the first frame whose total cannot
// be known yet. Every frame is worth 0..30 whatever the record holds, so each
// total stays within "000".."300".
QString CalcFrameTotals(const QString &szScore);

// What the throw sequence knows about a ball once it has left the lane.
struct ThrowResult
{
    bool firstBall = true;  // thrown at a fresh rack
    bool gutter = false;    // left the lane sideways
    bool allDown = false;   // strike flag set, or no pin of the rack left standing
    int felled = 0;         // pins felled by this ball
    bool split = false;     // first ball only: the split test reported a split
};

// The mark the pin board flashes for a ball; the values are the pin board's
// picture indexes.
enum class PinMark : int { None = 0, Spare = 1, Strike = 2 };

// True once the record is complete: 21 characters, or 20 when position 19 is
// not a strike and position 20 not a spare. Longer records count as complete.
bool gameOverAfter(QStringView szScore);

// Appends one ball to both strings (szSprit first brought to szScore's
// length) and returns whether the game is over afterwards. Every ball adds
// exactly one slot, two for a strike in frames 1..9, so a finished record is
// always 20 or 21 characters long. A ball offered to a finished record is
// ignored. When `mark` is given it receives the pin board mark of this ball:
// Strike for "!", Spare for "*", None otherwise.
//
// The tenth frame's third ball is written as its count even when it clears
// the rack, except when it fells all ten pins of a fresh second rack (after
// "!" and a ball that felled nothing): that ball is written "*", which reads
// 10 there because the frame's first ball is "!", and is shown as a spare.
bool appendThrow(QString &szScore, QString &szSprit, const ThrowResult &ball, PinMark *mark = nullptr);

// The character appendThrow writes for `ball` into a record `lengthBefore`
// characters long (for a strike in frames 1..9, the first of its two).
QChar recordCharFor(const ThrowResult &ball, int lengthBefore);

// The mark of the last ball written: the last character that is not a blank.
PinMark lastThrowMark(const QString &szScore);
