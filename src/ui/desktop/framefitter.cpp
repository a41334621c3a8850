// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "desktop/framefitter.h"

#include "desktop/screen.h"
#include "platform/screenfit.h"

#include <QEvent>
#include <QTimerEvent>
#include <QWidget>

namespace {
// A frame before any is known: a title bar and thin borders.
constexpr QMargins kLikelyFrame(4, 30, 4, 4);
// How long after a window is first drawn the window manager's placement is
// still awaited (see PlaceKeeper).
constexpr int kSettleMs = 500;

QMargins frameOf(const QWidget &window)
{
    const QRect client = window.geometry(), frame = window.frameGeometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom());
}
}  // namespace

FrameFitter::FrameFitter(QWidget *window) : QObject(window), window_(window), frame_(kLikelyFrame)
{
    window->installEventFilter(this);
}

void FrameFitter::fit(bool placed)
{
    if (const QMargins seen = frameOf(*window_); !seen.isNull())
        frame_ = seen;
    const QRect client = window_->geometry();
    const QRect fitted = clientFittedInto(client, frame_, availableAreaAt(client.marginsAdded(frame_)));
    if (fitted == client)
        return;
    // The window manager places a window the program never placed; until
    // it has, the place it has is none.
    if (placed || window_->testAttribute(Qt::WA_Moved))
        window_->setGeometry(fitted);
    else
        window_->resize(fitted.size());
}

bool FrameFitter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        watching_ = true;
        fit(false);
        break;
    case QEvent::Paint:
        if (watching_ && !settling_.isActive())
            settling_.start(kSettleMs, this);
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (watching_ && event->spontaneous())
            fit(true);
        break;
    case QEvent::Hide:
        watching_ = false;
        settling_.stop();
        break;
    default:
        break;
    }
    return false;
}

void FrameFitter::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != settling_.timerId())
        return;
    fit(true);
    watching_ = false;
    settling_.stop();
}
