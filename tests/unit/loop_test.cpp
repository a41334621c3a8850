// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "game/loop.h"
#include "lane/timing.h"
#include "platform/pacer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>
#include <string>

namespace {

// A branch for every state but "start-wait", as the game has; each one notes
// its state's name and moves the game on to "start", except that the start
// marker runs on in "location1" as aiming does.
BranchTable Recording(Game &g, std::string &ran)
{
    BranchTable table;
    for (int i = 0; i < kGameStates; ++i)
        if (static_cast<GameState>(i) != GameState::StartWait)
            table[static_cast<size_t>(i)] = [&g, &ran, i] {
                ran += stateName(static_cast<GameState>(i));
                if (g.state() != GameState::Location1)
                    g.setUpState(GameState::Start);
            };
    return table;
}

TEST(Loop, APassRunsOnlyTheCurrentStatesBranchOrRestsUntilAnEvent)
{
    // clang-format off
    const struct { const char *name; GameState state; bool endRequested; const char *ran, *after; bool goesOn, rests; } rows[] = {
        {"StartMarkerRunsOnWithoutRest", GameState::Location1, false, "location1", "location1", true, false},
        {"CountingTheBall", GameState::ThrowE, false, "throw-e", "start", true, false},
        {"StartWaitHasNoBranch", GameState::StartWait, false, "", "start-wait", true, true},
        {"EndStopsBeforeAnyBranch", GameState::End, false, "", "end", false, false},
        {"SessionEndStopsMidRoll", GameState::ThrowT, true, "", "end", false, false},
    };
    // clang-format on
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        Game g;
        Pacer pacer;
        std::string ran;
        g.setUpState(r.state);
        g.EndRequested = r.endRequested;
        bool woken = false;  // the event that ends a rest
        const QObject wakeScope;
        QTimer::singleShot(200, &wakeScope, [&woken] { woken = true; });
        EXPECT_EQ(runPass(g, pacer, Recording(g, ran)), r.goesOn);
        EXPECT_EQ(ran, r.ran);
        EXPECT_EQ(woken, r.rests);
        EXPECT_STREQ(stateName(g.state()), r.after);
    }
}

TEST(Loop, APassLastsAtLeastLoopDelayOnTheTickCount)
{
    Game g;
    Pacer pacer;
    std::string ran;
    qint64 now = 1000;  // moves on at every reading
    pacer.setTickSource([&now] { return now += 20; });
    g.setUpState(GameState::Location1);
    g.LoopDelay = 50;
    runPass(g, pacer, Recording(g, ran));
    EXPECT_GE(now - 1020, 50);
}

TEST(Loop, WaitLastsItsTimeHandlesEventsEndsWithTheSessionAndIsSkippedInDebugMode)
{
    Game g;
    Pacer pacer;
    for (int ms : {0, 5, 30}) {
        bool handled = false;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&handled] { handled = true; }, Qt::QueuedConnection);
        // The wait ends when the tick count has moved on by its time, which
        // may be up to a millisecond sooner than `ms` after the call.
        const qint64 start = pacer.GetTickCount();
        Wait(g, pacer, ms);
        EXPECT_GE(pacer.GetTickCount() - start, ms);
        EXPECT_TRUE(handled) << ms;
    }
    // The session's end, noted during a long wait, cuts it short.
    const QObject endScope;
    QTimer::singleShot(50, &endScope, [&g] { g.EndRequested = true; });
    QElapsedTimer t;
    t.start();
    Wait(g, pacer, 5000);
    EXPECT_LT(t.elapsed(), 1000);
    g.DebugMode = true;
    int readings = 0;
    pacer.setTickSource([&readings] { return ++readings; });
    Wait(g, pacer, 2000);
    EXPECT_EQ(readings, 0);
}

TEST(Loop, ARestEndsWithAnEventAlreadyPending)
{
    Pacer pacer;
    // Only a late timer would wake a rest that ignored the pending event.
    QTimer late;
    late.start(2000);
    bool handled = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&handled] { handled = true; }, Qt::QueuedConnection);
    QElapsedTimer t;
    t.start();
    pacer.waitForEvent();
    EXPECT_TRUE(handled);
    EXPECT_LT(t.elapsed(), 1000);
}

}  // namespace
