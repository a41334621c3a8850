#include "game/gamevars.h"
#include "game/loop.h"
#include "lane/timing.h"
#include "platform/clock.h"
#include "platform/eventpump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
class LoopTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetGameVars(); }
    void TearDown() override
    {
        SetTickSource({});
        ResetGameVars();
    }

    // Every branch records its name; `then` may move GameState on.
    BranchTable recordingTable(std::function<void(const QString &)> then = {})
    {
        BranchTable table;
        for (size_t i = 0; i < kDispatchOrder.size(); ++i) {
            const QString name = QLatin1String(kDispatchOrder[i]);
            table[i] = [this, name, then] {
                ran.push_back(name);
                if (then)
                    then(name);
            };
        }
        return table;
    }
    std::vector<QString> ran;
};
}  // namespace

TEST_F(LoopTest, EveryStateRunsItsOwnBranchOnceAPass)
{
    for (const char *name : kDispatchOrder) {
        ran.clear();
        GameState = QLatin1String(name);
        ASSERT_TRUE(RunPass(recordingTable([](const QString &) { GameState = State::Start; })));
        EXPECT_EQ(ran, std::vector<QString>{QLatin1String(name)});
    }
}

TEST_F(LoopTest, EndStopsBeforeAnyBranchAndOtherStatesIdle)
{
    GameState = State::End;
    EXPECT_FALSE(RunPass(recordingTable()));
    for (const QString &idle : {State::StartWait, QStringLiteral("INIT"), QStringLiteral("end "), QString()}) {
        GameState = idle;
        QTimer::singleShot(5, QCoreApplication::instance(), [] {});  // something to wake the rest
        EXPECT_TRUE(RunPass(recordingTable()));
        EXPECT_EQ(GameState, idle);
    }
    EXPECT_TRUE(ran.empty());
}

TEST_F(LoopTest, GameOverReturnsToTheStartDialogAndTheLoopGoesOn)
{
    GameState = State::GameOver;
    RunLoop(recordingTable([](const QString &name) {
        GameState = name == State::GameOver ? State::StartDlg : State::End;
    }));
    EXPECT_EQ(ran, (std::vector<QString>{State::GameOver, State::StartDlg}));
}

TEST_F(LoopTest, APassLastsAtLeastLoopDelayOnTheTickCount)
{
    qint64 now = 1000;  // moves on at every reading
    SetTickSource([&now] { return now += 20; });
    GameState = State::Location1;
    LoopDelay = 50;
    RunPass(recordingTable());
    EXPECT_GE(now - 1020, 50);
}

TEST_F(LoopTest, WaitLastsItsTimeHandlesEventsAndIsSkippedInDebugMode)
{
    for (int ms : {0, 5, 30}) {
        bool handled = false;
        QMetaObject::invokeMethod(QCoreApplication::instance(), [&handled] { handled = true; },
                                  Qt::QueuedConnection);
        QElapsedTimer t;
        t.start();
        Wait(ms);
        EXPECT_GE(t.elapsed(), ms);
        EXPECT_TRUE(handled) << ms;
    }
    DebugMode = kTrue;
    int readings = 0;
    SetTickSource([&readings] { return ++readings; });
    Wait(2000);
    EXPECT_EQ(readings, 0);
}

TEST_F(LoopTest, ARestEndsWithAnEventAlreadyPending)
{
    // Only a late timer would wake a rest that ignored the pending event.
    QTimer::singleShot(2000, QCoreApplication::instance(), [] {});
    bool handled = false;
    QMetaObject::invokeMethod(QCoreApplication::instance(), [&handled] { handled = true; },
                              Qt::QueuedConnection);
    QElapsedTimer t;
    t.start();
    WaitForEvent();
    EXPECT_TRUE(handled);
    EXPECT_LT(t.elapsed(), 1000);
}
