// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

// Notices the end of the desktop session: SIGTERM, and the session
// manager's quit (which reaches the application as a Quit event; the game
// never runs QApplication::exec(), so Qt's own quit would do nothing). Each
// is reported once through `onEnd`, which only records the request; the
// main loop ends the program at its next pass, as E on the start dialog does.
//
// SIGTERM is read from a signalfd, so no signal handler runs at all. The
// signal must be blocked before any thread starts: call blockTermination()
// first thing in main, before QApplication exists.
class SessionEnd : public QObject
{
public:
    explicit SessionEnd(std::function<void()> onEnd);
    ~SessionEnd() override;

    static void blockTermination();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void report();

    std::function<void()> onEnd_;
    int signalFd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool reported_ = false;
};
