// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
// Memory over many games: plays -X games of twelve strikes, answering the
// boxes itself and playing on, and prints the resident memory after games
// 10 and 200 (or the count given) and the growth per game between them.
// The target is at most 4 KB a game.

#include "MainSource.h"
#include "branches.h"
#include "gamewindows.h"

#include "game/game.h"
#include "game/loop.h"
#include "platform/fonts.h"
#include "platform/pacer.h"
#include "settings/settings.h"

#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {
constexpr int kFirstCounted = 10;
constexpr int kDefaultGames = 200;
constexpr double kTargetBytesPerGame = 4096;

// Resident memory from /proc, bytes.
double residentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() * 1024;
    return 0;
}
}  // namespace

int main(int argc, char **argv)
{
    // Offscreen unless told otherwise; under X (QT_QPA_PLATFORM=xcb) the
    // shaped windows and boxes go through the X server as in play.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir iniDir;
    qputenv("MARVOLT_INI_DIR", iniDir.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    InstallFontSubstitutions();
    const int games = argc > 1 ? qMax(kFirstCounted + 1, atoi(argv[1])) : kDefaultGames;

    Settings settings;
    Pacer pacer;
    // Every pass ends at once: the clock jumps further than any pass at every reading.
    pacer.SetTickSource([now = qint64(0)]() mutable { return now += 1000000; });
    Game game;
    GameWindows windows(game, settings, pacer);
    windows.dialogs().hooks.ok = [](const QString &) {};
    // MARVOLT_SOAK_BOXES=real: the debug box itself is shown for every ball
    // and answered.
    const Dialogs realBoxes;
    const bool real = qEnvironmentVariable("MARVOLT_SOAK_BOXES") == QLatin1String("real");
    windows.dialogs().hooks.input = [&realBoxes, real](const QString &prompt) {
        if (!real)
            return QStringLiteral("10");
        QTimer::singleShot(0, [] {
            if (auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
                box->setTextValue(QStringLiteral("10"));
                box->accept();
            }
        });
        return realBoxes.InputBox(prompt);
    };
    int played = 0;
    double atFirst = 0;
    windows.dialogs().hooks.yesNo = [&](const QString &) {
        ++played;
        if (played == kFirstCounted)
            atFirst = residentBytes();
        if (played < games)
            return true;
        const double perGame = (residentBytes() - atFirst) / (games - kFirstCounted);
        std::printf("resident after game %d: %.0f KiB; after game %d: %.0f KiB; %.0f bytes a game"
                    " (target at most %.0f)\n",
                    kFirstCounted, atFirst / 1024, games, residentBytes() / 1024, perGame, kTargetBytesPerGame);
        game.state = GameState::End;
        return false;
    };
    StartUp(windows, QStringLiteral("-X"));
    game.state = GameState::Start;
    const BranchTable branches = GameBranches(windows);
    while (game.state != GameState::GameOver && RunPass(game, pacer, branches)) {
    }
    return 0;
}
