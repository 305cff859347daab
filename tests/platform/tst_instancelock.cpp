// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The single-instance rule with real processes, each with a fresh runtime
// folder of its own test; and the rule that only the user's own folder and
// the user's own lock file count, checked as an ordinary user.

#include "platform/UserFolders.h"
#include "platform/InstanceLock.h"
#include "tests/platform/ThrowawayUser.h"

#include <QtTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
const QString App = QStringLiteral("pallastro");

using Result = InstanceLock::Result;

#ifdef Q_OS_UNIX
// Permission bits, owner and kind of a path, without following a link.
struct PathFacts
{
    bool exists = false;
    bool isFile = false;
    bool isDir = false;
    uint mode = 0;
    uint owner = 0;
};

PathFacts factsOf(const QString &path)
{
    PathFacts facts;
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return facts;
    facts.exists = true;
    facts.isFile = S_ISREG(info.st_mode);
    facts.isDir = S_ISDIR(info.st_mode);
    facts.mode = info.st_mode & 07777;
    facts.owner = info.st_uid;
    return facts;
}

// The lock file's name for a user id other than our own.
QString lockNameOf(uint id) { return QStringLiteral("%1-%2.lock").arg(App).arg(id); }
#endif
} // namespace

Q_DECLARE_METATYPE(InstanceLock::Result)

class tst_instancelock : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_runtime;
    QList<QProcess *> m_started;

    // Where the probe, which runs with the real platform, takes its lock: the
    // runtime folder handed to it on Linux; on Windows the per-user
    // application-data folder, which no environment variable moves.
    QString lockPath() const
    {
#ifdef Q_OS_UNIX
        return QDir(m_runtime->path()).filePath(InstanceLock::fileNameFor(App));
#else
        return QDir(UserFolders::lockFolder()).filePath(InstanceLock::fileNameFor(App));
#endif
    }

    QProcess *start()
    {
        auto *probe = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime->path());
        probe->setProcessEnvironment(env);
        probe->start(QStringLiteral(INSTANCE_PROBE), {App});
        m_started << probe;
        return probe;
    }

    static QString answer(QProcess *probe)
    {
        if (!probe->canReadLine() && !probe->waitForReadyRead(30000))
            return QStringLiteral("<no answer>");
        while (!probe->canReadLine() && probe->waitForReadyRead(30000)) {
        }
        return QString::fromLatin1(probe->readLine()).trimmed();
    }

    // A refused probe ends by itself.
    static void awaitEnd(QProcess *refused)
    {
#ifdef Q_OS_UNIX
        QVERIFY(refused->waitForFinished(30000));
#else
        // Under Wine a refused probe now and then never ends after returning
        // from main (the real program's second copy does end: the Wine
        // scenario checks it). What the tests are about is its answer.
        if (!refused->waitForFinished(30000)) {
            qWarning("the refused probe did not end by itself; ended here");
            refused->kill();
            refused->waitForFinished(30000);
        }
#endif
    }

    static void stop(QProcess *probe)
    {
        probe->write("quit\n");
        probe->closeWriteChannel();
        QVERIFY(probe->waitForFinished(30000));
        QCOMPARE(probe->exitStatus(), QProcess::NormalExit);
    }

    static void makeOld(const QString &path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QDateTime past = QDateTime::currentDateTime().addSecs(-60);
        QVERIFY(file.setFileTime(past, QFileDevice::FileModificationTime));
    }

    // An empty lock file of another user, left there a while ago, as a
    // crashed or hostile copy of theirs would leave it.
    static bool plantOldLock(const QString &path, uint owner)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        const QDateTime past = QDateTime::currentDateTime().addSecs(-60);
        return file.setFileTime(past, QFileDevice::FileModificationTime)
               && ThrowawayUser::give(path, owner);
    }

private slots:
    void init()
    {
        m_runtime = std::make_unique<QTemporaryDir>();
        QVERIFY(m_runtime->isValid());
        QFile::setPermissions(m_runtime->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                     | QFileDevice::ExeOwner);
#ifndef Q_OS_UNIX
        // The probe's folder outlives each test there; start every test clean.
        QFile::remove(lockPath());
#endif
    }

    void cleanup()
    {
        for (QProcess *probe : std::as_const(m_started)) {
            if (probe->state() != QProcess::NotRunning) {
                probe->kill();
                probe->waitForFinished(5000);
            }
            delete probe;
        }
        m_started.clear();
    }

    void secondCopyIsRefusedWhileTheFirstRuns()
    {
        QProcess *first = start();
        QCOMPARE(answer(first), QStringLiteral("acquired"));
        QVERIFY(QFileInfo::exists(lockPath()));

        QProcess *second = start();
        QCOMPARE(answer(second), QStringLiteral("running"));
        awaitEnd(second);
        // The first copy is untouched.
        QCOMPARE(first->state(), QProcess::Running);

        stop(first);
        QVERIFY(!QFileInfo::exists(lockPath()));
        QProcess *third = start();
        QCOMPARE(answer(third), QStringLiteral("acquired"));
        stop(third);
    }

    void killedCopyLeavesNoBlockingLock()
    {
        QProcess *first = start();
        QCOMPARE(answer(first), QStringLiteral("acquired"));
#ifdef Q_OS_UNIX
        ::kill(static_cast<pid_t>(first->processId()), SIGKILL);
#else
        first->kill();   // TerminateProcess: no clean-up, like SIGKILL
#endif
        QVERIFY(first->waitForFinished(30000));
        QVERIFY(QFileInfo::exists(lockPath()));   // left behind

        QProcess *next = start();
        QCOMPARE(answer(next), QStringLiteral("acquired"));
        stop(next);
    }

    void leftOverLockWithoutReadableOwner_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("old");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty, old") << QByteArray() << true << "acquired";
        QTest::newRow("garbage, old") << QByteArray("\x01\x02not a lock\xff", 14) << true << "acquired";
        // Young: may belong to a copy that is writing it right now.
        QTest::newRow("empty, just made") << QByteArray() << false << "running";
    }

    void leftOverLockWithoutReadableOwner()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, old);
        QFETCH(QString, expected);
        {
            QFile lock(lockPath());
            QVERIFY(lock.open(QIODevice::WriteOnly));
            lock.write(content);
        }
        if (old)
            makeOld(lockPath());
        QProcess *probe = start();
        QCOMPARE(answer(probe), expected);
        if (expected == QLatin1String("acquired"))
            stop(probe);
    }

    void copiesStartedTogether()
    {
        for (int round = 0; round < 5; ++round) {
            QList<QProcess *> probes;
            for (int i = 0; i < 4; ++i)
                probes << start();
            int acquired = 0;
            int running = 0;
            for (QProcess *probe : probes) {
                const QString said = answer(probe);
                acquired += said == QLatin1String("acquired");
                running += said == QLatin1String("running");
            }
            QCOMPARE(acquired, 1);
            QCOMPARE(running, 3);
            for (QProcess *probe : probes)
                if (probe->state() == QProcess::Running)
                    stop(probe);
            QVERIFY(!QFileInfo::exists(lockPath()));
        }
    }

    void lockFolderThatCannotBeMadeLetsTheProgramRun()
    {
        // A plain file where the folder should be.
        const QString blocker = QDir(m_runtime->path()).filePath(QStringLiteral("blocker"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        InstanceLock lock(QDir(blocker).filePath(QStringLiteral("run")), App);
        QCOMPARE(lock.acquire(), InstanceLock::Result::Unavailable);
    }

    void folderInPlaceOfTheLockFile()
    {
        QVERIFY(QDir().mkpath(QDir(m_runtime->path()).filePath(InstanceLock::fileNameFor(App))));
        InstanceLock lock(m_runtime->path(), App);
        QCOMPARE(lock.acquire(), InstanceLock::Result::Unavailable);
    }

    void oneLockPerUserAndProgram()
    {
        const QString name = InstanceLock::fileNameFor(App);
        QVERIFY(name.startsWith(App));
        QVERIFY(name != InstanceLock::fileNameFor(QStringLiteral("other")));
        InstanceLock mine(m_runtime->path(), App);
        InstanceLock other(m_runtime->path(), QStringLiteral("other"));
        QCOMPARE(mine.acquire(), InstanceLock::Result::Acquired);
        QCOMPARE(other.acquire(), InstanceLock::Result::Acquired);
    }
    // The lock file says which process of the user runs; nobody else reads it.
    void lockFileIsTheUsersAlone()
    {
#ifndef Q_OS_UNIX
        QSKIP("file modes and the umask are about POSIX; on Windows the folder's access list decides");
#else
        // Even under a umask that would let everyone read and write new files.
        const mode_t previous = ::umask(0);
        InstanceLock lock(m_runtime->path(), App);
        const Result result = lock.acquire();
        ::umask(previous);
        QCOMPARE(result, Result::Acquired);
        const PathFacts facts = factsOf(lockPath());
        QVERIFY(facts.isFile);
        QCOMPARE(facts.mode, 0600u);
        QCOMPARE(facts.owner, uint(::geteuid()));
#endif
    }

    void lockFolderMustBeTheUsersOwn_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<uint>("mode");
        QTest::addColumn<bool>("anotherUsers");
        QTest::addColumn<Result>("expected");
        // clang-format off
        QTest::newRow("missing, made for the user alone") << false << 0u     << false << Result::Acquired;
        QTest::newRow("the user's, readable by all")      << true  << 0755u  << false << Result::Acquired;
        QTest::newRow("the user's, the group may write")  << true  << 0770u  << false << Result::Unavailable;
        QTest::newRow("the user's, all may write")        << true  << 0777u  << false << Result::Unavailable;
        QTest::newRow("the user's, shared like /tmp")     << true  << 01777u << false << Result::Unavailable;
        QTest::newRow("another user's, closed")           << true  << 0700u  << true  << Result::Unavailable;
        QTest::newRow("another user's, all may write")    << true  << 0777u  << true  << Result::Unavailable;
        // clang-format on
    }

    void lockFolderMustBeTheUsersOwn()
    {
#ifndef Q_OS_UNIX
        QSKIP("owners and modes of folders are about POSIX");
#else
        QFETCH(bool, exists);
        QFETCH(uint, mode);
        QFETCH(bool, anotherUsers);
        QFETCH(Result, expected);
        if (anotherUsers && !ThrowawayUser::isRoot())
            QSKIP("only root can make a folder that belongs to another user");

        const QString folder = QDir(m_runtime->path()).filePath(QStringLiteral("locks"));
        if (exists) {
            QVERIFY(QDir().mkdir(folder));
            QVERIFY(ThrowawayUser::setMode(folder, mode));
            if (anotherUsers)
                QVERIFY(ThrowawayUser::give(folder, ThrowawayUser::freshId()));
        }
        InstanceLock lock(folder, App);
        QCOMPARE(lock.acquire(), expected);
        // Where the lock does not count, nothing of it is left behind.
        const PathFacts lockFile = factsOf(QDir(folder).filePath(InstanceLock::fileNameFor(App)));
        QCOMPARE(lockFile.exists, expected == Result::Acquired);
        if (!exists)
            QCOMPARE(factsOf(folder).mode, 0700u);
#endif
    }

    // Only root can put a file of another user into the user's own folder
    // (say a copy once started with sudo): it is not a copy of the user's
    // program, and it may not keep the program from starting.
    void lockFileOfAnotherUserIsNoRunningCopy_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("old");
        QTest::addColumn<bool>("live");   // a real lock, held by a live process
        QTest::newRow("empty, old") << QByteArray() << true << false;
        QTest::newRow("garbage, old") << QByteArray("\x01\x02not a lock\xff", 14) << true << false;
        QTest::newRow("empty, just made") << QByteArray() << false << false;
        QTest::newRow("held by a live process") << QByteArray() << false << true;
    }

    void lockFileOfAnotherUserIsNoRunningCopy()
    {
#ifndef Q_OS_UNIX
        QSKIP("owners of files are about POSIX");
#else
        QFETCH(QByteArray, content);
        QFETCH(bool, old);
        QFETCH(bool, live);
        if (!ThrowawayUser::isRoot())
            QSKIP("only root can make a file that belongs to another user");

        std::unique_ptr<QLockFile> holder;
        if (live) {
            holder = std::make_unique<QLockFile>(lockPath());
            QVERIFY(holder->tryLock(0));
        } else {
            QFile file(lockPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
            file.close();
            if (old)
                makeOld(lockPath());
        }
        const uint other = ThrowawayUser::freshId();
        QVERIFY(ThrowawayUser::give(lockPath(), other));

        InstanceLock lock(m_runtime->path(), App);
        QCOMPARE(lock.acquire(), Result::Unavailable);
        // Not ours to remove either.
        QCOMPARE(factsOf(lockPath()).owner, other);
#endif
    }

    // The folder the real program chooses, with real processes run as an
    // ordinary user (a throwaway one when the tests run as root). The user's
    // temporary folder holds what another local user could plant there: a
    // runtime folder open to all and an old lock file under the user's name.
    void lockFolderOfTheRealPlatform_data()
    {
        QTest::addColumn<QString>("runtime");    // how XDG_RUNTIME_DIR is set, see the test
        QTest::addColumn<QString>("expected");   // "runtime", "cache", "temporary" or "nowhere"
        // clang-format off
        QTest::newRow("no runtime folder")                      << "unset"    << "cache";
        QTest::newRow("the user's runtime folder")              << "private"  << "runtime";
        QTest::newRow("runtime folder not made yet")            << "missing"  << "runtime";
        QTest::newRow("runtime folder all may write to")        << "open"     << "cache";
        QTest::newRow("runtime folder of another user")         << "foreign"  << "cache";
        QTest::newRow("runtime folder is a file")               << "file"     << "cache";
        QTest::newRow("relative runtime folder")                << "relative" << "cache";
        QTest::newRow("the user's runtime folder, not writable") << "closed"  << "cache";
        QTest::newRow("no runtime folder, cache not writable")  << "rocache"  << "temporary";
        QTest::newRow("no runtime folder, home not writable")   << "nohome"   << "temporary";
        QTest::newRow("home and temporary folder not writable") << "notemp"   << "nowhere";
        QTest::newRow("fallback folder taken by another user")  << "taken"    << "nowhere";
        QTest::newRow("fallback folder is another's link")      << "link"     << "nowhere";
        // clang-format on
    }

    void lockFolderOfTheRealPlatform()
    {
#ifndef Q_OS_UNIX
        QSKIP("XDG_RUNTIME_DIR, user ids and modes are about POSIX");
#else
        QFETCH(QString, runtime);
        QFETCH(QString, expected);
        const bool root = ThrowawayUser::isRoot();
        if (root && !ThrowawayUser::unavailableReason().isEmpty())
            QSKIP(qPrintable(QStringLiteral("root passes permission checks, and ")
                             + ThrowawayUser::unavailableReason()));
        if (!root
            && (runtime == QLatin1String("foreign") || runtime == QLatin1String("taken")
                || runtime == QLatin1String("link")))
            QSKIP("only root can make a folder that belongs to another user");

        const uint user = root ? ThrowawayUser::freshId() : uint(::getuid());
        const uint attacker = ThrowawayUser::freshId(1);
        auto mine = [&](const QString &path) { return !root || ThrowawayUser::give(path, user); };

        QTemporaryDir sandbox;
        QVERIFY(sandbox.isValid());
        QVERIFY(ThrowawayUser::setMode(sandbox.path(), 0755));
        const QDir box(sandbox.path());
        const QString probe = root ? ThrowawayUser::reachableCopy(QStringLiteral(INSTANCE_PROBE), box.path())
                                   : QStringLiteral(INSTANCE_PROBE);
        QVERIFY(!probe.isEmpty());

        QString home = box.filePath(QStringLiteral("home"));
        QVERIFY(box.mkdir(QStringLiteral("home")) && mine(home));
        const QString temp = box.filePath(QStringLiteral("tmp"));
        QVERIFY(box.mkdir(QStringLiteral("tmp")) && ThrowawayUser::setMode(temp, 01777));
        // The folder Qt falls back on for the runtime location: named after
        // the account, or its id where no account has it (the throwaway user).
        const passwd *account = ::getpwuid(user);
        const QString fallback = QDir(temp).filePath(
            QStringLiteral("runtime-")
            + (account ? QString::fromLocal8Bit(account->pw_name) : QString::number(user)));
        if (root) {
            // What `mkdir -m777 /tmp/runtime-; : > /tmp/pallastro-UID.lock`
            // by someone else leaves behind.
            const QString planted = QDir(temp).filePath(QStringLiteral("runtime-"));
            QVERIFY(QDir().mkdir(planted) && ThrowawayUser::setMode(planted, 0777)
                    && ThrowawayUser::give(planted, attacker));
            QVERIFY(plantOldLock(QDir(temp).filePath(lockNameOf(user)), attacker));
        }
        if (runtime == QLatin1String("taken")) {
            // Made first by someone else, open to all.
            QVERIFY(QDir().mkdir(fallback) && ThrowawayUser::setMode(fallback, 0777)
                    && ThrowawayUser::give(fallback, attacker));
        } else if (runtime == QLatin1String("link")) {
            // Someone else's link to a folder that is the user's own: who owns
            // the link may point it elsewhere between two starts.
            const QString target = box.filePath(QStringLiteral("elsewhere"));
            QVERIFY(box.mkdir(QStringLiteral("elsewhere")) && ThrowawayUser::setMode(target, 0700)
                    && mine(target));
            QVERIFY(QFile::link(target, fallback));
            QVERIFY(::lchown(QFile::encodeName(fallback).constData(), attacker, attacker) == 0);
        }

        QString runtimePath;
        if (runtime == QLatin1String("private") || runtime == QLatin1String("open")
            || runtime == QLatin1String("foreign")) {
            runtimePath = box.filePath(QStringLiteral("run"));
            QVERIFY(box.mkdir(QStringLiteral("run")));
            QVERIFY(ThrowawayUser::setMode(runtimePath, runtime == QLatin1String("private") ? 0700 : 0777));
            if (runtime == QLatin1String("foreign")) {
                QVERIFY(ThrowawayUser::give(runtimePath, attacker));
                QVERIFY(plantOldLock(QDir(runtimePath).filePath(lockNameOf(user)), attacker));
            } else {
                QVERIFY(mine(runtimePath));
            }
        } else if (runtime == QLatin1String("missing")) {
            runtimePath = QDir(home).filePath(QStringLiteral("run/user"));
        } else if (runtime == QLatin1String("file")) {
            runtimePath = QDir(home).filePath(QStringLiteral("run"));
            QFile file(runtimePath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            QVERIFY(mine(runtimePath));
        } else if (runtime == QLatin1String("relative")) {
            runtimePath = QStringLiteral("run");
        } else if (runtime == QLatin1String("closed")) {
            runtimePath = box.filePath(QStringLiteral("run"));
            QVERIFY(box.mkdir(QStringLiteral("run")) && ThrowawayUser::setMode(runtimePath, 0500)
                    && mine(runtimePath));
        } else if (runtime == QLatin1String("rocache")) {
            // Left from an earlier run; the user's own, private, but closed.
            const QString cache = QDir(home).filePath(QStringLiteral(".cache/pallastro"));
            QVERIFY(QDir().mkpath(cache) && mine(QDir(home).filePath(QStringLiteral(".cache")))
                    && mine(cache) && ThrowawayUser::setMode(cache, 0500));
        } else if (runtime == QLatin1String("nohome") || runtime == QLatin1String("notemp")
                   || runtime == QLatin1String("taken") || runtime == QLatin1String("link")) {
            home = box.filePath(QStringLiteral("closed"));
            QVERIFY(box.mkdir(QStringLiteral("closed")) && ThrowawayUser::setMode(home, 0555));
            if (runtime == QLatin1String("notemp"))
                QVERIFY(ThrowawayUser::setMode(temp, 0555));
        }

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"XDG_RUNTIME_DIR", "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            env.remove(QString::fromLatin1(name));
        if (!runtimePath.isEmpty())
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimePath);
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("TMPDIR"), temp);
        auto startProbe = [&] {
            auto *process = new QProcess(this);
            process->setProcessEnvironment(env);
            process->setWorkingDirectory(box.path());
            if (root)
                ThrowawayUser::startAs(*process, user, probe, {App});
            else
                process->start(probe, {App});
            m_started << process;
            return process;
        };

        QProcess *first = startProbe();
        if (expected == QLatin1String("nowhere")) {
            // Nowhere to keep a lock: the program runs all the same.
            QCOMPARE(answer(first), QStringLiteral("unavailable"));
            QVERIFY(first->waitForFinished(30000));
            return;
        }
        QCOMPARE(answer(first), QStringLiteral("acquired"));

        const QString folder = expected == QLatin1String("runtime")     ? runtimePath
                               : expected == QLatin1String("temporary") ? fallback
                                                                        : QDir(home).filePath(QStringLiteral(".cache/pallastro"));
        const PathFacts folderFacts = factsOf(folder);
        QVERIFY2(folderFacts.isDir, qPrintable(folder));
        QCOMPARE(folderFacts.owner, user);
        QCOMPARE(folderFacts.mode & 022u, 0u);
        if (expected == QLatin1String("temporary"))
            QCOMPARE(folderFacts.mode, 0700u);   // made for the user alone
        const QString lockFile = QDir(folder).filePath(lockNameOf(user));
        const PathFacts lockFacts = factsOf(lockFile);
        QVERIFY2(lockFacts.isFile, qPrintable(lockFile));
        QCOMPARE(lockFacts.owner, user);
        QCOMPARE(lockFacts.mode, 0600u);

        // Started the same way, a second copy finds the same lock.
        QProcess *second = startProbe();
        QCOMPARE(answer(second), QStringLiteral("running"));
        awaitEnd(second);

        stop(first);
        QVERIFY(!QFileInfo::exists(lockFile));
        if (root)
            QVERIFY(QFileInfo::exists(QDir(temp).filePath(lockNameOf(user))));   // not the user's to remove
#endif
    }
};

QTEST_MAIN(tst_instancelock)
#include "tst_instancelock.moc"
