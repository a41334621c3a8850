// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QBasicTimer>
#include <QObject>
#include <QPoint>
#include <optional>

class QWidget;

// Keeps a window at the place it was shown at. Some window managers (i3)
// put a new window a little off the place it asks for, a moment after it
// first shows, and honour every later move exactly; so the first time after
// a show that the window system reports the window elsewhere, it is moved
// back, once. The program's own moves set the place anew. The watch ends
// there, at a mouse press on the window or on a part it had when the keeper
// was made (a drag), when the window hides, and a short while after it is
// first drawn: a window manager places a window as it maps it, while a move
// after that is the player's.
class PlaceKeeper : public QObject
{
public:
    // Watches the window (and is owned by it) from its next show on.
    explicit PlaceKeeper(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void keepCurrentPlace();
    void stopWatching();

    QWidget *window_;
    std::optional<QPoint> place_;  // while watching
    QBasicTimer settling_;         // runs from the first drawing on
};
