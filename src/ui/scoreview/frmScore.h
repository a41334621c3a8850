// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "score/sheetlayout.h"
#include "shapeview/shapedwindow.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

// The score sheet: a small frameless window that draws one game in bowling
// notation from a throw record and its split marks. It keeps no game state;
// everything shown comes from the last DisplayScore.
//
// Constructing a sheet sizes it and shows the empty grid but neither places
// nor shows the window. It reports a press on its close button, and its
// closing.
class frmScore : public ShapedWindow
{
    Q_OBJECT
public:
    // Grid colour of the live sheet and of the replay sheet.
    static inline const QColor kLiveLineColor{0, 0, 0};
    static inline const QColor kReplayLineColor{255, 0, 0};

    // nColor is the colour of every grid line, fixed for the sheet's life.
    explicit frmScore(const QColor &nColor = kLiveLineColor);

    QColor nColor() const { return nColor_; }

    // Shows the game of the two records in place of the last one. Only
    // positions 1..21 are drawn.
    void DisplayScore(const QString &szScore, const QString &szSprit);

Q_SIGNALS:
    void Label1_Click();  // the close button
    void closing();       // the sheet is about to close, in its place

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QColor nColor_;
    QFont font_;
    QImage background_;
    QImage strike_;
    QImage spare_;
    SheetDrawing shown_;
};
