// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "platform/pacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QSocketNotifier>

#include <sys/timerfd.h>
#include <unistd.h>

namespace {
constexpr auto kAllEvents = QEventLoop::AllEvents;
constexpr auto kBlocking = QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents;
constexpr qint64 kLongestWake = 1 << 30;  // ms, within the timer's int range
constexpr qint64 kNsPerMs = 1000000;
constexpr qint64 kNsPerSecond = 1000000000;

// The game never enters QCoreApplication::exec(), so objects scheduled for
// deletion with deleteLater() are released here.
void handleOnce(QEventLoop::ProcessEventsFlags flags)
{
    QCoreApplication::processEvents(flags);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
}  // namespace

Pacer::Pacer()
{
    monotonic_.start();
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    wakeFd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (wakeFd_ >= 0) {
        wakeNotifier_ = std::make_unique<QSocketNotifier>(wakeFd_, QSocketNotifier::Read);
        QObject::connect(wakeNotifier_.get(), &QSocketNotifier::activated, [this] {
            quint64 expirations = 0;
            [[maybe_unused]] const ssize_t n = read(wakeFd_, &expirations, sizeof expirations);
        });
    }
}

Pacer::~Pacer()
{
    wakeNotifier_.reset();
    if (wakeFd_ >= 0)
        close(wakeFd_);
}

qint64 Pacer::GetTickCount() const { return source_ ? source_() : monotonic_.elapsed(); }

void Pacer::processEventsUntil(qint64 deadline)
{
    handleOnce(kAllEvents);
    if (source_) {
        for (qint64 now = GetTickCount(); now < deadline; now = GetTickCount()) {
            wake_.start(static_cast<int>(qMin(deadline - now, kLongestWake)));
            handleOnce(kBlocking);
        }
        wake_.stop();
        return;
    }
    const qint64 deadlineNs = deadline * kNsPerMs;
    for (qint64 now = monotonic_.nsecsElapsed(); now < deadlineNs; now = monotonic_.nsecsElapsed())
        blockFor(deadlineNs - now);
    wake_.stop();
}

void Pacer::blockFor(qint64 nanoseconds)
{
    if (wakeFd_ < 0) {
        // Rounded up: waking early would only block once more.
        wake_.start(static_cast<int>(qMin((nanoseconds + kNsPerMs - 1) / kNsPerMs, kLongestWake)));
        handleOnce(kBlocking);
        return;
    }
    itimerspec at{};
    at.it_value.tv_sec = static_cast<time_t>(nanoseconds / kNsPerSecond);
    at.it_value.tv_nsec = static_cast<long>(nanoseconds % kNsPerSecond);
    timerfd_settime(wakeFd_, 0, &at, nullptr);
    handleOnce(kBlocking);
    const itimerspec off{};
    timerfd_settime(wakeFd_, 0, &off, nullptr);
}

// One blocking round only: it handles whatever is already pending without
// waiting, and waits only when nothing is. A non-blocking round first could
// handle the very click the caller rests for and then block on top of it.
void Pacer::waitForEvent() { handleOnce(kBlocking); }
