// The start-up sequence: its order, the refusal of a second copy and steps
// that fail.

#include "FakePlatform.h"
#include "Startup.h"

#include <QtTest>

#include <stdexcept>

class tst_startup : public QObject
{
    Q_OBJECT

    QStringList m_log;

    Startup::Steps recordingSteps(bool anotherCopy)
    {
        Startup::Steps steps;
        steps.anotherCopyRunning = [this, anotherCopy] {
            m_log << QStringLiteral("instance");
            return anotherCopy;
        };
        steps.updateReminder = [this] { m_log << QStringLiteral("reminder"); };
        steps.showMainWindow = [this] { m_log << QStringLiteral("main"); };
        steps.coBrandRandomize = [this] { m_log << QStringLiteral("cobrand"); };
        return steps;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { m_log.clear(); }

    void runsTheStepsInOrder()
    {
        FakePlatform fake;
        fake.fixedClock = 1234567;
        QVERIFY(Startup::Run(recordingSteps(false)));
        QCOMPARE(m_log, QStringList({"instance", "reminder", "main", "cobrand"}));
        QCOMPARE(fake.seeds, QList<quint64>({1234567}));
        QVERIFY(fake.messages.isEmpty());
        QVERIFY(fake.endedWith.isEmpty());
    }

    void secondCopyShowsTheMessageAndEnds()
    {
        FakePlatform fake;
        QVERIFY(!Startup::Run(recordingSteps(true)));
        QCOMPARE(m_log, QStringList({"instance"}));
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.messages.at(0).text, QStringLiteral("Application is already running"));
        QCOMPARE(fake.messages.at(0).icon, QMessageBox::Information);
        QCOMPARE(fake.messages.at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(fake.endedWith, QList<int>({0}));
        QVERIFY(fake.seeds.isEmpty());
        QVERIFY(fake.openedUrls.isEmpty());
    }

    void aFailingStepDoesNotStopTheNext_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("instance check") << "instance" << QStringList({"reminder", "main", "cobrand"});
        QTest::newRow("reminder") << "reminder" << QStringList({"instance", "main", "cobrand"});
        QTest::newRow("main window") << "main" << QStringList({"instance", "reminder", "cobrand"});
        QTest::newRow("co-brand draw") << "cobrand" << QStringList({"instance", "reminder", "main"});
    }

    void aFailingStepDoesNotStopTheNext()
    {
        QFETCH(QString, failing);
        QFETCH(QStringList, expected);
        FakePlatform fake;
        Startup::Steps steps = recordingSteps(false);
        auto thrower = [](auto step, const QString &name, const QString &failing) {
            return [step, name, failing] {
                if (name == failing)
                    throw std::runtime_error("step failed");
                return step();
            };
        };
        steps.anotherCopyRunning = thrower(steps.anotherCopyRunning, "instance", failing);
        steps.updateReminder = thrower(steps.updateReminder, "reminder", failing);
        steps.showMainWindow = thrower(steps.showMainWindow, "main", failing);
        steps.coBrandRandomize = thrower(steps.coBrandRandomize, "cobrand", failing);

        // A failed instance check lets the program start rather than lock the user out.
        QVERIFY(Startup::Run(steps));
        QCOMPARE(m_log, expected);
        QVERIFY(fake.messages.isEmpty());
        QVERIFY(fake.endedWith.isEmpty());
        QCOMPARE(fake.seeds.size(), 1);
    }

    void defaultStepsTakeTheLockAndRunTheReminder()
    {
        // Without hand-made steps the real lock (in the fake's folder) and the
        // real reminder run: a first run writes the settings file.
        FakePlatform fake;
        QVERIFY(Startup::Run({}));
        QVERIFY(fake.messages.isEmpty());
        QVERIFY(QFileInfo::exists(fake.settingsFilePath(Startup::ApplicationName())));
        QVERIFY(!QDir(fake.lockDirectory()).entryList(QDir::Files).isEmpty());
    }

    void applicationNameFromExecutable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("linux") << "/usr/bin/pallastro" << "pallastro";
        QTest::newRow("windows") << "C:/Program Files/Pallastro/pallastro.exe" << "pallastro";
        QTest::newRow("renamed") << "/opt/x/GreekGod.bin.exe" << "GreekGod.bin";
        QTest::newRow("relative") << "pallastro" << "pallastro";
    }

    void applicationNameFromExecutable()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(Startup::applicationNameFromPath(path), name);
    }

    void prepareApplication()
    {
        Startup::PrepareApplication();
        QVERIFY(!QApplication::quitOnLastWindowClosed());
        QCOMPARE(Startup::ApplicationName(), QStringLiteral("tst_startup"));
    }
};

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
