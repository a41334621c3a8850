// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QByteArray>
#include <QString>
#include <memory>

class QSocketNotifier;

// One game for each settings folder, so that two games never stand on top
// of each other nor write one KVZ.ini and history. The game that runs for a
// folder listens on a local (Unix domain) socket named after it, in
// $XDG_RUNTIME_DIR (else the temporary folder); a second start for the
// folder finds it there, asks it to bring its windows to the front and gives
// way. A socket left behind by a game that was killed answers nobody and is
// taken over. Looking for the game and taking the socket hold a lock beside
// the socket, so that of two games started at once one runs. Nothing here
// waits on a game that does not answer: connecting to a local socket is
// done or refused at once.
class SingleGame
{
public:
    explicit SingleGame(const QString &settingsFolder);
    ~SingleGame();
    SingleGame(const SingleGame &) = delete;
    SingleGame &operator=(const SingleGame &) = delete;

    // Another game runs for the folder and has been asked to show itself.
    bool handedOver() const { return handedOver_; }
    // Stops listening and removes the socket: the game ends.
    void close();
    // The socket's path: the same for every start for the folder.
    static QString socketPath(const QString &settingsFolder);

private:
    bool askRunningGame();
    void listen();
    void answerCallers();

    QByteArray path_;
    int listening_ = -1;
    std::unique_ptr<QSocketNotifier> callers_;
    bool handedOver_ = false;
};
