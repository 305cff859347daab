// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/InstanceLock.h"

#include "platform/UserFolders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

InstanceLock::InstanceLock(const QString &directory, const QString &applicationName)
    : m_directory(directory)
    , m_path(QDir(directory).filePath(fileNameFor(applicationName)))
{
}

InstanceLock::~InstanceLock() = default;   // QLockFile removes a lock it holds

QString InstanceLock::fileNameFor(const QString &applicationName)
{
    return QStringLiteral("%1-%2.lock").arg(applicationName, UserFolders::userTag());
}

InstanceLock::Result InstanceLock::acquire()
{
    if (m_lock && m_lock->isLocked())
        return Result::Acquired;

    // Anyone who may write to the folder could plant a lock that keeps the
    // user's program from ever starting, or remove the one a copy holds.
    if (!UserFolders::makePrivateFolder(m_directory))
        return Result::Unavailable;

    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a dead owner makes a lock stale: a running copy may hold it for days.
    m_lock->setStaleLockTime(0);
    if (tryLockPrivately())
        return Result::Acquired;

    if (m_lock->error() != QLockFile::LockFailedError)
        return Result::Unavailable;

    switch (leftFile()) {
    case LeftFile::NotOurs:
        // A folder, a link or another user's file: no copy of ours made it,
        // and no one else may decide whether the program runs.
        return Result::Unavailable;
    case LeftFile::Ours:
        // Qt removes a lock whose owner process is gone, but never one it
        // cannot read; a crash between creating and writing the file leaves
        // such a one.
        if (!removeIfOwnerUnreadable() && leftFile() == LeftFile::Ours)
            return Result::HeldByAnother;
        break;
    case LeftFile::None:
        break;   // the owner let go in the meantime
    }

    // Once more, after a removal or a release.
    if (tryLockPrivately())
        return Result::Acquired;
    if (m_lock->error() != QLockFile::LockFailedError)
        return Result::Unavailable;
    return leftFile() == LeftFile::NotOurs ? Result::Unavailable : Result::HeldByAnother;
}

InstanceLock::LeftFile InstanceLock::leftFile() const
{
#ifdef Q_OS_UNIX
    struct stat info;
    if (::lstat(QFile::encodeName(m_path).constData(), &info) != 0)
        return LeftFile::None;
    return S_ISREG(info.st_mode) && info.st_uid == ::geteuid() ? LeftFile::Ours : LeftFile::NotOurs;
#else
    // The folder is the user's own; no other account writes to it.
    const QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink())
        return LeftFile::None;
    return info.isFile() && !info.isSymLink() ? LeftFile::Ours : LeftFile::NotOurs;
#endif
}

bool InstanceLock::tryLockPrivately()
{
#ifdef Q_OS_UNIX
    // QLockFile creates its file readable by all (0666 less the umask); who
    // runs the program, and on which process, is the user's own business.
    // The umask is process-wide, but this runs at start-up, before the
    // program has threads of its own that create files.
    const mode_t previous = ::umask(S_IRWXG | S_IRWXO);
    const bool locked = m_lock->tryLock(0);
    ::umask(previous);
    return locked;
#else
    return m_lock->tryLock(0);
#endif
}

bool InstanceLock::removeIfOwnerUnreadable()
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (m_lock->getLockInfo(&pid, &host, &application))
        return false;   // a readable owner that Qt judged alive

    const QFileInfo info(m_path);
    if (!info.isFile() || info.isSymLink())
        return false;
    const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
    if (qAbs(age) <= UnreadableOwnerGraceMs)
        return false;
    // Fails while a live copy holds the file's native lock.
    return m_lock->removeStaleLockFile();
}
