// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "sessionend.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {
sigset_t terminationSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    return set;
}
}  // namespace

void SessionEnd::blockTermination()
{
    const sigset_t set = terminationSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

SessionEnd::SessionEnd(std::function<void()> onEnd) : onEnd_(std::move(onEnd))
{
    const sigset_t set = terminationSignals();
    signalFd_ = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (signalFd_ >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(signalFd_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
            signalfd_siginfo info;
            while (read(signalFd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
            }
            report();
        });
    }
    QCoreApplication::instance()->installEventFilter(this);
}

SessionEnd::~SessionEnd()
{
    notifier_.reset();
    if (signalFd_ >= 0)
        close(signalFd_);
}

bool SessionEnd::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != QCoreApplication::instance() || event->type() != QEvent::Quit)
        return false;
    report();
    return true;
}

void SessionEnd::report()
{
    if (reported_)
        return;
    reported_ = true;
    onEnd_();
}
