// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "platform/pacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>

namespace {
constexpr auto kAllEvents = QEventLoop::AllEvents;
constexpr auto kBlocking = QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents;
constexpr qint64 kLongestWake = 1 << 30;  // ms, within the timer's int range

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
}

qint64 Pacer::GetTickCount() const { return source_ ? source_() : monotonic_.elapsed(); }

void Pacer::ProcessEventsUntil(qint64 deadline)
{
    handleOnce(kAllEvents);
    for (;;) {
        const qint64 now = GetTickCount();
        if (now >= deadline)
            break;
        wake_.start(static_cast<int>(qMin(deadline - now, kLongestWake)));
        handleOnce(kBlocking);
    }
    wake_.stop();
}

// One blocking round only: it handles whatever is already pending without
// waiting, and waits only when nothing is. A non-blocking round first could
// handle the very click the caller rests for and then block on top of it.
void Pacer::WaitForEvent() { handleOnce(kBlocking); }
