// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "score/scoresheetlayout.h"
#include "shapes/shapedwindow.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <array>

// The score sheet: a small frameless window that draws one game in bowling
// notation from a throw record and its split marks. It keeps no game state;
// everything shown comes from the last DisplayScore.
//
// Constructing a sheet sizes it and builds its grid but neither places nor
// shows it. It reports a press on its close button, and its closing.
class frmScore : public ShapedWindow
{
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 4815;
    static constexpr int kHeightTwips = 675;

    // Grid colour of the live sheet and of the replay sheet.
    static inline const QColor kLiveLineColor{0, 0, 0};
    static inline const QColor kReplayLineColor{255, 0, 0};

    // nColor is the colour of every grid line, fixed for the sheet's life.
    explicit frmScore(const QColor &nColor = kLiveLineColor);

    QColor nColor() const { return nColor_; }

    // Builds the grid. Run once on construction; running it again leaves the
    // sheet as it was.
    void Display();
    // Clears what the last call drew and draws the game of the two records.
    // Only positions 1..21 are drawn.
    void DisplayScore(const QString &szScore, const QString &szSprit);

    // Everything the sheet shows: the background picture, what DisplayScore
    // drew, the grid and the visible mark pictures; at the screen's pixel
    // density (devicePixelRatio), addressed in window pixels.
    const QImage &backBuffer() const { return sheet_; }

Q_SIGNALS:
    void Label1_Click();  // the close button
    void closing();       // the sheet is about to close, in its place

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct Control
    {
        QRect rect;  // a line is a one-pixel-wide rectangle without its end point
        bool visible = true;
    };

    void buildBackground();
    void clearDrawing();
    void drawText(int x, int y, const QString &text);
    void drawSplitCircle(int x, int y);
    void showPicture(std::array<Control, ScoreSheetLayout::kPictureCount> &pictures, int &next, int left,
                     int top);
    void compose();

    int textWidth(const QString &text) const;

    QColor nColor_;
    QFont font_;
    QImage background_;
    QImage drawing_;  // text and circles; cleared by DisplayScore
    QImage sheet_;    // the back buffer painted on screen
    QImage strike_;
    QImage spare_;
    QString shownScore_, shownSprit_;  // what the last DisplayScore drew

    std::array<Control, ScoreSheetLayout::kWakuCount> waku_;
    std::array<Control, ScoreSheetLayout::kWakuCount> lineT_;
    std::array<Control, ScoreSheetLayout::kWakuCount> lineH_;
    std::array<Control, ScoreSheetLayout::kLineVCount> lineV_;
    std::array<Control, ScoreSheetLayout::kPictureCount> picStrike_;
    std::array<Control, ScoreSheetLayout::kPictureCount> picSpare_;
};
