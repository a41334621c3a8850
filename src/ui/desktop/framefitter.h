// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QBasicTimer>
#include <QMargins>
#include <QObject>

class QWidget;

// Keeps a window that has the window manager's frame, frame included, wholly
// on the usable area of the screen it stands on, whatever size and place it
// was given (one stored at another scale or on another screen): as it shows,
// and again while the window manager frames and places it. The frame is
// known only once the window manager has put it on; until then the last one
// seen stands in, or a likely title bar. A window never placed by the program
// keeps the window manager's placement unless that leaves it off the area.
// The watch ends a short while after the window is first drawn, so that the
// player may then put it anywhere.
class FrameFitter : public QObject
{
public:
    // Watches the window (and is owned by it).
    explicit FrameFitter(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    // `placed`: the window manager has placed the window.
    void fit(bool placed);

    QWidget *window_;
    QMargins frame_;
    bool watching_ = false;
    QBasicTimer settling_;  // runs from the first drawing on
};
