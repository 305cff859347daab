// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/InstanceChannel.h"

#include "core/HandOverRequest.h"
#include "platform/PipeOwner.h"
#include "platform/UserFolders.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

InstanceChannel::InstanceChannel(QObject *parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceChannel::accept);
}

InstanceChannel::~InstanceChannel() = default;

QString InstanceChannel::nameFor(const QString &folder, const QString &applicationName)
{
    const QString name = QStringLiteral("%1-%2").arg(applicationName, UserFolders::userTag());
#ifdef Q_OS_UNIX
    return QDir(folder).filePath(name + QStringLiteral(".socket"));
#else
    // Pipe names are machine-wide; the user's name keeps two users' copies
    // apart, and the access list keeps each out of the other's.
    Q_UNUSED(folder);
    return name;
#endif
}

bool InstanceChannel::listen(const QString &name)
{
#ifdef Q_OS_WIN
    // QLocalServer would add its instances to a pipe someone else made
    // first, and callers would reach theirs as well as ours.
    m_pipeOwner = std::make_unique<PipeOwner>(name);
    if (!m_pipeOwner->holdsName())
        return false;
#endif
    if (m_server->listen(name))
        return true;
    if (m_server->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

QString InstanceChannel::errorString() const
{
    return m_pipeOwner && !m_pipeOwner->holdsName() ? m_pipeOwner->errorString() : m_server->errorString();
}

void InstanceChannel::accept()
{
    while (QLocalSocket *caller = m_server->nextPendingConnection()) {
        if (!isFromThisUser(*caller)) {
            drop(caller);
            continue;
        }
        m_callers.removeAll(nullptr);
        if (m_callers.size() >= MaximumCallers)
            drop(m_callers.takeFirst());
        m_callers.append(caller);
        // Qt would otherwise buffer whatever a caller pours in.
        caller->setReadBufferSize(HandOverRequest::MaximumSize + 1);
        connect(caller, &QLocalSocket::readyRead, this, [this, caller] { read(caller); });
        connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
        QTimer::singleShot(RequestTimeoutMs, caller, [this, caller] { drop(caller); });
        read(caller);
    }
}

void InstanceChannel::drop(QLocalSocket *caller)
{
    if (!caller)
        return;
    m_callers.removeAll(caller);
    disconnect(caller, &QLocalSocket::readyRead, this, nullptr);
    caller->abort();
    caller->deleteLater();
}

void InstanceChannel::read(QLocalSocket *caller)
{
    QByteArray received = caller->property("received").toByteArray();
    received += caller->read(HandOverRequest::MaximumSize - received.size() + 1);
    if (!HandOverRequest::complete(received)) {
        caller->setProperty("received", received);
        return;
    }
    caller->setProperty("received", QVariant());
    const std::optional<QString> path = HandOverRequest::decode(received);
    if (!path) {
        drop(caller);
        return;
    }
    // Read no more from this caller, whatever it sends; it is answered and
    // goes once it has the answer (or once its time is up).
    m_callers.removeAll(caller);
    disconnect(caller, &QLocalSocket::readyRead, this, nullptr);
    caller->write(HandOverRequest::Accepted.data(), HandOverRequest::Accepted.size());
    caller->disconnectFromServer();
    QMetaObject::invokeMethod(
        this, [this, file = *path] { emit fileHandedOver(file); }, Qt::QueuedConnection);
}

bool InstanceChannel::isFromThisUser(const QLocalSocket &caller)
{
#if defined(Q_OS_LINUX)
    // The folder already keeps others out; this holds should it ever not.
    ucred peer = {};
    socklen_t size = sizeof peer;
    return ::getsockopt(int(caller.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0
           && peer.uid == ::geteuid();
#else
    Q_UNUSED(caller);
    return true;
#endif
}

bool InstanceChannel::handOver(const QString &name, const QString &absolutePath, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    // The running copy listens right after taking the lock; a copy that
    // still does not after this long never will (an older one, say), and
    // the user should not wait the whole time for the message that says so.
    const QDeadlineTimer connecting(qMin(timeoutMs, ConnectTimeoutMs));
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(name);
        if (socket.waitForConnected(int(qMax<qint64>(1, connecting.remainingTime()))))
            break;
        if (connecting.hasExpired())
            return false;
        QThread::msleep(50);
    }
#ifdef Q_OS_WIN
    // Anyone may have made a pipe of this name first: the path goes only to
    // a copy run by this user.
    if (!PipeOwner::servedByThisUser(socket.socketDescriptor()))
        return false;
    // Windows lets only the process the user is working with bring a window
    // to the front; this copy is that process, and hands the right on.
    ::AllowSetForegroundWindow(ASFW_ANY);
#endif
    socket.write(HandOverRequest::encode(absolutePath));
    QByteArray answer;
    while (answer.size() < HandOverRequest::Accepted.size() && !deadline.hasExpired()) {
        if (!socket.bytesAvailable()
            && !socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            break;
        answer += socket.read(HandOverRequest::Accepted.size() - answer.size());
    }
    return answer == HandOverRequest::Accepted;
}
