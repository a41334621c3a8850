// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "scoreview/frmScore.h"

#include "desktop/fonts.h"
#include "desktop/linepixels.h"
#include "desktop/pictures.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

using namespace SheetLayout;

namespace {

constexpr double kFontPoints = 8.25;
constexpr int kMinFontPixels = 6;
const QString kFontProbe = QStringLiteral("0123456789G-");
const QColor kTextColor{0, 0, 0};
const QColor kPanelColor{0xD6, 0xD4, 0xCC};  // stands in while the artwork is missing

// The game font at the layout's size, made smaller where the installed
// replacement's digits would not fit the 12-pixel rows. Its edges are
// smoothed in grey only, also on a desktop that asks for subpixel colour
// fringes: the sheet looks the same on every desktop.
QFont sheetFont()
{
    QFont font = gameFont(kPGothic, kFontPoints);
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoSubpixelAntialias));
    while (font.pixelSize() > kMinFontPixels) {
        const QFontMetrics m(font);
        if (m.ascent() + m.tightBoundingRect(kFontProbe).bottom() <= kDigitInkDepth)
            break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

void paintGrid(QPainter &p, const SheetDrawing &drawing, const QColor &colour)
{
    for (const QRect &r : drawing.boxes) {
        p.fillRect(r.left(), r.top(), r.width(), 1, colour);
        p.fillRect(r.left(), r.bottom(), r.width(), 1, colour);
        p.fillRect(r.left(), r.top(), 1, r.height(), colour);
        p.fillRect(r.right(), r.top(), 1, r.height(), colour);
    }
    for (const QLine &line : drawing.lines)
        p.fillRect(linePixels(line), colour);
}

}  // namespace

frmScore::frmScore(const QColor &nColor)
    : nColor_(nColor), font_(sheetFont()), background_(pictureImage("score_bg")),
      strike_(pictureImage("strike")), spare_(pictureImage("spare"))
{
    setObjectName(QStringLiteral("frmScore"));
    setFixedSize(kWindowPixels);
    DisplayScore(QString(), QString());
}

void frmScore::DisplayScore(const QString &szScore, const QString &szSprit)
{
    const QFontMetrics metrics(font_);
    shown_ = sheetContents(szScore, szSprit, [&metrics](SheetTextRole, const QString &text) {
        return metrics.horizontalAdvance(text);
    });
    update();
}

// Painted at the screen's pixel density: the artwork is scaled
// nearest-neighbour, so every art pixel stays a square, while text and
// circles are drawn at full resolution.
void frmScore::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), kPanelColor);
    p.drawImage(0, 0, background_);
    p.setFont(font_);
    p.setPen(QPen(kTextColor, 1));
    p.setBrush(Qt::NoBrush);
    for (const SheetText &text : shown_.texts)
        p.drawText(QRect(text.topLeft, kWindowPixels), Qt::AlignLeft | Qt::AlignTop, text.text);
    for (const QPoint &centre : shown_.splitCircles)
        p.drawEllipse(centre, kSplitRadius, kSplitRadius);
    paintGrid(p, shown_, nColor_);
    for (const SheetMark &mark : shown_.marks)
        p.drawImage(mark.topLeft, mark.picture == SheetPicture::Strike ? strike_ : spare_);
}

void frmScore::mousePressEvent(QMouseEvent *event)
{
    if (kLabel1.contains(event->position().toPoint()))
        Q_EMIT Label1_Click();
    else if (event->button() == Qt::LeftButton)
        startDrag();
}

void frmScore::closeEvent(QCloseEvent *event)
{
    if (event->spontaneous())
        return ShapedWindow::closeEvent(event);
    Q_EMIT closing();
    event->accept();
}
