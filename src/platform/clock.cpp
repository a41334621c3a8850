#include "platform/clock.h"

#include <QElapsedTimer>

namespace {
std::function<qint64()> &tickSource()
{
    static std::function<qint64()> source;
    return source;
}

qint64 monotonicMs()
{
    static QElapsedTimer timer = [] { QElapsedTimer t; t.start(); return t; }();
    return timer.elapsed();
}
}  // namespace

qint64 GetTickCount()
{
    const auto &source = tickSource();
    return source ? source() : monotonicMs();
}

void SetTickSource(std::function<qint64()> source) { tickSource() = std::move(source); }
