// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "shapes/shapedwindow.h"

#include "platform/drag.h"
#include "platform/handcursor.h"
#include "platform/regionmask.h"

#include <QMouseEvent>

namespace {
constexpr Qt::WindowFlags kFlags = Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint;
}  // namespace

ShapedWindow::ShapedWindow(const QString &title, Focus focus)
    : QWidget(nullptr, focus == Focus::Never ? kFlags | Qt::WindowDoesNotAcceptFocus : kFlags)
{
    setWindowTitle(title);
    if (focus == Focus::Never)
        setAttribute(Qt::WA_ShowWithoutActivating);
}

ShapedWindow::ShapeResult ShapedWindow::setShape(const std::optional<std::vector<QRect>> &rects)
{
    if (!rects)
        return ShapeResult::BuildFailed;
    if (!SetWindowRegion(this, RegionFromRects(*rects)))
        return ShapeResult::SetFailed;
    return ShapeResult::Done;
}

void ShapedWindow::startDrag() { StartWindowDrag(this); }

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
        hand_ = BuildHandCursor();
    setCursor(*hand_);
}
