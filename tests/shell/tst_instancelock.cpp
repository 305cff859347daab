// The single-instance rule with real processes, each with a fresh runtime
// folder of its own test.

#include "FakePlatform.h"
#include "InstanceLock.h"

#include <QtTest>

#include <memory>
#include <signal.h>

namespace {
const QString App = QStringLiteral("pallastro");
}

class tst_instancelock : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_runtime;
    QList<QProcess *> m_started;

    QString lockPath() const { return QDir(m_runtime->path()).filePath(InstanceLock::fileNameFor(App)); }

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
        if (!probe->canReadLine() && !probe->waitForReadyRead(10000))
            return QStringLiteral("<no answer>");
        while (!probe->canReadLine() && probe->waitForReadyRead(10000)) {
        }
        return QString::fromLatin1(probe->readLine()).trimmed();
    }

    static void stop(QProcess *probe)
    {
        probe->write("quit\n");
        probe->closeWriteChannel();
        QVERIFY(probe->waitForFinished(10000));
        QCOMPARE(probe->exitStatus(), QProcess::NormalExit);
    }

    static void makeOld(const QString &path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QDateTime past = QDateTime::currentDateTime().addSecs(-60);
        QVERIFY(file.setFileTime(past, QFileDevice::FileModificationTime));
    }

private slots:
    void init()
    {
        m_runtime = std::make_unique<QTemporaryDir>();
        QVERIFY(m_runtime->isValid());
        QFile::setPermissions(m_runtime->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                     | QFileDevice::ExeOwner);
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
        QVERIFY(second->waitForFinished(10000));
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
        ::kill(static_cast<pid_t>(first->processId()), SIGKILL);
        QVERIFY(first->waitForFinished(10000));
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
        QVERIFY(QDir().mkpath(lockPath()));
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
};

QTEST_MAIN(tst_instancelock)
#include "tst_instancelock.moc"
