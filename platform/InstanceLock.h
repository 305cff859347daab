// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The single-instance rule: one lock file per user and program, held for the
// life of the process. The lock only counts in a folder that belongs to the
// user and that nobody else can write to, and a lock file of another user
// never keeps the program from starting.

#include <QString>

#include <memory>

class QLockFile;

class InstanceLock
{
public:
    enum class Result {
        Acquired,        // this process is the one copy
        HeldByAnother,   // another copy of the program is running
        Unavailable      // the lock cannot be taken at all, or what stands in its
                         // place is not the user's own; the program runs anyway
    };

    // A lock file whose owner cannot be read (empty or garbage) counts as
    // left behind once it is older than this; a younger one may belong to a
    // copy that is still writing it.
    static constexpr qint64 UnreadableOwnerGraceMs = 5000;

    InstanceLock(const QString &directory, const QString &applicationName);
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    Result acquire();
    QString filePath() const { return m_path; }

    // The lock file's name: the program's name and the user.
    static QString fileNameFor(const QString &applicationName);

private:
    enum class LeftFile { None, Ours, NotOurs };
    LeftFile leftFile() const;
    bool tryLockPrivately();
    bool removeIfOwnerUnreadable();

    QString m_directory;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
