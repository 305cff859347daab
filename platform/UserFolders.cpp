// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UserFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "Identity.h"

namespace {

#ifdef Q_OS_UNIX
QString privateCacheFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!QDir::isAbsolutePath(base))
        return {};
    const QString folder = QDir(base).filePath(Identity::ExecutableName());
    struct stat info;
    const QByteArray native = QFile::encodeName(folder);
    // Our own folder left open to others (an earlier umask of 002, say)
    // is ours to close again.
    if (::lstat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode)
        && info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)))
        ::chmod(native.constData(), S_IRWXU);
    return folder;
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
    // The session's runtime folder is the natural home of a lock, as long
    // as it really is the user's own: a folder someone else made or may
    // write to would let them fake or remove the lock. QStandardPaths has no
    // test location for it, so under test mode the lock stays with the
    // other test files rather than meet the user's running copy.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!QStandardPaths::isTestModeEnabled() && QDir::isAbsolutePath(runtime)
        && makePrivateFolder(runtime))
        return runtime;
    // Otherwise a folder of the program's own under the user's cache. No
    // folder in the shared temporary folder: another user could take its
    // name first, and which folder a copy chose would then depend on them.
    return privateCacheFolder();
#else
    // %LOCALAPPDATA% belongs to the user alone and, unlike %TEMP%, does
    // not move with the environment a copy happens to be started from.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base.isEmpty() ? QString() : QDir(base).filePath(Identity::ExecutableName());
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
