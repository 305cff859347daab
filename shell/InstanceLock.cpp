#include "InstanceLock.h"

#include "Platform.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

QString userTag()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    QString name = qEnvironmentVariable("USERNAME");
    name.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return name;
#endif
}

} // namespace

InstanceLock::InstanceLock(const QString &directory, const QString &applicationName)
    : m_directory(directory)
    , m_path(QDir(directory).filePath(fileNameFor(applicationName)))
{
}

InstanceLock::~InstanceLock() = default;   // QLockFile removes a lock it holds

QString InstanceLock::fileNameFor(const QString &applicationName)
{
    return QStringLiteral("%1-%2.lock").arg(applicationName, userTag());
}

InstanceLock::Result InstanceLock::acquire()
{
    if (m_lock && m_lock->isLocked())
        return Result::Acquired;

    if (m_directory.isEmpty() || !QDir().mkpath(m_directory))
        return Result::Unavailable;

    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a dead owner makes a lock stale: a running copy may hold it for days.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Result::Acquired;

    if (m_lock->error() != QLockFile::LockFailedError)
        return Result::Unavailable;

    // Qt removes a lock whose owner process is gone, but never one it cannot
    // read; a crash between creating and writing the file leaves such a one.
    if (!removeIfOwnerUnreadable()) {
        const QFileInfo left(m_path);
        if (left.exists())
            // Something that is no lock file at all (a folder) cannot be ours to judge.
            return left.isFile() ? Result::HeldByAnother : Result::Unavailable;
        // The owner let go in the meantime: try once more.
    }
    if (m_lock->tryLock(0))
        return Result::Acquired;
    return m_lock->error() == QLockFile::LockFailedError ? Result::HeldByAnother : Result::Unavailable;
}

bool InstanceLock::removeIfOwnerUnreadable()
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (m_lock->getLockInfo(&pid, &host, &application))
        return false;   // a readable owner that Qt judged alive

    const QFileInfo info(m_path);
    if (!info.isFile())
        return false;
    const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
    if (qAbs(age) <= UnreadableOwnerGraceMs)
        return false;
    // Fails while a live copy holds the file's native lock.
    return m_lock->removeStaleLockFile();
}

InstanceLock::Result InstanceLock::AcquireForProcess(const QString &applicationName)
{
    // Function-static: destroyed (and the lock file removed) by the normal exit
    // path and by std::exit alike.
    static InstanceLock processLock(platform().lockDirectory(), applicationName);
    return processLock.acquire();
}
