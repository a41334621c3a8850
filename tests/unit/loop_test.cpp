#include "game/gamevars.h"
#include "game/loop.h"
#include "lane/timing.h"
#include "platform/clock.h"

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

    // A table whose every branch records its name; `then` moves GameState.
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

// Posts an event a little later so that a resting pass has something to wake to.
void wakeSoon(int ms = 5)
{
    QTimer::singleShot(ms, QCoreApplication::instance(), [] {});
}
}  // namespace

TEST_F(LoopTest, EveryStateRunsItsOwnBranchOnly)
{
    for (const char *name : kDispatchOrder) {
        ran.clear();
        GameState = QLatin1String(name);
        ASSERT_TRUE(RunPass(recordingTable()));
        ASSERT_EQ(ran.size(), 1u) << name;
        EXPECT_EQ(ran[0], QLatin1String(name));
    }
}

TEST_F(LoopTest, AtMostOneBranchAPassEvenWhenTheBranchMovesOn)
{
    GameState = State::Start;
    RunPass(recordingTable([](const QString &) { GameState = State::Init; }));
    EXPECT_EQ(ran, std::vector<QString>{State::Start});
    EXPECT_EQ(GameState, State::Init);
}

TEST_F(LoopTest, EndStopsBeforeAnyBranch)
{
    GameState = State::End;
    EXPECT_FALSE(RunPass(recordingTable()));
    EXPECT_TRUE(ran.empty());
}

TEST_F(LoopTest, StatesOutsideTheTableIdle)
{
    struct Row { const char *name; QString state; };
    const Row rows[] = {
        {"start-wait", State::StartWait},
        {"unknown", QStringLiteral("bogus")},
        {"wrong case", QStringLiteral("INIT")},
        {"empty", QString()},
        {"end with blank", QStringLiteral("end ")},
    };
    for (const Row &row : rows) {
        ran.clear();
        GameState = row.state;
        wakeSoon();
        EXPECT_TRUE(RunPass(recordingTable())) << row.name;
        EXPECT_TRUE(ran.empty()) << row.name;
        EXPECT_EQ(GameState, row.state) << row.name;
    }
}

TEST_F(LoopTest, GameOverReturnsToTheStartDialogAndTheLoopGoesOn)
{
    GameState = State::GameOver;
    auto table = recordingTable([](const QString &name) {
        if (name == State::GameOver)
            GameState = State::StartDlg;
        else if (name == State::StartDlg)
            GameState = State::End;
    });
    RunLoop(table);
    EXPECT_EQ(ran, (std::vector<QString>{State::GameOver, State::StartDlg}));
}

TEST_F(LoopTest, APassLastsAtLeastLoopDelayOnTheTickCount)
{
    // A clock that moves 1 ms at every reading: the pass must keep reading
    // until LoopDelay ticks have gone by.
    qint64 now = 1000;
    SetTickSource([&now] { return now++; });
    GameState = State::Location1;
    LoopDelay = 50;
    const qint64 start = now;
    RunPass(recordingTable());
    EXPECT_GE(now - start, 50);
}

TEST_F(LoopTest, WaitReturnsAtOnceInDebugMode)
{
    DebugMode = kTrue;
    int readings = 0;
    SetTickSource([&readings] { return ++readings; });
    Wait(2000);
    EXPECT_EQ(readings, 0);
}

TEST_F(LoopTest, WaitLastsAtLeastItsTime)
{
    for (int ms : {0, 5, 30}) {
        QElapsedTimer t;
        t.start();
        const qint64 before = GetTickCount();
        Wait(ms);
        EXPECT_GE(GetTickCount() - before, ms) << ms;
        EXPECT_GE(t.elapsed(), ms) << ms;
    }
}

TEST_F(LoopTest, WaitZeroStillHandlesPendingEvents)
{
    bool handled = false;
    QMetaObject::invokeMethod(QCoreApplication::instance(), [&handled] { handled = true; },
                              Qt::QueuedConnection);
    Wait(0);
    EXPECT_TRUE(handled);
}
