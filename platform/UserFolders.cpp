// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UserFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>
#endif

#include "core/Identity.h"

namespace {

#ifdef Q_OS_UNIX
QString privateCacheFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!QDir::isAbsolutePath(base))
        return {};
    const QString folder = QDir(base).filePath(Identity::executableName());
    struct stat info;
    const QByteArray native = QFile::encodeName(folder);
    // Our own folder left open to others (an earlier umask of 002, say)
    // is ours to close again.
    if (::lstat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode)
        && info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)))
        ::chmod(native.constData(), S_IRWXU);
    return folder;
}

// The account's name, as Qt names its own fallback runtime folder after it;
// the user id for an id that no account has.
QString accountName()
{
    const uid_t user = ::geteuid();
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? std::size_t(size) : 16384);
    passwd account = {};
    passwd *found = nullptr;
    if (::getpwuid_r(user, &account, buffer.data(), buffer.size(), &found) == 0 && found
        && found->pw_name && found->pw_name[0])
        return QFile::decodeName(found->pw_name);
    return QString::number(user);
}

// The runtime folder Qt falls back on when the session has none:
// runtime-USER in the temporary folder. The temporary folder is shared, so
// more is asked of it than of the user's own folders: a real folder, not a
// link someone else could point elsewhere, in a parent where nobody else
// may rename or remove it (sticky, as /tmp is, or closed to others). Made by
// anyone else first, it is refused, and the lock with it.
QString sharedRuntimeFolder()
{
    const QString temp = QDir::tempPath();
    if (!QDir::isAbsolutePath(temp))
        return {};
    struct stat parent;
    if (::stat(QFile::encodeName(temp).constData(), &parent) != 0 || !S_ISDIR(parent.st_mode)
        || ((parent.st_mode & (S_IWGRP | S_IWOTH)) && !(parent.st_mode & S_ISVTX)))
        return {};
    const QString folder = QDir(temp).filePath(QStringLiteral("runtime-") + accountName());
    const QByteArray native = QFile::encodeName(folder);
    ::mkdir(native.constData(), S_IRWXU);   // fails harmlessly when it exists
    struct stat info;
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return {};
    return folder;
}

// A folder the lock can live in: the user's own, and one the process can
// create files in (a read-only file system or a folder closed to writing
// would let the lock fail later, and the copy fall to no lock at all).
bool canHoldLock(const QString &folder)
{
    return UserFolders::makePrivateFolder(folder)
           && ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS)
                  == 0;
}
#endif

QString iniFileIn(QStandardPaths::StandardLocation location, const QString &applicationName)
{
    const QString base = QStandardPaths::writableLocation(location);
    return QDir(base).filePath(applicationName + QLatin1String("/") + applicationName
                               + QLatin1String(".conf"));
}

} // namespace

namespace UserFolders {

QString settingsFile(const QString &applicationName)
{
#ifdef Q_OS_WIN
    // Test locations are folders; the registry has none, and a test must
    // never write into the user's key.
    if (QStandardPaths::isTestModeEnabled())
        return iniFileIn(QStandardPaths::GenericConfigLocation, applicationName);
    // The registry is where Windows programs keep per-user values; the key
    // is the one QSettings(NativeFormat, UserScope, "Pallastro", name) uses.
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\Pallastro\\") + applicationName;
#else
    return iniFileIn(QStandardPaths::GenericConfigLocation, applicationName);
#endif
}

QString lockFolder()
{
#ifdef Q_OS_UNIX
    // The folders are tried in one fixed order, and each is judged by what
    // the environment and the file system say, so every copy the user
    // starts in the same environment arrives at the same folder.
    //
    // The session's runtime folder is the natural home of a lock, as long
    // as it really is the user's own: a folder someone else made or may
    // write to would let them fake or remove the lock. QStandardPaths has no
    // test location for it, so under test mode the lock stays with the
    // other test files rather than meet the user's running copy.
    const bool testing = QStandardPaths::isTestModeEnabled();
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!testing && QDir::isAbsolutePath(runtime) && canHoldLock(runtime))
        return runtime;
    // Otherwise a folder of the program's own under the user's cache.
    const QString cache = privateCacheFolder();
    if (canHoldLock(cache))
        return cache;
    // With no runtime folder and a home that cannot be written to, the one
    // Qt falls back on for the runtime location, in the temporary folder.
    if (!testing) {
        const QString shared = sharedRuntimeFolder();
        if (canHoldLock(shared))
            return shared;
    }
    return {};
#else
    // %LOCALAPPDATA% belongs to the user alone and, unlike %TEMP%, does
    // not move with the environment a copy happens to be started from.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base.isEmpty() ? QString() : QDir(base).filePath(Identity::executableName());
#endif
}

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

bool isPrivateFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
#ifdef Q_OS_UNIX
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
           && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
#else
    return QFileInfo(path).isDir();
#endif
}

bool makePrivateFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (!QFileInfo::exists(path)) {
        const QString parent = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(parent))
            return false;
#ifdef Q_OS_UNIX
        // Created closed from the first moment, whatever the umask says.
        ::mkdir(QFile::encodeName(path).constData(), S_IRWXU);
#else
        QDir().mkdir(path);
#endif
    }
    return isPrivateFolder(path);
}

} // namespace UserFolders
