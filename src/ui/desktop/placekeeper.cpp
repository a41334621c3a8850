// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "desktop/placekeeper.h"

#include <QEvent>
#include <QTimerEvent>
#include <QWidget>

namespace {
// How long after a window is first drawn a move is still taken for the
// window manager's placement: far longer than it takes, far shorter than a
// player needs to grab the window.
constexpr int kSettleMs = 500;
}  // namespace

PlaceKeeper::PlaceKeeper(QWidget *window) : QObject(window), window_(window)
{
    window->installEventFilter(this);
    for (QWidget *part : window->findChildren<QWidget *>())
        part->installEventFilter(this);
}

void PlaceKeeper::keepCurrentPlace() { place_ = window_->pos(); }

void PlaceKeeper::stopWatching()
{
    place_.reset();
    settling_.stop();
}

bool PlaceKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window_) {
        if (event->type() == QEvent::MouseButtonPress)
            stopWatching();
        return false;
    }
    switch (event->type()) {
    case QEvent::Show:
        keepCurrentPlace();
        break;
    case QEvent::Paint:
        if (place_ && !settling_.isActive())
            settling_.start(kSettleMs, this);
        break;
    case QEvent::Hide:
    case QEvent::MouseButtonPress:
        stopWatching();
        break;
    case QEvent::Move:
        if (!place_)
            break;
        // The program's own moves set the place; the window system's
        // report of one elsewhere is the window manager's placement.
        if (!event->spontaneous()) {
            keepCurrentPlace();
        } else if (window_->pos() != *place_) {
            const QPoint place = *place_;
            stopWatching();
            window_->move(place);
        }
        break;
    default:
        break;
    }
    return false;
}

void PlaceKeeper::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == settling_.timerId())
        stopWatching();
}
