// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
// Loop pacing benchmark: how long passes and waits really last, and how much
// CPU the game burns doing it, next to a loop that busy-waits instead of
// blocking; and how long start-up takes with a huge junk settings file. Runs
// on Qt's offscreen platform; and the game history and the statistics window
// with 100,000 games. Prints
// the figures, whether each target is held
// or missed, and exits with 1 when one is missed.

#include "benchfigures.h"
#include "soundbench.h"

#include "MainSource.h"
#include "branches.h"
#include "gamewindows.h"
#include "statsbench.h"

#include "desktop/fonts.h"
#include "game/game.h"
#include "game/loop.h"
#include "history/historyschema.h"
#include "history/historystore.h"
#include "lane/ballmotion.h"
#include "lane/timing.h"
#include "platform/pacer.h"
#include "settings/settings.h"

#include <QTemporaryDir>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

namespace {
constexpr int kRestSeconds = 5;
constexpr int kPasses = 100;
constexpr int kWaits = 50;
constexpr int kWaitMs = 30;
constexpr int kRollSteps = 92;
constexpr qint64 kJunkBytes = 50 * 1000 * 1000;
constexpr double kJunkStartTargetMs = 1000;
constexpr double kRestingCpuShare = 0.01;
constexpr double kRollSlackShare = 0.003;
constexpr double kRollCpuShare = 0.05;
constexpr int kHistoryGames = 100000;
constexpr int kHistoryLoads = 5;
constexpr int kHistoryRecords = 20;
constexpr double kHistoryLoadTargetMs = 300;
constexpr double kHistoryRecordTargetMs = 10;
constexpr int kBenchTotal = 187;

BranchTable emptyBranches() { return BranchTable{}; }

void restingPhase(Verdicts &verdicts, Pacer &pacer)
{
    Game game;
    game.setUpState(GameState::StartWait);
    QTimer::singleShot(kRestSeconds * 1000, [&game] { game.setUpState(GameState::End); });
    Figures f = measure(1, [&] { runLoop(game, pacer, emptyBranches()); });

    Figures busy = measure(1, [&pacer] {
        const qint64 until = pacer.GetTickCount() + kRestSeconds * 1000;
        while (pacer.GetTickCount() < until)
            busyTail(pacer, pacer.GetTickCount(), 0);
    });
    std::printf("%-24s %d s  CPU %6.3f %% of a core (target at most %g %%) %s"
                "  | busy-wait CPU %5.1f %%  ratio %.0fx\n",
                "resting in start-wait", kRestSeconds, 100 * f.cpuShare(), 100 * kRestingCpuShare,
                verdicts.Judge(f.cpuShare() <= kRestingCpuShare), 100 * busy.cpuShare(),
                f.cpuShare() > 0 ? busy.cpuShare() / f.cpuShare() : 0.0);
}

void passPhase(Verdicts &verdicts, Pacer &pacer, qint16 delay)
{
    Game game;
    game.setUpState(GameState::Location1);
    game.LoopDelay = delay;
    // A branch that does nothing: without one the pass would rest until an event.
    BranchTable branches = emptyBranches();
    branches[static_cast<std::size_t>(GameState::Location1)] = [] {};
    Figures f = measure(kPasses, [&] { runPass(game, pacer, branches); });
    Figures busy = measure(kPasses, [&] { busyTail(pacer, pacer.GetTickCount(), delay); });
    char name[32];
    std::snprintf(name, sizeof name, "passes at LoopDelay %d", delay);
    printPasses(verdicts, name, f, delay, busy);
}

void waitPhase(Verdicts &verdicts, Pacer &pacer)
{
    const Game game;
    Figures f = measure(kWaits, [&] { Wait(game, pacer, kWaitMs); });
    Figures busy = measure(kWaits, [&] { busyTail(pacer, pacer.GetTickCount(), kWaitMs); });
    printPasses(verdicts, "Wait(30)", f, kWaitMs, busy);
}

// With `sound`, the roll is heard: the rumble and the crashes play.
void rollPhase(Verdicts &verdicts, Pacer &pacer, bool sound)
{
    QTemporaryDir dir;
    Settings settings(dir.path());
    Game game;
    GameWindows windows(game, settings, pacer);
    windows.shaper().BuildRegionData();
    if (sound)
        startSound(windows.sound(), pacer);
    game.random.setSeed(1);
    windows.loader().lane().show();
    constexpr int kStraight = 4;
    beginRoll(game, {kStraight, kStraight, kStraight});
    game.setUpState(GameState::ThrowT);
    const BranchTable branches = gameBranches(windows);
    std::vector<double> passes;
    QElapsedTimer wall;
    wall.start();
    const double cpu0 = cpuSeconds();
    // The roll lasts from its first step to the pass that finds the ball
    // past the end of the lane.
    double rollNs = 0;
    while (game.state() == GameState::ThrowT) {
        QElapsedTimer one;
        one.start();
        const double sinceStart = wall.nsecsElapsed();
        runPass(game, pacer, branches);
        passes.push_back(one.nsecsElapsed() / double(kNsPerMs));
        if (game.state() != GameState::ThrowT)
            rollNs = sinceStart;
    }
    Figures f;
    f.durationsMs = passes;
    f.wallSeconds = wall.nsecsElapsed() / 1e9;
    f.cpuSeconds = cpuSeconds() - cpu0;
    const double rollMs = rollNs / kNsPerMs;
    const double target = kRollSteps * double(kRollLoopDelay);
    const double off = (rollMs - target) / target;
    std::printf("%-24s %zu passes, %d steps in %.1f ms (target %.0f ms +-%g %%: %+.2f %%) %s  median %.3f ms"
                "  p99 %.3f ms  CPU %5.2f %% of a core (target at most %g %%) %s\n",
                sound ? "ball roll, sound on" : "ball roll", passes.size(), kRollSteps, rollMs, target, 100 * kRollSlackShare,
                100 * off, verdicts.Judge(std::fabs(off) <= kRollSlackShare), f.median(), f.p99(), 100 * f.cpuShare(),
                100 * kRollCpuShare, verdicts.Judge(f.cpuShare() <= kRollCpuShare));
}
// Start-up's settings work (five high scores and the colour read, the colour
// written back) on a KVZ.ini of 50 MB of random bytes: the first start adds
// the colour the file lacks, the second finds it there.
void junkStartPhase(Verdicts &verdicts, Pacer &pacer)
{
    QTemporaryDir dir;
    QByteArray junk(kJunkBytes, Qt::Uninitialized);
    std::mt19937 bytes(1);
    std::generate(junk.begin(), junk.end(), [&bytes] { return char(bytes()); });
    QFile file(QDir(dir.path()).filePath(QStringLiteral("KVZ.ini")));
    if (!file.open(QIODevice::WriteOnly) || file.write(junk) != junk.size())
        return;
    file.close();
    junk.clear();
    for (const char *name : {"junk KVZ.ini, 1st start", "junk KVZ.ini, 2nd start"}) {
        Settings settings(dir.path());
        Game game;
        GameWindows windows(game, settings, pacer);
        const Figures f = measure(1, [&windows] { startUp(windows, {}); });
        std::printf("%-24s %.0f ms  CPU %.0f ms (target: start dialog within %.0f ms of exec) %s\n", name, f.median(),
                    1000 * f.cpuSeconds, kJunkStartTargetMs, verdicts.Judge(f.median() <= kJunkStartTargetMs));
    }
}

// The game history holding 100,000 games: every game loaded by a store opened
// afresh (the statistics window's way in: open, check, read), and one game
// recorded into it.
void historyPhase(Verdicts &verdicts)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("history.sqlite"));
    HistoryGame game;
    game.endedAt = QDateTime::currentDateTime();
    game.record = QStringLiteral("! 9*81-9-9-9-9-9-9!9-");
    game.marks = QStringLiteral("    O                ");
    game.total = kBenchTotal;
    if (!HistoryStore(path).append(game))
        return;
    const QString fill = QStringLiteral("bench-fill");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), fill);
        db.setDatabaseName(path);
        if (db.open() && db.transaction()) {
            for (int i = 1; i < kHistoryGames; ++i)
                insertHistoryGame(db, game);
            db.commit();
        }
    }
    QSqlDatabase::removeDatabase(fill);
    qsizetype loaded = 0;
    const Figures load = measure(kHistoryLoads, [&] { loaded = HistoryStore(path).games().value_or(HistoryGames()).size(); });
    std::printf("%-24s median %.0f ms  CPU %.0f ms each, %lld games  (target: at most %.0f ms) %s\n", "history: load all",
                load.median(), 1000 * load.cpuSeconds / kHistoryLoads, static_cast<long long>(loaded), kHistoryLoadTargetMs,
                verdicts.Judge(loaded == kHistoryGames && load.median() <= kHistoryLoadTargetMs));
    HistoryStore store(path);
    store.games();
    const Figures record = measure(kHistoryRecords, [&] { store.append(game); });
    std::printf("%-24s median %.1f ms  p99 %.1f ms  (target: at most %.0f ms) %s\n", "history: record a game", record.median(),
                record.p99(), kHistoryRecordTargetMs, verdicts.Judge(record.median() <= kHistoryRecordTargetMs));
}

// The statistics window over a history of 100,000 games of several kinds and
// days, beside a settings file of its own.
void statisticsPhase(Verdicts &verdicts, Pacer &pacer)
{
    QTemporaryDir dir;
    fillBenchHistory(Settings(dir.path()).historyFilePath(), kHistoryGames);
    verdicts.Judge(statisticsWindowPhase(dir.path(), pacer));
}
}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions();
    Pacer pacer;
    Verdicts verdicts;
    // "history" runs that phase alone.
    if (argc > 1 && qstrcmp(argv[1], "history") == 0) {
        historyPhase(verdicts);
        statisticsPhase(verdicts, pacer);
        return verdicts.ExitCode();
    }
    // "sound" runs the loop's phases again with sound on (a sound server
    // must be running: bench/sound-bench.sh starts one of its own), then
    // times sounds from their event to the sink.
    if (argc > 1 && qstrcmp(argv[1], "sound") == 0) {
        QTemporaryDir dir;
        Settings settings(dir.path());
        SoundEffects sound(settings);
        startSound(sound, pacer);
        restingPhase(verdicts, pacer);
        passPhase(verdicts, pacer, 50);
        passPhase(verdicts, pacer, 18);
        rollPhase(verdicts, pacer, true);
        delayPhase(verdicts, pacer, sound);
        return verdicts.ExitCode();
    }
    restingPhase(verdicts, pacer);
    passPhase(verdicts, pacer, 50);
    passPhase(verdicts, pacer, 18);
    waitPhase(verdicts, pacer);
    rollPhase(verdicts, pacer, false);
    junkStartPhase(verdicts, pacer);
    historyPhase(verdicts);
    statisticsPhase(verdicts, pacer);
    std::printf("%s\n", verdicts.ExitCode() == 0 ? "every target held" : "a target was missed");
    return verdicts.ExitCode();
}
