// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Checks about file permissions need an ordinary user: root passes every
// permission check, and a test suite run as root (as CI runs it) would prove
// nothing. Root, on the other hand, is the one who can switch users. So a
// root run hands such checks to a throwaway user, a user id that no account
// has and that owns no file outside the test's own folder, through setpriv
// (util-linux); a run by an ordinary user makes the checks itself.

#include <QtTest>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ThrowawayUser {

inline bool isRoot()
{
#ifdef Q_OS_UNIX
    return ::geteuid() == 0;
#else
    return false;
#endif
}

// Why no throwaway user can be had here; empty when one can.
inline QString unavailableReason()
{
#ifndef Q_OS_UNIX
    return QStringLiteral("user ids and setpriv are about POSIX");
#else
    if (!isRoot())
        return QStringLiteral("only root can run a program as another user");
    if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        return QStringLiteral("setpriv (util-linux) is not installed");
    return {};
#endif
}

// A user id (and group id of the same number) that no account and no group
// uses. Spread by process, so that two suites run side by side by ctest do
// not share one; `skip` gives a second, different one.
inline uint freshId(uint skip = 0)
{
#ifdef Q_OS_UNIX
    uint id = 61000 + uint(::getpid() % 2000) * 8 + skip;
    while (::getpwuid(id) || ::getgrgid(id))
        id += 16;
    return id;
#else
    Q_UNUSED(skip);
    return 0;
#endif
}

// Gives the file or folder to the user id (root only).
inline bool give(const QString &path, uint id)
{
#ifdef Q_OS_UNIX
    return ::lchown(QFile::encodeName(path).constData(), id, id) == 0;
#else
    Q_UNUSED(path);
    Q_UNUSED(id);
    return false;
#endif
}

inline bool setMode(const QString &path, uint mode)
{
#ifdef Q_OS_UNIX
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
#else
    Q_UNUSED(path);
    Q_UNUSED(mode);
    return false;
#endif
}

// Makes the process start `program` as the user id, with no supplementary
// groups (root's included).
inline void startAs(QProcess &process, uint id, const QString &program, const QStringList &arguments)
{
    QStringList wrapped{QStringLiteral("--reuid=%1").arg(id), QStringLiteral("--regid=%1").arg(id),
                        QStringLiteral("--clear-groups"), QStringLiteral("--"), program};
    wrapped += arguments;
    process.start(QStringLiteral("setpriv"), wrapped);
}

// A copy of an executable that the throwaway user can run whatever the
// permissions of the build folder: in `folder`, which must be reachable.
inline QString reachableCopy(const QString &executable, const QString &folder)
{
    const QString copy = QDir(folder).filePath(QFileInfo(executable).fileName());
    QFile::remove(copy);
    if (!QFile::copy(executable, copy))
        return {};
    setMode(copy, 0755);
    return copy;
}

// Runs the current test function, with the current data row, again in a copy
// of this test program as a throwaway user, and fails unless that run passed
// the very same check (a skip there counts as a failure here).
inline void rerunCurrentTest()
{
    QTemporaryDir sandbox;
    QVERIFY(sandbox.isValid());
    QVERIFY(setMode(sandbox.path(), 0755));
    const uint id = freshId();
    const QString home = QDir(sandbox.path()).filePath(QStringLiteral("home"));
    const QString temp = QDir(sandbox.path()).filePath(QStringLiteral("tmp"));
    QVERIFY(QDir().mkpath(home) && QDir().mkpath(temp));
    QVERIFY(give(home, id) && give(temp, id));
    const QString program = reachableCopy(QCoreApplication::applicationFilePath(), sandbox.path());
    QVERIFY2(!program.isEmpty(), "the test program could not be copied");

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("TMPDIR"), temp);

    const QString function = QString::fromLatin1(QTest::currentTestFunction());
    const QString tag = QString::fromLatin1(QTest::currentDataTag());
    const QString selector = tag.isEmpty() ? function : function + QLatin1Char(':') + tag;
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    startAs(child, id, program, {selector});
    QVERIFY2(child.waitForFinished(60000), "the throwaway user's run did not end");
    const QString output = QString::fromLocal8Bit(child.readAll());
    const QString row = QRegularExpression::escape(QStringLiteral("%1(%2)").arg(function, tag));
    const QRegularExpression passed(QStringLiteral("^PASS   : \\w+::") + row + QLatin1Char('$'),
                                    QRegularExpression::MultilineOption);
    const QString title = QStringLiteral("as user id %1:\n%2").arg(id).arg(output);
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, qPrintable(title));
    QVERIFY2(output.contains(passed) && !output.contains(QStringLiteral("SKIP   : ")),
             qPrintable(QStringLiteral("the check did not run ") + title));
}

} // namespace ThrowawayUser

// For a check that needs an ordinary user: in a root run it hands the current
// test function (with its data row) to a throwaway user and returns; in an
// ordinary user's run it does nothing and the test goes on itself.
#define PALLASTRO_AS_ORDINARY_USER()                                                   \
    do {                                                                               \
        if (ThrowawayUser::isRoot()) {                                                 \
            const QString why = ThrowawayUser::unavailableReason();                    \
            if (!why.isEmpty())                                                        \
                QSKIP(qPrintable(QStringLiteral("root passes permission checks, and ") \
                                 + why));                                              \
            ThrowawayUser::rerunCurrentTest();                                         \
            return;                                                                    \
        }                                                                              \
    } while (false)
