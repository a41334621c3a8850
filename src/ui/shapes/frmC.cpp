// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "shapes/frmC.h"

#include "platform/fonts.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int kHeight = 220;      // twips
constexpr int kTextTop = 40;      // twips from the top
constexpr int kBottomLineUp = 8;  // twips above the bottom edge
constexpr double kTextPoints = 8.25;
}  // namespace

frmC::frmC() : ShapedWindow(QStringLiteral("CENTER")), font_(GameFont(kPGothic, kTextPoints))
{
    setAutoFillBackground(false);
}

void frmC::printText(const QString &text)
{
    text_ = text;
    const int width = QFontMetrics(font_).horizontalAdvance(text);
    setFixedSize(width, TwipsToPixels(kHeight));
    update();
}

void frmC::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::black);
    p.setFont(font_);
    const int top = TwipsToPixels(kTextTop);
    p.drawText(QRect(0, top, width(), height() - top), Qt::AlignLeft | Qt::AlignTop, text_);
    const int bottom = TwipsToPixels(kHeight - kBottomLineUp);
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, bottom, width() - 1, bottom);
}
