// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "MainSource.h"

#include "branches.h"
#include "gamewindows.h"
#include "languages.h"
#include "sessionend.h"
#include "singlegame.h"

#include "desktop/fonts.h"
#include "desktop/pictures.h"
#include "desktop/steadyicons.h"
#include "game/ballcolour.h"
#include "game/commandline.h"
#include "game/game.h"
#include "platform/pacer.h"
#include "settings/settings.h"

#include <QApplication>
#include <QStringList>
#include <cmath>
#include <cstdio>
#include <xcb/xcb.h>

namespace {
constexpr int kEndExitCode = 0;
constexpr int kNoDisplayExitCode = 1;

// The game places its windows at exact screen positions, which only an X
// server (or XWayland) allows: prefer it unless told otherwise. False when
// X is the platform and no server answers on DISPLAY (unset, or naming a
// display nothing serves): Qt would abort with a core dump there.
bool chooseXPlatform()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", "xcb");
    else if (!platform.startsWith("xcb"))
        return true;
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

// A scale factor, or a list of them ("1.5;2", "DP-1=1.5;HDMI-1=1"), with
// every factor rounded to a whole one of at least 1; other text unchanged.
QByteArray wholeScaleFactors(const QByteArray &factors)
{
    QList<QByteArray> items = factors.split(';');
    for (QByteArray &item : items) {
        const qsizetype equals = item.indexOf('=');
        bool ok = false;
        const double factor = item.mid(equals + 1).toDouble(&ok);
        if (ok && factor > 0)
            item = item.left(equals + 1) + QByteArray::number(qMax(1L, std::lround(factor)));
    }
    return items.join(';');
}

// Art pixels stay square and equal only at a whole scale. The desktop's
// factor is rounded by Qt's policy; fractional factors set for Qt by hand,
// which the policy does not touch, are rounded here the same way (1.5 gives 2).
void useWholeScaleFactors()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    for (const char *variable : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"})
        if (qEnvironmentVariableIsSet(variable))
            qputenv(variable, wholeScaleFactors(qgetenv(variable)));
}
}  // namespace

void startUp(GameWindows &w, const QString &arguments)
{
    Game &game = w.game();
    game.SolidLane = false;
    const CommandLineSwitches switches = parseCommandLine(arguments);
    game.DebugMode = switches.debugMode;
    game.ScoreSheetOnly = switches.scoreSheetOnly;
    w.shaper().BuildRegionData();
    w.highScores().ListHighScores();
    const int colour = storedColourIndex(w.settings().ReadIniValue(kBallSection, kColorKey));
    w.menu().checkColour(colour);
    w.loader().lane().setBallColour(colour);
    w.settings().WriteIniValue(kBallSection, kColorKey, QString::number(colour));
    game.random.seedFromTimeOfDay();
    w.presenter().ToggleScreenMode();
    game.request(GameState::StartDlg);
}

int Main(int argc, char **argv)
{
    // Before any thread starts, so that every thread inherits the mask.
    SessionEnd::blockTermination();
    useWholeScaleFactors();
    if (!chooseXPlatform()) {
        std::fputs("marvolt: no X server found (DISPLAY is unset or names no running server); the "
                   "game needs an X11 desktop or XWayland.\n",
                   stderr);
        return kNoDisplayExitCode;
    }
    // The switch must be the whole command line. Read it before QApplication
    // takes its own options (-reverse, -style ...) out of argv.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("marvolt"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.marvolt.Marvolt"));
    QApplication::setWindowIcon(programIcon());
    // Closing a box must not end the program: only "end" does.
    QApplication::setQuitOnLastWindowClosed(false);
    Settings settings;
    SingleGame single(settings.settingsFolder());
    if (single.handedOver()) {
        std::printf(
            "marvolt: a game is already running with the settings in %s; its windows are brought to "
            "the front\n",
            qUtf8Printable(settings.settingsFolder()));
        return kEndExitCode;
    }
    installFontSubstitutions();
    installSteadyIcons();
    installTranslations(app);

    Pacer pacer;
    Game game;
    GameWindows windows(game, settings, pacer);
    const SessionEnd sessionEnd([&windows] { windows.requestSessionEnd(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, [&windows] { windows.commitData(); });
    startUp(windows, args.join(QLatin1Char(' ')));
    runLoop(game, pacer, gameBranches(windows));
    // Unloading the sheet (left up when the session ends mid-game) stores
    // its place.
    windows.loader().unloadScoreSheet();
    settings.finishWrites();  // EndProgram leaves without unwinding
    single.close();
    windows.dialogs().endProgram(kEndExitCode);
    return kEndExitCode;
}
