// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "game/throwrules.h"

#include "lane/ballmotion.h"
#include "lane/lanemodel.h"
#include "lane/pinmodel.h"

#include <QCoreApplication>

namespace {
constexpr char kContext[] = "ThrowRules";
const char *const kNewHighScore = QT_TRANSLATE_NOOP(
    "ThrowRules", "ハイスコアがでました！\r\nあなたは、%1位にランキングされました。");
const char *const kPlayAgain = QT_TRANSLATE_NOOP("ThrowRules", "続けてゲームしますか？");
const QString kLineBreak = QStringLiteral("\r\n");

}  // namespace

void beginGame(Game &game) { game.advance(GameState::NextThrow); }

void clearRecord(Game &game)
{
    game.record = {};
    game.rack.FirstBallOfRack = false;
}

void prepareThrow(Game &game)
{
    game.aim.HoldCount = 0;
    game.LoopDelay = kAimingLoopDelay;
    Rack &rack = game.rack;
    rack.FirstBallOfRack = !rack.FirstBallOfRack;
    if (rack.FirstBallOfRack)
        rack.raiseAll();
    rack.standingAtThrow = rack.standingCount();
    Aim &aim = game.aim;
    aim.StartPos = aim.TargetPos = aim.HookPos = 0;
    aim.StartDir = aim.TargetDir = aim.HookDir = 1;
}

GameState aimingState(const Game &game) { return game.DebugMode ? GameState::Debug : GameState::Location1; }

void startRoll(Game &game)
{
    Aim &aim = game.aim;
    // Rather than with the strongest hook the untouched position would give.
    if (aim.HoldCount == 0)
        aim.HookPos = kStraightHook;
    beginRoll(game, {aim.StartPos, aim.TargetPos, aim.HookPos});
    game.advance(GameState::ThrowT);
}

void toppleAfterSplit(Game &game)
{
    if (game.record.szSprit.endsWith(kSplitChar) && !game.rack.FirstBallOfRack)
        for (int pin : game.roll.PathPins)
            TopplePathNeighbour(game, pin);
}

BallCount countBall(Game &game)
{
    Rack &rack = game.rack;
    // A ball with StrikeFlag fells every pin standing at the throw; typed-in
    // results of ten move pins past the count, so its count comes from there.
    ThrowResult ball;
    ball.firstBall = rack.FirstBallOfRack;
    ball.gutter = game.roll.GutterFlag;
    ball.allDown = game.roll.StrikeFlag || rack.standingCount() == 0;
    ball.felled = game.roll.StrikeFlag ? rack.standingAtThrow : rack.felledThisRollCount();
    ball.split = ball.firstBall && !ball.allDown && IsSplit(rack);
    BallCount count;
    const auto written = game.record.szScore.size();
    count.over = appendThrow(game.record.szScore, game.record.szSprit, ball, &count.mark);
    // A strike leaves nothing, whatever the rack shows of pins the ball did
    // not reach; a ball past the end of the record is not written at all.
    if (ball.firstBall && game.record.szScore.size() != written)
        for (int pin = kFirstPin; pin <= kLastPin; ++pin)
            game.record.leaves += count.mark != PinMark::Strike && rack.standing(pin) ? u'1' : u'0';
    if (count.mark == PinMark::Strike)
        rack.FirstBallOfRack = false;
    return count;
}

EndOfGameBox endOfGameBoxFor(const Game &game, int place)
{
    const QString announcement = place != 0
                                     ? QCoreApplication::translate(kContext, kNewHighScore).arg(place)
                                     : QString();
    if (game.state() == GameState::GameOver)
        return {announcement, false};
    const QString playAgain = QCoreApplication::translate(kContext, kPlayAgain);
    return {announcement.isEmpty() ? playAgain : announcement + kLineBreak + playAgain, true};
}

void endGame(Game &game, bool playOn) { game.advance(playOn ? GameState::Init : GameState::GameOver); }
