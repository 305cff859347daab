// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one copy of the program listens here for readings a second copy was
// asked to open, so that a reading double-clicked in a file manager shows in
// the window the user already has. The channel is the user's own: on Unix a
// socket in the lock's private folder that only the user may reach, checked
// once more against the caller's user id; on Windows a pipe whose access
// list names the user alone. A request that is malformed, too long, too slow
// or from anyone else is dropped unanswered.
//
// A file taken is announced from the event loop, once the caller's own
// callbacks have returned: whatever the program then does with it (a
// message box, say) never runs inside a socket's signal.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class PipeOwner;
class QLocalServer;
class QLocalSocket;

class InstanceChannel : public QObject
{
    Q_OBJECT
public:
    explicit InstanceChannel(QObject *parent = nullptr);
    ~InstanceChannel() override;

    // A request still incomplete after this long is dropped, so that a
    // caller that connects and says nothing holds nothing.
    static constexpr int RequestTimeoutMs = 2000;
    // Callers still sending their request, at most; a newcomer beyond this
    // sends away the one that has waited longest, so that callers who say
    // nothing never keep a real request out, and what is held stays small.
    static constexpr int MaximumCallers = 32;
    // How long a second copy tries to reach a running one that listens.
    static constexpr int ConnectTimeoutMs = 1000;

    // The channel's name for the user: a socket path in folder on Unix, a
    // pipe name on Windows (where the folder plays no part).
    static QString nameFor(const QString &folder, const QString &applicationName);

    // Call only while holding the single-instance lock: a socket file left
    // by a copy that crashed is then known to be stale and is replaced.
    bool listen(const QString &name);
    QString errorString() const;

    // The second copy's side: hands the file over and waits up to timeoutMs
    // for the running copy to take it (it may still be starting). True when
    // the running copy took it.
    static bool handOver(const QString &name, const QString &absolutePath, int timeoutMs);

signals:
    void fileHandedOver(const QString &absolutePath);

private:
    void accept();
    void read(QLocalSocket *caller);
    void drop(QLocalSocket *caller);
    static bool isFromThisUser(const QLocalSocket &caller);

    QLocalServer *m_server;
    std::unique_ptr<PipeOwner> m_pipeOwner;   // Windows: holds the pipe's name
    // Those still sending, oldest first.
    QList<QPointer<QLocalSocket>> m_callers;
};
