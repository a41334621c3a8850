#include "game/MainSource.h"

#include "game/branches.h"
#include "game/frmLane.h"
#include "game/frmStart.h"
#include "game/gamevars.h"
#include "game/rules.h"
#include "hiscore/hiscorelisting.h"
#include "hiscore/hiscoretable.h"
#include "lane/frmDenkou.h"
#include "lane/screenmetrics.h"
#include "menu/frmMenu.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/random.h"
#include "platform/screen.h"
#include "score/frmScore.h"
#include "score/frm_Version.h"
#include "settings/settings.h"
#include "shapes/mod_RGN_Data.h"
#include "shapes/mod_RGN_Proc.h"

#include <QApplication>
#include <QStringList>

namespace {
const QString kBall = QStringLiteral("BALL");
const QString kColor = QStringLiteral("COLOR");
constexpr int kEndExitCode = 0;
}  // namespace

void StartDlgBranch()
{
    LoopDelay = 0;
    frmStart *dialog = StartDialog();
    MoveWindowTwips(dialog, 0, ScreenHeightTwips() - WindowTwips(dialog).height);
    dialog->show();
    GameState = State::StartWait;
}

void StartBranch()
{
    LoopDelay = 0;
    GameState = State::Init;
}

void GameOverBranch()
{
    // The game may end mid-roll; the ball must not reappear on the next lane.
    BallVisible = false;
    UnloadLaneWindow();
    UnloadPinBoard();
    UnloadScoreSheet();
    GameState = State::StartDlg;
}

BranchTable GameBranches()
{
    // Same order as kDispatchOrder.
    return {StartDlgBranch,  StartBranch,     InitBranch,      NextThrowBranch, DebugBranch,
            ThrowSBranch,    ThrowTBranch,    ThrowEBranch,    Location1Branch, Location2Branch,
            Location3Branch, Location4Branch, GameOverBranch};
}

void StartUp(const QString &arguments)
{
    SolidLane = kFalse;
    const CommandLineSwitches switches = ParseCommandLine(arguments);
    DebugMode = switches.debugMode;
    ScoreSheetOnly = switches.scoreSheetOnly;
    BuildRegionData();
    SetHighScoreListingHook(ListHighScores);
    ListHighScores();
    const qint16 colour = StoredColourIndex(ReadIniValue(kBall, kColor));
    frmMenu::instance()->checkColour(colour);
    LaneWindow()->setBallColour(colour);
    WriteIniValue(kBall, kColor, QString::number(colour));
    SeedRandomFromTimeOfDay();
    ToggleScreenMode();
    GameState = State::StartDlg;
}

int Main(int argc, char **argv)
{
    // The game places its windows at exact screen positions, which only an
    // X server (or XWayland) allows; prefer it unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // The switch must be the whole command line. Read it before QApplication
    // takes its own options (-reverse, -style ...) out of argv.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("marvolt"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.marvolt.Marvolt"));
    QApplication::setWindowIcon(ProgramIcon());
    // Closing a box must not end the program: only "end" does.
    QApplication::setQuitOnLastWindowClosed(false);
    InstallFontSubstitutions();

    StartUp(args.join(QLatin1Char(' ')));
    RunLoop(GameBranches());
    EndProgram(kEndExitCode);
    return kEndExitCode;
}
