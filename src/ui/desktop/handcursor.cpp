// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "desktop/handcursor.h"

#include "desktop/pictures.h"

#include <QBitmap>
#include <QImage>

namespace {
constexpr int kHotX = 5;
constexpr int kHotY = 0;
}  // namespace

QCursor buildHandCursor()
{
    const QImage art = pictureImage("hand").convertToFormat(QImage::Format_ARGB32);
    if (art.isNull())
        return QCursor(Qt::PointingHandCursor);
    // Black pixels draw, white ones fill, transparent ones show the screen.
    QImage ink(art.size(), QImage::Format_Mono);
    QImage mask(art.size(), QImage::Format_Mono);
    // Index 1 is the set bit (drawn black); index 0 the clear bit.
    const QList<QRgb> bits = {qRgb(255, 255, 255), qRgb(0, 0, 0)};
    ink.setColorTable(bits);
    mask.setColorTable(bits);
    ink.fill(0);
    mask.fill(0);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x) {
            const QRgb p = art.pixel(x, y);
            if (qAlpha(p) < 128)
                continue;
            mask.setPixel(x, y, 1);
            if (qGray(p) < 128)
                ink.setPixel(x, y, 1);
        }
    return QCursor(QBitmap::fromImage(ink), QBitmap::fromImage(mask), kHotX, kHotY);
}
