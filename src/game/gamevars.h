#pragma once
#include <QString>
#include <QtGlobal>

// The game's shared state. Flags are 16-bit with -1 for true and 0 for false.
// Window handlers and menu commands only ever change GameState or a flag; the
// main loop does the work at its next pass.

constexpr qint16 kTrue = -1;
constexpr qint16 kFalse = 0;

extern QString GameState;        // one of the state names below; compared exactly
extern qint16 LoopDelay;         // minimum length of one loop pass, ms

extern qint16 DebugMode;         // results are typed in; Wait returns at once
extern qint16 ScoreSheetOnly;    // lane and pin board stay hidden during a game
extern qint16 ButtonHeld;        // throw button still held after the press into "location3"
extern qint16 GutterFlag;        // the current ball left the lane sideways
extern qint16 StrikeFlag;        // every standing pin the ball reaches falls
extern qint16 SolidLane;         // -1 solid lane look, 0 skeleton look
extern qint16 BalloonBusy;       // a message balloon is up: lane and start dialog ignore presses
extern qint16 PopRegionsBuilt;   // the balloon's region table has been filled

extern qint16 FirstBallOfRack;   // 1 for the first ball on a fresh rack, 0 for the second
extern qint16 PinState[12];      // 1..10: 0 standing, 1 felled by this ball, 2 felled earlier
extern QString szScore;          // throw record, one character per throw slot
extern QString szSprit;          // split marks, same length as szScore

extern qint32 HoldCount;         // passes spent in "location3"
extern qint16 StartPos, TargetPos, HookPos;
extern qint16 StartDir, TargetDir, HookDir;

// The ball and the pins as the lane window shows them. The lane window draws
// from these; the rules only change them.
extern qint16 NextPin;           // lead pin of the next row the ball reaches
extern float CurveStep;
extern float LateralStep;
extern qint16 HookValue;         // hook setting minus 4
extern qint16 PathPins[3];       // path pin of rows 2, 3 and 4, 0 for none
extern qint16 BallX;             // ball position (top-left), lane pixels
extern float BallY;
extern float BallDrawnLeft;      // where the ball image was last moved to
extern float BallDrawnTop;
extern bool BallVisible;
extern bool PinVisible[11];      // image Pin(0)..Pin(10)

namespace State {
inline const QString StartDlg = QStringLiteral("start-dlg");
inline const QString StartWait = QStringLiteral("start-wait");
inline const QString Start = QStringLiteral("start");
inline const QString Init = QStringLiteral("init");
inline const QString NextThrow = QStringLiteral("next-throw");
inline const QString Location1 = QStringLiteral("location1");
inline const QString Location2 = QStringLiteral("location2");
inline const QString Location3 = QStringLiteral("location3");
inline const QString Location4 = QStringLiteral("location4");
inline const QString ThrowS = QStringLiteral("throw-s");
inline const QString ThrowT = QStringLiteral("throw-t");
inline const QString ThrowE = QStringLiteral("throw-e");
inline const QString Debug = QStringLiteral("debug");
inline const QString GameOver = QStringLiteral("game-over");
inline const QString End = QStringLiteral("end");
}  // namespace State

// Puts every variable above back to its start-of-program value (tests).
void ResetGameVars();
