// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "lane/frmDenkou.h"

#include "platform/fonts.h"
#include "platform/pictures.h"

#include <QPainter>

namespace {
constexpr int kBoardWidth = 360;  // twips
constexpr int kBoardHeight = 420;
constexpr int kGapToLane = 60;
// A lamp covers its dot of the background exactly: per row of the dot, the
// first column and the width, in board pixels from the dot's top-left.
struct LampRow
{
    int left, width;
};
constexpr LampRow kLampRows[] = {{1, 3}, {0, 5}, {0, 5}, {1, 3}};

// Lamp i lights pin i + 1; the head pin is at the bottom, pin 10 top left.
constexpr QPoint kLampTwips[kBoardLamps] = {
    {150, 210}, {195, 150}, {105, 150}, {240, 90}, {150, 90},
    {60, 90},   {285, 30},  {195, 30},  {105, 30}, {15, 30},
};
constexpr QRect kLabelTwips(22, 285, 330, 150);
constexpr const char *kMarkPictures[kBoardMarks] = {"mark_blank", "mark_spare", "mark_strike"};

constexpr QColor kBlueGround(0, 0, 255);
constexpr QColor kWhiteLamp(255, 255, 255);
constexpr QColor kBlackGround(0, 0, 0);
constexpr QColor kGreyLamp(128, 128, 128);
constexpr int kLabelPixelSize = 9;
}  // namespace

frmDenkou::frmDenkou()
{
    background_ = Picture("denkou_bg");
    for (int i = 0; i < kBoardMarks; ++i)
        marks_[i] = Picture(kMarkPictures[i]);
    fno_ = new QLabel(QStringLiteral("F-01"), this);
    QFont font(kGothic);
    font.setPixelSize(kLabelPixelSize);
    // Crisp lamp-coloured strokes: blended into the ground, text this small
    // turns pale and smears.
    font.setStyleStrategy(QFont::NoAntialias);
    fno_->setFont(font);
    fno_->setGeometry(TwipsToPixels(kLabelTwips));
    fno_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    applyLook(Look::Blue);
    resizeTwips(kBoardWidth, kBoardHeight);
}

void frmDenkou::placeBeside(const TwipsRect &lane)
{
    const int centred = lane.top + (lane.height - kBoardHeight) / 2;  // in whole twips
    moveTwips(lane.width + kGapToLane, centred);
}

void frmDenkou::applyLook(Look look)
{
    ground_ = look == Look::Blue ? kBlueGround : kBlackGround;
    lamp_ = look == Look::Blue ? kWhiteLamp : kGreyLamp;
    fno_->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(lamp_.name()));
    update();
}

void frmDenkou::setLamp(int lamp, bool lit)
{
    lit_[lamp] = lit;
    update();
}

void frmDenkou::setMarkVisible(int mark, bool visible)
{
    markShown_[mark] = visible;
    update();
}

void frmDenkou::setFrameLabel(const QString &text) { fno_->setText(text); }

void frmDenkou::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), ground_);
    p.drawPixmap(0, 0, background_);
    // Drawn in board pixels, as the dots are, so that a lamp stays on its
    // dot at every scale.
    for (int i = 0; i < kBoardLamps; ++i) {
        if (!lit_[i])
            continue;
        const QPoint at = TwipsToPixels(QRect(kLampTwips[i], QSize())).topLeft();
        int y = at.y();
        for (const LampRow &row : kLampRows)
            p.fillRect(at.x() + row.left, y++, row.width, 1, lamp_);
    }
    // Later marks lie above earlier ones, as the blank covers the mark it
    // blinks with.
    for (int m : {kMarkSpare, kMarkStrike, kMarkBlank})
        if (markShown_[m])
            p.drawPixmap(0, 0, marks_[m]);
}
