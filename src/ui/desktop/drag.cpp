// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "desktop/drag.h"

#include "desktop/x11desktop.h"

#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {
// Follows the pointer while the button is down; removes itself on release.
class PointerFollower : public QObject
{
public:
    explicit PointerFollower(QWidget *window)
        : QObject(window), window_(window), grabOffset_(QCursor::pos() - window->pos())
    {
        window->installEventFilter(this);
        window->grabMouse();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove:
            window_->move(static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - grabOffset_);
            return true;
        case QEvent::MouseButtonRelease:
            finish();
            return true;
        case QEvent::Hide:
            finish();
            return false;
        default:
            return false;
        }
    }

private:
    void finish()
    {
        window_->releaseMouse();
        window_->removeEventFilter(this);
        deleteLater();
    }

    QWidget *window_;
    QPoint grabOffset_;
};
}  // namespace

void startWindowDrag(QWidget *window)
{
    if (!window)
        return;
    // The toolkit's own request can carry a stale window position as the
    // pointer's place on the screen, and the window manager then flings the
    // window by that much; this one asks with the pointer's true place.
    if (requestWindowManagerMove(window->windowHandle()))
        return;
    if (QWindow *handle = window->windowHandle(); handle && handle->startSystemMove())
        return;
    new PointerFollower(window);
}
