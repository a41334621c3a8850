// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "singlegame.h"

#include "platform/profilelock.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace {
constexpr char kRuntimeDirVariable[] = "XDG_RUNTIME_DIR";
constexpr int kNameHashLength = 16;                   // hex digits of the folder's hash
constexpr std::chrono::milliseconds kLockWait{2000};  // another game between its look and its listen
constexpr int kAnswerMs = 1000;                       // a local write is done long before
constexpr char kShowYourself[] = "raise\n";

void raiseShownWindows()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            window->raise();
}
}  // namespace

QString SingleGame::socketPath(const QString &settingsFolder)
{
    const QByteArray hash =
        QCryptographicHash::hash(settingsFolder.toUtf8(), QCryptographicHash::Sha256).toHex();
    const QString name = QStringLiteral("marvolt-%1").arg(QString::fromLatin1(hash.left(kNameHashLength)));
    const QString runtime = qEnvironmentVariable(kRuntimeDirVariable);
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(name);
    // A folder every user shares: the user's number keeps the names apart.
    return QDir::temp().filePath(QStringLiteral("%1-%2").arg(name).arg(::getuid()));
}

SingleGame::SingleGame(const QString &settingsFolder)
{
    const QString path = socketPath(settingsFolder);
    const profile::ProfileLock lock(path + QStringLiteral(".lock"), kLockWait);
    if (askRunningGame(path)) {
        handedOver_ = true;
        return;
    }
    listen(path);
}

bool SingleGame::askRunningGame(const QString &path)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(kAnswerMs))
        return false;
    socket.write(kShowYourself);
    socket.waitForBytesWritten(kAnswerMs);
    socket.disconnectFromServer();
    return true;
}

void SingleGame::listen(const QString &path)
{
    QLocalServer::removeServer(path);  // left by a game that was killed
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(path)) {
        std::fprintf(stderr, "marvolt: cannot listen on %s (%s); a second start will not find this game\n",
                     qUtf8Printable(path), qUtf8Printable(server_.errorString()));
        return;
    }
    QObject::connect(&server_, &QLocalServer::newConnection, [this] {
        while (QLocalSocket *caller = server_.nextPendingConnection()) {
            QObject::connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            caller->disconnectFromServer();
        }
        raiseShownWindows();
    });
}
