#include "shapes/balloonpiece.h"

#include "platform/screen.h"

#include <QPainter>

namespace {
constexpr int kDesignWidth = 120;  // twips, before the balloon sizes the piece
constexpr int kDesignHeight = 150;
}  // namespace

BalloonPiece::BalloonPiece(const QString &caption)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus)
{
    setWindowTitle(caption);
    setAttribute(Qt::WA_ShowWithoutActivating);
    ResizeWindowTwips(this, kDesignWidth, kDesignHeight);
}

void BalloonPiece::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void BalloonPiece::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, picture_);
}
