// A game, ball by ball: "init" sets it up, "next-throw" prepares each ball,
// "throw-s" starts the roll, "throw-t" moves it and "throw-e" counts it,
// writes the record and, after the last ball, ends the game.

#include "game/branches.h"
#include "game/frmLane.h"
#include "game/frmStart.h"
#include "game/gamevars.h"
#include "game/rules.h"
#include "hiscore/hiscoretable.h"
#include "lane/ballmotion.h"
#include "lane/frmDenkou.h"
#include "lane/pinmodel.h"
#include "lane/timing.h"
#include "platform/dialogs.h"
#include "score/frmScore.h"
#include "score/scorerecord.h"
#include "settings/settings.h"
#include "shapes/mod_RGN_Proc.h"
#include "shapes/mod_RGN_pop.h"

namespace {
// Pauses, ms.
constexpr int kLampStep = 30;
constexpr int kBeforeRoll = 500;
constexpr int kAfterRoll = 150;
constexpr int kGameStartBalloon = 2000;
constexpr qint16 kAimingLoopDelay = 50;

const QString kGameStart = QStringLiteral("Game Start!!");
const QString kNewHighScore = QStringLiteral("ハイスコアがでました！\r\nあなたは、%1位にランキングされました。\r\n");
const QString kPlayAgain = QStringLiteral("続けてゲームしますか？");

// Pins standing when the current ball was thrown. A ball with StrikeFlag set
// fells all of them; typed-in results of ten move every pin past the count,
// so the count of such a ball is taken from here.
int g_standingAtThrow = 0;

int standingPins()
{
    int n = 0;
    for (int pin = kFirstPin; pin <= kLastPin; ++pin)
        n += PinState[pin] == 0;
    return n;
}

void setFreshRack()
{
    for (int i = 0; i <= kLastPin; ++i) {
        PinState[i] = 0;
        PinVisible[i] = true;
    }
    LaneWindow()->refresh();
}

void showWindow(QWidget *window, bool keepHidden)
{
    window->show();
    if (keepHidden)
        window->hide();
}

// The menu's "ゲーム終了" may be chosen while a branch waits; the branch then
// leaves that request standing instead of moving the game on over it.
void moveOn(const QString &next)
{
    if (GameState != State::GameOver)
        GameState = next;
}

// The end of a game: the high-score table, the announcement and the question
// whether to play on.
void endOfGame()
{
    GameState = State::Init;
    const bool sheetWasVisible = ScoreSheetLoaded() && ScoreSheet()->isVisible();
    if (!sheetWasVisible)
        ScoreSheet()->show();
    const qint16 place = RecordHighScore(szScore, szSprit);
    const QString message = place != 0 ? kNewHighScore.arg(place) : QString();
    if (!AskYesNo(message + kPlayAgain))
        GameState = State::GameOver;
    // A hidden sheet is an unloaded one: this stores its position, and the
    // next game's first DisplayScore loads it again.
    if (!sheetWasVisible)
        UnloadScoreSheet();
}
}  // namespace

void InitBranch()
{
    UnloadStartDialog();
    SolidLane = SolidLane == kTrue ? kFalse : kTrue;
    ToggleScreenMode();
    GameState = State::NextThrow;
    for (int i = 0; i <= kLastPin; ++i) {
        PinState[i] = 0;
        PinVisible[i] = true;
        LaneWindow()->refresh();
        if (i < frmDenkou::kLamps) {
            PinBoard()->setLamp(i, true);
            Wait(kLampStep);
        }
    }
    szScore.clear();
    szSprit.clear();
    ScoreSheet()->DisplayScore(szScore, szSprit);
    FirstBallOfRack = 0;
    showWindow(LaneWindow(), ScoreSheetOnly == kTrue);
    showWindow(PinBoard(), ScoreSheetOnly == kTrue);
    if (DebugMode == kTrue)
        ScoreSheet()->show();
    LaneWindow()->setBallColour(StoredColourIndex(ReadIniValue(QStringLiteral("BALL"), QStringLiteral("COLOR"))));
    ShowMessageBalloon(kGameStart, kGameStartBalloon);
}

void NextThrowBranch()
{
    ShowFrameNumber();
    HoldCount = 0;
    LoopDelay = kAimingLoopDelay;
    if (FirstBallOfRack == 0) {
        FirstBallOfRack = 1;
        setFreshRack();
    } else {
        FirstBallOfRack = 0;
    }
    LightStandingPins();
    g_standingAtThrow = standingPins();
    StartPos = TargetPos = HookPos = 0;
    StartDir = TargetDir = HookDir = 1;
    moveOn(DebugMode == kTrue ? State::Debug : State::Location1);
}

void ThrowSBranch()
{
    GutterFlag = kFalse;
    Wait(kBeforeRoll);
    if (GameState == State::GameOver)
        return;
    ResetAimMarkers();
    // A click so short that no "location3" pass saw it throws straight
    // rather than with the strongest hook the untouched position would give.
    if (HoldCount == 0)
        HookPos = kStraightHook;
    BeginRoll(StartPos, TargetPos, HookPos);
    GameState = State::ThrowT;
    LaneWindow()->refresh();
}

void ThrowTBranch()
{
    StepBall();
    LaneWindow()->refresh();
}

void ThrowEBranch()
{
    const bool firstBall = FirstBallOfRack == 1;
    if (szSprit.endsWith(u'O') && !firstBall)
        for (qint16 pin : PathPins)
            TopplePathNeighbour(pin);
    LaneWindow()->refresh();
    Wait(kAfterRoll);
    DarkenFelledPins();

    int felled = 0;
    for (int pin = kFirstPin; pin <= kLastPin; ++pin)
        felled += PinState[pin] == 1;
    ThrowResult ball;
    ball.firstBall = firstBall;
    ball.gutter = GutterFlag == kTrue;
    ball.allDown = StrikeFlag == kTrue || standingPins() == 0;
    ball.felled = StrikeFlag == kTrue ? g_standingAtThrow : felled;
    ball.split = firstBall && !ball.allDown && IsSplit();
    PinMark mark = PinMark::None;
    const bool over = AppendThrow(szScore, szSprit, ball, &mark);
    if (mark != PinMark::None)
        ShowMark(static_cast<int>(mark));
    if (mark == PinMark::Strike)
        FirstBallOfRack = 0;

    ScoreSheet()->DisplayScore(szScore, szSprit);
    BlinkMark();
    BallVisible = false;
    LaneWindow()->refresh();

    if (!over)
        moveOn(State::NextThrow);
    else
        endOfGame();
    ClearLamps();
}
