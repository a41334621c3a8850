// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "shapeview/shapedwindow.h"

#include "desktop/desktopwindow.h"
#include "desktop/drag.h"
#include "desktop/handcursor.h"
#include "desktop/placekeeper.h"
#include "desktop/regionmask.h"
#include "desktop/screen.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QShowEvent>

namespace {
// An ordinary window, not a tool window: some window managers (KWin) hide an
// application's tool windows while none of its windows is active, and these
// windows never become active.
constexpr Qt::WindowFlags kFlags = Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                   Qt::WindowDoesNotAcceptFocus;
}  // namespace

ShapedWindow::ShapedWindow(const QString &title) : QWidget(nullptr, kFlags)
{
    setWindowTitle(title);
    setAttribute(Qt::WA_ShowWithoutActivating);
    new PlaceKeeper(this);
}

bool ShapedWindow::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
{
    withdrawAttention(this, eventType, message);
    return QWidget::nativeEvent(eventType, message, result);
}

void ShapedWindow::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        prepareDesktopWindow(this);
    QWidget::showEvent(event);
}

// The window manager's request arrives as a spontaneous close; the game's
// own close() calls are not.
void ShapedWindow::closeEvent(QCloseEvent *event)
{
    if (!event->spontaneous()) {
        event->accept();
        return;
    }
    event->ignore();
    Q_EMIT closeRequested();
}

ShapedWindow::ShapeResult ShapedWindow::setShape(const std::optional<std::vector<QRect>> &rects)
{
    if (!rects)
        return ShapeResult::BuildFailed;
    if (!setWindowRegion(this, regionFromRects(*rects)))
        return ShapeResult::SetFailed;
    return ShapeResult::Done;
}

void ShapedWindow::moveToScreenCorner() { move(0, usableScreenBottom() - frameGeometry().height()); }

void ShapedWindow::startDrag() { startWindowDrag(this); }

void ShapedWindow::setClickAreas(std::vector<QRect> areas)
{
    clickAreas_ = std::move(areas);
    setMouseTracking(!clickAreas_.empty());
}

bool ShapedWindow::inClickArea(const QPoint &at) const
{
    for (const QRect &area : clickAreas_)
        if (area.contains(at))
            return true;
    return false;
}

void ShapedWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (!inClickArea(event->position().toPoint())) {
        unsetCursor();
        return;
    }
    if (!hand_)
        hand_ = buildHandCursor();
    setCursor(*hand_);
}
