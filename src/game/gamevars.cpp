#include "game/gamevars.h"

#include <algorithm>

QString GameState;
qint16 LoopDelay = 0;
qint16 DebugMode = 0;
qint16 ScoreSheetOnly = 0;
qint16 ButtonHeld = 0;
qint16 GutterFlag = 0;
qint16 StrikeFlag = 0;
qint16 SolidLane = 0;
qint16 BalloonBusy = 0;
qint16 PopRegionsBuilt = 0;
qint16 FirstBallOfRack = 0;
qint16 PinState[12] = {};
QString szScore;
QString szSprit;
qint32 HoldCount = 0;
qint16 StartPos = 0, TargetPos = 0, HookPos = 0;
qint16 StartDir = 0, TargetDir = 0, HookDir = 0;
qint16 NextPin = 0;
float CurveStep = 0;
float LateralStep = 0;
qint16 HookValue = 0;
qint16 PathPins[3] = {};
qint16 BallX = 0;
float BallY = 0;
float BallDrawnLeft = 0;
float BallDrawnTop = 0;
bool BallVisible = false;
bool PinVisible[11] = {};

void ResetGameVars()
{
    GameState.clear();
    LoopDelay = DebugMode = ScoreSheetOnly = ButtonHeld = GutterFlag = StrikeFlag = 0;
    SolidLane = BalloonBusy = PopRegionsBuilt = FirstBallOfRack = 0;
    std::fill(std::begin(PinState), std::end(PinState), qint16(0));
    szScore.clear();
    szSprit.clear();
    HoldCount = 0;
    StartPos = TargetPos = HookPos = StartDir = TargetDir = HookDir = 0;
    NextPin = 0;
    CurveStep = LateralStep = 0;
    HookValue = 0;
    std::fill(std::begin(PathPins), std::end(PathPins), qint16(0));
    BallX = 0;
    BallY = BallDrawnLeft = BallDrawnTop = 0;
    BallVisible = false;
    std::fill(std::begin(PinVisible), std::end(PinVisible), false);
}
