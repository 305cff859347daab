// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Who owns a named pipe on Windows. Pipe names are machine-wide, and whoever
// creates the first instance of a name sets who may reach the pipe; a server
// that comes later only adds instances to it, and a caller cannot tell whose
// instance it reached. So the one copy makes the name its own before it
// listens, and a second copy sends a path only to a server run by its own
// user. Elsewhere the channel is a socket in the user's private folder, and
// nothing here has anything to do.

#include <QString>

class PipeOwner
{
public:
    // Takes the pipe `name` (with or without the \\.\pipe\ prefix, as
    // QLocalServer takes it) for this user alone, unless another process
    // already holds it, and keeps it until destroyed. Instances that a
    // QLocalServer of this user adds afterwards join it; nobody else's can.
    explicit PipeOwner(const QString &name);
    ~PipeOwner();
    PipeOwner(const PipeOwner &) = delete;
    PipeOwner &operator=(const PipeOwner &) = delete;

    bool holdsName() const { return m_error.isEmpty(); }
    // Why the name could not be taken; empty when it was.
    QString errorString() const { return m_error; }

#ifdef Q_OS_WIN
    // The caller's side: true when the process at the server end of the
    // connected pipe `pipe` (a QLocalSocket's socketDescriptor()) runs as
    // this process's user. False when that cannot be told.
    static bool servedByThisUser(qintptr pipe);

private:
    void *m_guard = nullptr;   // the first instance, which holds the name
    void *m_self = nullptr;    // our own connection to it, which keeps callers off
#endif

private:
    QString m_error;
};
