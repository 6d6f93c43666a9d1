#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr char RaiseMessage[] = "raise\n";
constexpr int AnswerTimeoutMs = 2000;

} // namespace

QString SingleInstanceFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

TSingleInstance::TSingleInstance(const QString &folder, const QString &lockName, const QString &windowClass,
                                 const QString &title, QObject *parent)
    : QObject(parent), Lock(folder + u'/' + lockName + QStringLiteral(".lock"))
{
    // Socket paths are short on this platform, so the class and title are
    // folded into a digest; the same pair always gives the same name.
    const QByteArray digest =
        QCryptographicHash::hash((windowClass + u'\n' + title).toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    ServerPath = folder + u'/' + windowClass + u'-' + QString::fromLatin1(digest);
    // A lock is never old enough to take over while its holder lives; one
    // left by a crashed copy is recognised by its dead process.
    Lock.setStaleLockTime(0);
}

TSingleInstance::~TSingleInstance() = default;

TSingleInstance::TStart TSingleInstance::Start()
{
    if (!Lock.tryLock(0))
        return AskToRaise(ServerPath) ? TStart::Forwarded : TStart::NoAnswer;
    Server = std::make_unique<QLocalServer>();
    Server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left behind by a crashed copy would block listening; the lock
    // we hold proves no live copy uses it.
    QLocalServer::removeServer(ServerPath);
    connect(Server.get(), &QLocalServer::newConnection, this, &TSingleInstance::OnConnection);
    Server->listen(ServerPath);
    return TStart::Primary;
}

bool TSingleInstance::AskToRaise(const QString &serverPath)
{
    if (serverPath.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(serverPath);
    if (!socket.waitForConnected(AnswerTimeoutMs))
        return false;
    socket.write(RaiseMessage);
    socket.waitForBytesWritten(AnswerTimeoutMs);
    // Wait for the first copy to close the connection, so that the raise
    // has been handled before this copy ends.
    socket.waitForDisconnected(AnswerTimeoutMs);
    return true;
}

void TSingleInstance::OnConnection()
{
    while (QLocalSocket *socket = Server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains("raise"))
                emit RaiseRequested();
            socket->disconnectFromServer();
        });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}
