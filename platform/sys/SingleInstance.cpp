#include "SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <unistd.h>

namespace {

constexpr int kAnswerWaitMs = 1000;

// True when a live copy took the request to show itself.
bool AskRunningCopy(const QString &path)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(kAnswerWaitMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

} // namespace

SingleInstance::SingleInstance(const QString &name)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    path_ = QDir(dir).filePath(QStringLiteral("%1-%2.sock").arg(name).arg(getuid()));
}

SingleInstance::~SingleInstance()
{
    if (server_)
        server_->close();   // removes the socket file
}

bool SingleInstance::Claim()
{
    if (server_)
        return true;
    // Two copies starting together must not both find no listener and both
    // take the socket over: the look and the take are one step under a lock.
    QLockFile lock(path_ + QStringLiteral(".lock"));
    lock.setStaleLockTime(5000);
    lock.lock();
    if (AskRunningCopy(path_))
        return false;
    QLocalServer::removeServer(path_);   // left by a copy that crashed
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(path_))
        return true;   // cannot guard; running anyway beats refusing to start
    QObject::connect(server.get(), &QLocalServer::newConnection, server.get(), [this] { HandlePending(); });
    server_ = std::move(server);
    return true;
}

void SingleInstance::HandlePending()
{
    if (!server_ || !OnActivateRequest)
        return;
    // A connection is the request itself: only this user can open the
    // socket, and a copy that connects has nothing else to say.
    while (QLocalSocket *peer = server_->nextPendingConnection()) {
        peer->disconnectFromServer();
        peer->deleteLater();
        OnActivateRequest();
    }
}
