#include "platform/eventpump.h"

#include "platform/clock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

namespace {
constexpr auto kAllEvents = QEventLoop::AllEvents;
constexpr auto kBlocking = QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents;

// The game never enters QCoreApplication::exec(), so objects scheduled for
// deletion with deleteLater() are released here.
void handleOnce(QEventLoop::ProcessEventsFlags flags)
{
    QCoreApplication::processEvents(flags);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A timer whose only job is to wake the dispatcher at a deadline.
QTimer &wakeTimer()
{
    static QTimer *timer = [] {
        auto *t = new QTimer(QCoreApplication::instance());
        t->setSingleShot(true);
        t->setTimerType(Qt::PreciseTimer);
        return t;
    }();
    return *timer;
}
}  // namespace

void ProcessEventsUntil(qint64 deadline)
{
    handleOnce(kAllEvents);
    for (;;) {
        const qint64 now = GetTickCount();
        if (now >= deadline)
            break;
        const qint64 left = deadline - now;
        wakeTimer().start(static_cast<int>(qMin<qint64>(left, 1 << 30)));
        handleOnce(kBlocking);
    }
    wakeTimer().stop();
}

// One blocking round only: it handles whatever is already pending without
// waiting, and waits only when nothing is. A non-blocking round first could
// handle the very click the caller rests for and then block on top of it.
void WaitForEvent() { handleOnce(kBlocking); }
