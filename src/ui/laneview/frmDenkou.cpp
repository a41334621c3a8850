// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "laneview/frmDenkou.h"

#include "desktop/fonts.h"
#include "desktop/pictures.h"
#include "platform/twips.h"

#include <QPainter>

namespace {
// Pixels, written as laid out in twips.
constexpr QSize kBoardSize = fromTwips(QSize(360, 420));
constexpr int kGapToLane = fromTwips(60);
// A lamp covers its dot of the background exactly: per row of the dot, the
// first column and the width, in board pixels from the dot's top-left.
struct LampRow
{
    int left, width;
};
constexpr LampRow kLampRows[] = {{1, 3}, {0, 5}, {0, 5}, {1, 3}};

// Lamp i lights pin i + 1; the head pin is at the bottom, pin 10 top left.
// Left and top of each lamp, in twips.
constexpr QPoint kLampTwips[kBoardLamps] = {
    {150, 210}, {195, 150}, {105, 150}, {240, 90}, {150, 90},
    {60, 90},   {285, 30},  {195, 30},  {105, 30}, {15, 30},
};
constexpr std::array<QPoint, kBoardLamps> kLamps = fromTwips(kLampTwips);
constexpr QRect kLabel = fromTwips(QRect(22, 285, 330, 150));
constexpr const char *kMarkPictures[kBoardMarks] = {"mark_blank", "mark_spare", "mark_strike"};

constexpr QColor kBlueGround(0, 0, 255);
constexpr QColor kWhiteLamp(255, 255, 255);
constexpr QColor kBlackGround(0, 0, 0);
constexpr QColor kGreyLamp(128, 128, 128);
constexpr int kLabelPixelSize = 9;
}  // namespace

frmDenkou::frmDenkou()
{
    background_ = pictureNamed("denkou_bg");
    for (int i = 0; i < kBoardMarks; ++i)
        marks_[i] = pictureNamed(kMarkPictures[i]);
    fno_ = new QLabel(QStringLiteral("F-01"), this);
    QFont font(kGothic);
    font.setPixelSize(kLabelPixelSize);
    // Crisp lamp-coloured strokes: blended into the ground, text this small
    // turns pale and smears.
    font.setStyleStrategy(QFont::NoAntialias);
    fno_->setFont(font);
    fno_->setGeometry(kLabel);
    fno_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    applyLook(Look::Blue);
    setFixedSize(kBoardSize);
}

// Centred in whole pixels, the half pixel dropped: the place that centring
// in twips and rounding gives, whatever the lane's height.
void frmDenkou::placeBeside(const QRect &lane)
{
    move(lane.width() + kGapToLane, lane.top() + (lane.height() - kBoardSize.height()) / 2);
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
        const QPoint at = kLamps[i];
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
