// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
// Memory over many games: plays -X games of twelve strikes, answering the
// boxes itself and playing on, and prints the resident memory after games
// 10 and 200 (or the count given) and the growth per game between them, and
// at the start dialog before the first game and back after the last.
// The target is at most 4 KB a game; the exit code is 1 when it is missed.
//
// MARVOLT_SOAK_BOXES=real shows the real boxes (debug box, high-score
// message, play-again question) and answers them as a player does: once a
// button of the box has painted, by typing the answer and Return as key
// events into the box. Run it on an X server (QT_QPA_PLATFORM=xcb): only
// there do the boxes' buttons carry icons.

#include "MainSource.h"
#include "branches.h"
#include "gamewindows.h"

#include "desktop/fonts.h"
#include "desktop/steadyicons.h"
#include "game/game.h"
#include "game/loop.h"
#include "platform/pacer.h"
#include "settings/settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <optional>

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

// Types a prepared answer into the next box once one of its buttons has
// painted: a box answered before it is drawn never asks for its icons.
class BoxAnswerer : public QObject
{
public:
    BoxAnswerer() { qApp->installEventFilter(this); }
    // The next box shown gets text, then Return.
    void prepareHistory(const QString &text) { answer_ = text; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *button = qobject_cast<QAbstractButton *>(watched);
        if (answer_ && event->type() == QEvent::Paint && button && button->window() == QApplication::activeModalWidget()) {
            QTimer::singleShot(0, [text = *answer_] { Type(text); });
            answer_.reset();
        }
        return false;
    }

private:
    static void Type(const QString &text)
    {
        for (const QChar c : text)
            Key(Qt::Key(c.unicode()), QString(c));
        Key(Qt::Key_Return, QStringLiteral("\r"));
    }
    static void Key(Qt::Key key, const QString &text)
    {
        QWidget *target = QApplication::focusWidget();
        if (!target)
            target = QApplication::activeModalWidget();
        if (!target)
            return;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }

    std::optional<QString> answer_;
};
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
    installFontSubstitutions();
    installSteadyIcons();
    const int games = argc > 1 ? qMax(kFirstCounted + 1, atoi(argv[1])) : kDefaultGames;

    Settings settings;
    Pacer pacer;
    // Every pass ends at once: the clock jumps further than any pass at every reading.
    pacer.setTickSource([now = qint64(0)]() mutable { return now += 1000000; });
    Game game;
    GameWindows windows(game, settings, pacer);
    const Dialogs realBoxes;
    const bool real = qEnvironmentVariable("MARVOLT_SOAK_BOXES") == QLatin1String("real");
    BoxAnswerer answerer;
    windows.dialogs().hooks.ok = [&](const QString &text) {
        if (real) {
            answerer.prepareHistory(QString());
            realBoxes.showOkMessage(text);
        }
    };
    windows.dialogs().hooks.input = [&](const QString &prompt) {
        if (!real)
            return QStringLiteral("10");
        answerer.prepareHistory(QStringLiteral("10"));
        return realBoxes.inputBox(prompt);
    };
    int played = 0;
    bool held = false;
    double atFirst = 0;
    windows.dialogs().hooks.yesNo = [&](const QString &text) {
        ++played;
        if (played == kFirstCounted)
            atFirst = residentBytes();
        if (played < games) {
            if (!real)
                return true;
            answerer.prepareHistory(QString());  // Return: the default, Yes
            return realBoxes.askYesNo(text);
        }
        const double perGame = (residentBytes() - atFirst) / (games - kFirstCounted);
        held = perGame <= kTargetBytesPerGame;
        std::printf("resident after game %d: %.0f KiB; after game %d: %.0f KiB; %.0f bytes a game"
                    " (target at most %.0f) %s\n",
                    kFirstCounted, atFirst / 1024, games, residentBytes() / 1024, perGame, kTargetBytesPerGame,
                    held ? "held" : "MISSED");
        return false;
    };
    startUp(windows, QStringLiteral("-X"));
    const BranchTable branches = gameBranches(windows);
    // From the start dialog into the first game, and back to it after the last.
    double atStartDialog = 0;
    while (game.state() != GameState::StartWait || played == 0) {
        if (game.state() == GameState::StartWait) {
            atStartDialog = residentBytes();
            game.setUpState(GameState::Start);
        }
        if (!runPass(game, pacer, branches))
            break;
    }
    std::printf("resident at the start dialog: %.0f KiB before the first game, %.0f KiB back after the last\n",
                atStartDialog / 1024, residentBytes() / 1024);
    return held ? 0 : 1;
}
