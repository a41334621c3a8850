// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QtGlobal>

class Game;

// The ball's run down the lane. A roll is set up once from the three aiming
// positions and then advanced by one stepBall per pass of the main loop; the
// lane window draws the ball from the roll's BallDrawnLeft, BallDrawnTop and
// BallVisible.

constexpr qint16 kBallStartX = 25;
constexpr int kBallStartYBase = 4;  // y = 2 * start position + this
constexpr int kBallStartYPerRow = 2;
constexpr int kBallStepX = 3;          // pixels along the lane per step
constexpr int kCurveAfterX = 200;      // the curve acts only beyond this x
constexpr float kCurveGrowth = 1.01f;  // the curve sharpens by 1 % every step
constexpr double kLateralPerAimRow = 0.035;
constexpr double kCurvePerHookRow = 0.1;
constexpr double kHookValuePerCurve = 10.0;  // HookValue = CurveStep * this, rounded
constexpr int kStraightHook = 4;             // hook position that curves neither way
constexpr qint16 kRollLoopDelay = 18;        // ms per step while the ball rolls

// The three aiming positions a roll starts from, as marker rows (normally
// 0..8; -1 and 9 caught at a turn are used as they are).
struct RollAim
{
    int start = 0;   // where the ball is placed across the lane
    int target = 0;  // the aim point: sets the drift across the lane
    int hook = 0;    // how far, and which way, the ball curves
};

// Places the ball for a roll from `aim`, shows it and clears the per-roll
// state: GutterFlag, StrikeFlag, PathPins, NextPin = 1. Also sets LoopDelay
// to the rolling pace. The caller waits, resets the aiming markers
// beforehand and moves the state on to "throw-t".
void beginRoll(Game &game, const RollAim &aim);

// One step of the rolling ball. Past the end of the lane it sets the state
// to "throw-e" instead of moving. A ball in the gutter stops curving, is
// held at the edge and reaches no more pin rows.
void stepBall(Game &game);
