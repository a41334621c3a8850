#include "platform/random.h"

#include <QTime>
#include <random>

namespace {
std::mt19937 &engine()
{
    static std::mt19937 e(5489u);
    return e;
}
std::function<double()> &override()
{
    static std::function<double()> f;
    return f;
}
}  // namespace

double Rnd()
{
    if (override())
        return override()();
    std::uniform_real_distribution<double> dist(0.0, 1.0);
    return dist(engine());
}

void SeedRandom(quint32 seed) { engine().seed(seed); }

void SeedRandomFromTimeOfDay() { SeedRandom(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay())); }

void SetRandomSource(std::function<double()> source) { override() = std::move(source); }
