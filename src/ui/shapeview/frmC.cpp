// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "shapeview/frmC.h"

#include "desktop/fonts.h"
#include "platform/twips.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
// Pixels, written as laid out in twips: the height, the text's top and the
// bottom line, 8 twips above the bottom edge.
constexpr int kHeight = fromTwips(220);
constexpr int kTextTop = fromTwips(40);
constexpr int kBottomLine = fromTwips(220 - 8);
constexpr double kTextPoints = 8.25;
}  // namespace

frmC::frmC() : ShapedWindow(QStringLiteral("CENTER")), font_(gameFont(kPGothic, kTextPoints))
{
    setAutoFillBackground(false);
}

void frmC::printText(const QString &text)
{
    text_ = text;
    const int width = QFontMetrics(font_).horizontalAdvance(text);
    setFixedSize(width, kHeight);
    update();
}

void frmC::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::black);
    p.setFont(font_);
    p.drawText(QRect(0, kTextTop, width(), height() - kTextTop), Qt::AlignLeft | Qt::AlignTop, text_);
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, kBottomLine, width() - 1, kBottomLine);
}
