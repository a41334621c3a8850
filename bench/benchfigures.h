// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
// What the benchmark's phases share: the verdicts on the targets, figures of
// repeated timings, and the loop tail as a plain busy wait for comparison.
#pragma once
#include "platform/pacer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

constexpr qint64 kNsPerMs = 1000000;
constexpr double kMedianSlackMs = 0.05;
constexpr double kP99SlackMs = 2;

// The verdict on every target measured; one miss fails the run.
class Verdicts
{
public:
    const char *Judge(bool held)
    {
        missed_ = missed_ || !held;
        return held ? "held" : "MISSED";
    }
    int ExitCode() const { return missed_ ? 1 : 0; }

private:
    bool missed_ = false;
};

inline double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

struct Figures
{
    std::vector<double> durationsMs;
    double wallSeconds = 0;
    double cpuSeconds = 0;
    double median() const { return at(0.5); }
    double p99() const { return at(0.99); }
    double cpuShare() const { return wallSeconds > 0 ? cpuSeconds / wallSeconds : 0; }
    double at(double q) const
    {
        if (durationsMs.empty())
            return 0;
        std::vector<double> d = durationsMs;
        std::sort(d.begin(), d.end());
        return d[std::min(d.size() - 1, static_cast<size_t>(q * (d.size() - 1) + 0.5))];
    }
};

// The loop's tail as a plain busy wait, for comparison.
inline void busyTail(const Pacer &pacer, qint64 t0, int delay)
{
    do
        QCoreApplication::processEvents();
    while (t0 + delay > pacer.GetTickCount());
}

template <typename Body>
Figures measure(int count, Body body)
{
    Figures f;
    QElapsedTimer wall;
    wall.start();
    const double cpu0 = cpuSeconds();
    for (int i = 0; i < count; ++i) {
        QElapsedTimer one;
        one.start();
        body();
        f.durationsMs.push_back(one.nsecsElapsed() / double(kNsPerMs));
    }
    f.cpuSeconds = cpuSeconds() - cpu0;
    f.wallSeconds = wall.nsecsElapsed() / 1e9;
    return f;
}

inline void printPasses(Verdicts &verdicts, const char *name, const Figures &f, double target, const Figures &busy)
{
    const bool held = std::fabs(f.median() - target) <= kMedianSlackMs && std::fabs(f.p99() - target) <= kP99SlackMs;
    std::printf("%-24s median %7.3f ms  p99 %7.3f ms  (target %g ms: median within %g, p99 within %g) %s"
                "  CPU %5.1f %% of a core  | busy-wait CPU %5.1f %%  ratio %.0fx\n",
                name, f.median(), f.p99(), target, kMedianSlackMs, kP99SlackMs, verdicts.Judge(held), 100 * f.cpuShare(),
                100 * busy.cpuShare(), f.cpuShare() > 0 ? busy.cpuShare() / f.cpuShare() : 0.0);
}
