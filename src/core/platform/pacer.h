// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QElapsedTimer>
#include <QTimer>
#include <QtGlobal>
#include <functional>
#include <memory>

class QSocketNotifier;

// The game's sense of time: a millisecond tick count and the handling of
// window events until a deadline. Nothing here spins: whenever there is time
// left and nothing to do it blocks in the event dispatcher, which a wake-up
// timer releases at the deadline. One Pacer serves the whole program.
//
// The tick count is whole milliseconds, but a deadline is the moment that
// count is reached: the wait measures it in nanoseconds and its wake-up
// timer (a Linux timerfd) has nanosecond resolution, so a pass ends at its
// deadline rather than up to a millisecond after it.
class Pacer
{
public:
    Pacer();
    ~Pacer();
    Pacer(const Pacer &) = delete;
    Pacer &operator=(const Pacer &) = delete;

    // Milliseconds on a monotonic clock, 64-bit so it never wraps.
    qint64 GetTickCount() const;
    // Ticks come from `source` instead (tests); an empty function restores
    // the real clock.
    void setTickSource(std::function<qint64()> source) { source_ = std::move(source); }

    // Handles pending events at least once, then keeps handling events until
    // the tick count reaches `deadline`.
    void processEventsUntil(qint64 deadline);

    // Handles the events already pending or, when there are none, blocks
    // until one arrives and handles it. Used where the game rests until the
    // player does something.
    void waitForEvent();

private:
    // Blocks in the dispatcher for at most `nanoseconds`.
    void blockFor(qint64 nanoseconds);

    QElapsedTimer monotonic_;
    std::function<qint64()> source_;
    QTimer wake_;  // without a timerfd, and for test ticks: releases the dispatcher at a deadline
    int wakeFd_ = -1;
    std::unique_ptr<QSocketNotifier> wakeNotifier_;
};
