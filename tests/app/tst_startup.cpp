// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's root: the start-up sequence, the refusal of a second copy,
// the switches between the two windows, and every way the program ends.

#include "tests/common/FakeDesktop.h"
#include "platform/UserFolders.h"
#include "core/HandOverRequest.h"
#include "core/Identity.h"
#include "platform/InstanceChannel.h"
#include "platform/InstanceLock.h"
#include "widgets/LinkLabel.h"
#include "app/Root.h"
#include "platform/SettingsStore.h"
#include "windows/result/frmGreekNumerologyResult.h"
#include "windows/main/frmMain.h"
#include "core/modGreekNumerology.h"

#include <QtTest>

#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocalSocket>
#include <QPushButton>

#include <functional>
#include <stdexcept>

class tst_startup : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home{QDir::tempPath() + QStringLiteral("/pallastro-XXXXXX")};

    static Root::Quit recorder(QList<int> &ended)
    {
        return [&ended](int status) {
            ended.append(status);
            // As the real end quits every event loop, the questions' too.
            if (FakeDesktop *fake = FakeDesktop::current())
                fake->programEnded();
        };
    }

    static QStringList lockFiles()
    {
        return QDir(UserFolders::lockFolder()).entryList(QDir::Files | QDir::Hidden);
    }

    static QList<QWidget *> visibleTopLevels()
    {
        QList<QWidget *> shown;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                shown << w;
        return shown;
    }

    static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    // Hands a file over as a second copy does, without waiting for the
    // answer: the running copy takes it while the test's events run, and
    // answered() is called once it has.
    static void handOver(const QString &file, QObject *owner, std::function<void()> answered = {})
    {
        auto *caller = new QLocalSocket(owner);
        caller->connectToServer(
            InstanceChannel::nameFor(UserFolders::lockFolder(), Identity::applicationName()));
        // As a second copy, which writes once its connection stands: the
        // running copy has taken the call by then and reads the request
        // as it comes in.
        QTimer::singleShot(20, caller, [caller, file] { caller->write(HandOverRequest::encode(file)); });
        // Once answered, the second copy ends and its end of the line goes.
        connect(caller, &QLocalSocket::readyRead, caller, [caller, answered] {
            caller->readAll();
            caller->abort();
            if (answered)
                answered();
        });
    }

    static void proceed(frmMain *main)
    {
        main->txtName->setText(QStringLiteral("Ariadne"));
        main->cmdProceed->click();
    }

    // Starts the program and, if asked, goes on to Ariadne's reading; the
    // window shown then, or null when start-up failed.
    static QWidget *startOn(Root &root, bool fromResult)
    {
        if (!root.start(QDate(2026, 12, 7), 0.0f))
            return nullptr;
        if (fromResult)
            proceed(root.mainWindow());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return fromResult ? static_cast<QWidget *>(root.resultWindow()) : root.mainWindow();
    }

private slots:
    void initTestCase()
    {
        // A socket's path holds 107 bytes at most, and the build tree's home
        // folder may lie too deep for the hand-over channel's; a short home
        // of the suite's own keeps the channel, and the lock beside it.
        QVERIFY(m_home.isValid());
        qputenv("HOME", QFile::encodeName(m_home.path()));
        QStandardPaths::setTestModeEnabled(true);
    }

    void cleanup()
    {
        // Whatever a test left to deferred deletion goes now.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void firstStartShowsTheMainWindowAfterTheReminder()
    {
        FakeDesktop fake;
        QList<int> ended;
        {
            Root root(fake, recorder(ended));
            QVERIFY(root.start(QDate(2026, 12, 7), 0.0f));
            QVERIFY(root.mainWindow());
            QVERIFY(root.mainWindow()->isVisible());
            QCOMPARE(visibleTopLevels().size(), 1);
            // A first run starts the reminder's period without a question.
            QVERIFY(fake.messages.isEmpty());
            QVERIFY(QFileInfo::exists(UserFolders::settingsFile(Identity::applicationName())));
            QCOMPARE(lockFiles().size(), 1);
        }
        // The lock goes with the root that owns it.
        QVERIFY(lockFiles().isEmpty());
        QVERIFY(ended.isEmpty());
    }

    void secondCopyShowsTheMessageAndEnds()
    {
        FakeDesktop fake;
        InstanceLock first(UserFolders::lockFolder(), Identity::applicationName());
        QCOMPARE(first.acquire(), InstanceLock::Result::Acquired);

        QList<int> ended;
        Root root(fake, recorder(ended));
        QVERIFY(!root.start(QDate(2026, 12, 7), 0.0f));
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.messages.at(0).text, QStringLiteral("Application is already running"));
        QCOMPARE(fake.messages.at(0).icon, QMessageBox::Information);
        QCOMPARE(fake.messages.at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(ended, QList<int>({0}));
        QVERIFY(!root.mainWindow());
        QVERIFY(visibleTopLevels().isEmpty());
        // Neither the reminder nor a browser ran.
        QVERIFY(!QFileInfo::exists(UserFolders::settingsFile(Identity::applicationName())));
        QVERIFY(fake.openedUrls.isEmpty());
        // The first copy's lock is untouched.
        QCOMPARE(lockFiles().size(), 1);
    }

    void aFailedStepIsSaidOnceAndStartUpGoesOn_data()
    {
        QTest::addColumn<bool>("named");
        QTest::addColumn<QString>("said");
        QTest::newRow("a standard exception") << true
            << "Saying that the program already runs failed and was skipped: no screen";
        QTest::newRow("anything else") << false
            << "Saying that the program already runs failed and was skipped";
    }

    void aFailedStepIsSaidOnceAndStartUpGoesOn()
    {
        QFETCH(bool, named);
        QFETCH(QString, said);
        struct FailingDialogs final : Dialogs
        {
            bool named = true;
            QMessageBox::StandardButton message(QWidget *, QMessageBox::Icon, const QString &,
                                                QMessageBox::StandardButtons) override
            {
                if (named)
                    throw std::runtime_error("no screen");
                throw 7;
            }
            QString askFileName(QWidget *, const FileDialogRequest &) override { return {}; }
            PrintAnswer askPrint(QWidget *, QPrinter &, const PrintDialogRequest &) override
            {
                return PrintAnswer::Cancel;
            }
        } dialogs;
        dialogs.named = named;
        InstanceLock first(UserFolders::lockFolder(), Identity::applicationName());
        QCOMPARE(first.acquire(), InstanceLock::Result::Acquired);

        static QStringList warnings;
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &, const QString &text) {
                if (type == QtWarningMsg)
                    warnings << text;
            });
        QList<int> ended;
        Root root(dialogs, recorder(ended));
        const bool started = root.start(QDate(2026, 12, 7), 0.0f);
        qInstallMessageHandler(previous);

        QVERIFY(!started);
        QCOMPARE(ended, QList<int>({0}));
        QCOMPARE(warnings, QStringList({said}));
    }

    void coBrandDrawPicksTheFrontLabel_data()
    {
        QTest::addColumn<float>("draw");
        QTest::addColumn<QString>("front");
        QTest::newRow("1: co-brand") << 0.0f << "lblCobrand";
        QTest::newRow("2: full brand") << 0.2f << "lblFullBrand";
        QTest::newRow("3: co-brand") << 0.4f << "lblCobrand";
        QTest::newRow("7: as designed") << 0.99f << "lblFullBrand";
    }

    void coBrandDrawPicksTheFrontLabel()
    {
        QFETCH(float, draw);
        QFETCH(QString, front);
        FakeDesktop fake;
        QList<int> ended;
        Root root(fake, recorder(ended));
        QVERIFY(root.start(QDate(2026, 12, 7), draw));
        frmMain *main = root.mainWindow();
        const QPoint overlap = main->lblCobrand->geometry().center();
        QCOMPARE(main->fraFullBrand->childAt(overlap)->objectName(), front);
    }

    void switchesNeverEndTheProgram()
    {
        FakeDesktop fake;
        QList<int> ended;
        Root root(fake, recorder(ended));
        QVERIFY(root.start(QDate(2026, 12, 7), 0.0f));

        for (int round = 0; round < 3; ++round) {
            QPointer<frmMain> main = root.mainWindow();
            proceed(main);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!main);   // unloaded, not only hidden
            QVERIFY(root.resultWindow());
            QCOMPARE(visibleTopLevels(), QList<QWidget *>({root.resultWindow()}));

            QPointer<frmGreekNumerologyResult> result = root.resultWindow();
            if (round % 2)
                result->mnuBack->trigger();
            else
                result->cmdBack->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!result);
            QVERIFY(root.mainWindow());
            QCOMPARE(visibleTopLevels(), QList<QWidget *>({root.mainWindow()}));
            // A fresh main window: the entries are empty again.
            QVERIFY(root.mainWindow()->txtName->text().isEmpty());
        }
        QVERIFY(ended.isEmpty());
    }

    // A file named on the command line: its reading straight away, or
    // Open's message and then the main window.
    void startWithAFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");   // empty: no such file
        QTest::addColumn<bool>("opens");
        const QByteArray lifePath7destiny3("\x8c\r\n\x88\r\n");
        QTest::newRow("a reading") << "r.grn" << lifePath7destiny3 << true;
        QTest::newRow("ending in capitals") << "r.GRN" << lifePath7destiny3 << false;
        QTest::newRow("plain digits") << "p.grn" << QByteArray("7\r\n3\r\n") << false;
        QTest::newRow("no such file") << "missing.grn" << QByteArray() << false;
    }

    void startWithAFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, opens);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (!bytes.isEmpty())
            QVERIFY(writeFile(path, bytes));
        modGreekNumerology::resetReadingState();

        FakeDesktop fake;
        QList<int> ended;
        Root root(fake, recorder(ended));
        QVERIFY(root.start(QDate(2026, 12, 7), 0.0f, path));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (opens) {
            QVERIFY(fake.messages.isEmpty());
            QCOMPARE(visibleTopLevels(), QList<QWidget *>({root.resultWindow()}));
            QCOMPARE(modGreekNumerology::LifePathNumber, qint16(7));
            QCOMPARE(modGreekNumerology::DestinyNumber, qint16(3));
        } else {
            QCOMPARE(fake.messageTexts(), QStringList{QStringLiteral("Please Check The File.")});
            QCOMPARE(visibleTopLevels(), QList<QWidget *>({root.mainWindow()}));
        }
        QVERIFY(ended.isEmpty());
    }

    // A file handed over by a second copy takes the place of whatever the
    // running copy shows, once the question the user has open is answered.
    void handedOverFile_data()
    {
        QTest::addColumn<bool>("fromResult");
        QTest::addColumn<bool>("questionOpen");
        QTest::addColumn<bool>("good");
        QTest::newRow("main window") << false << false << true;
        QTest::newRow("result window") << true << false << true;
        QTest::newRow("under a question") << true << true << true;
        QTest::newRow("main window, bad file") << false << false << false;
        QTest::newRow("result window, bad file") << true << false << false;
    }

    void handedOverFile()
    {
        QFETCH(bool, fromResult);
        QFETCH(bool, questionOpen);
        QFETCH(bool, good);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("r.grn"));
        // Life Path 2, Destiny 4: neither is Ariadne's (3, 7 for the 1900 date).
        QVERIFY(writeFile(path, good ? QByteArray("\x87\r\n\x89\r\n") : QByteArray("2\r\n4\r\n")));

        FakeDesktop fake;
        QList<int> ended;
        Root root(fake, recorder(ended));
        QWidget *before = startOn(root, fromResult);
        QVERIFY(before);
        const qint16 lifePathBefore = modGreekNumerology::LifePathNumber;

        QDialog question;   // parentless: the window under it goes away
        if (questionOpen) {
            question.setModal(true);
            question.show();
        }
        root.openHandedOver(path);
        if (questionOpen) {
            QTest::qWait(400);
            QCOMPARE(visibleTopLevels().size(), 2);   // nothing changed under the question
            QCOMPARE(modGreekNumerology::LifePathNumber, lifePathBefore);
            question.close();
        }
        QTRY_VERIFY(good ? visibleTopLevels() == QList<QWidget *>({root.resultWindow()})
                           && root.resultWindow() != before
                         : !fake.messages.isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (good) {
            QVERIFY(fake.messages.isEmpty());
            QCOMPARE(modGreekNumerology::LifePathNumber, qint16(2));
            QCOMPARE(modGreekNumerology::DestinyNumber, qint16(4));
        } else {
            // Open's message, over the window that stays as it was.
            QCOMPARE(fake.messageTexts(), QStringList{QStringLiteral("Please Check The File.")});
            QCOMPARE(visibleTopLevels(), QList<QWidget *>({before}));
            QCOMPARE(modGreekNumerology::LifePathNumber, lifePathBefore);
        }
        QVERIFY(ended.isEmpty());
    }

    // Files handed over through the channel, with every question running an
    // event loop of its own as the real ones do: the callers' sockets come
    // and go under the question, and files that come while one is open
    // wait together for its answer.
    void handOversThroughTheChannel_data()
    {
        QTest::addColumn<bool>("fromResult");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("lastGood");     // the others are refused
        QTest::addColumn<bool>("duringSave");   // all come while Save asks for a name
        QTest::addColumn<int>("refusals");      // "Please Check The File." shown
        QTest::newRow("refused six times, main window") << false << 6 << false << false << 6;
        QTest::newRow("refused six times, result window") << true << 6 << false << false << 6;
        QTest::newRow("forty during Save, the last good") << true << 40 << true << true << 0;
        QTest::newRow("forty during Save, all refused") << true << 40 << false << true << 1;
    }

    void handOversThroughTheChannel()
    {
        QFETCH(bool, fromResult);
        QFETCH(int, count);
        QFETCH(bool, lastGood);
        QFETCH(bool, duringSave);
        QFETCH(int, refusals);
        QTemporaryDir folder;
        const QString refused = folder.filePath(QStringLiteral("refused.grn"));
        const QString good = folder.filePath(QStringLiteral("good.grn"));
        QVERIFY(writeFile(refused, QByteArray("2\r\n4\r\n")));
        QVERIFY(writeFile(good, QByteArray("\x87\r\n\x89\r\n")));   // Life Path 2, Destiny 4

        FakeDesktop fake;
        // As long as a user takes to read the message: longer than a caller
        // is given to send its request, so that callers' sockets time out
        // and go while it is open.
        fake.questionOpenMs = InstanceChannel::RequestTimeoutMs + 500;
        QList<int> ended;
        Root root(fake, recorder(ended));
        QWidget *before = startOn(root, fromResult);
        QVERIFY(before);
        const qint16 lifePathBefore = modGreekNumerology::LifePathNumber;

        QObject callers;
        // One second copy after the other, as a user double-clicks them:
        // a Windows pipe has only so many instances waiting at once.
        int answered = 0;
        std::function<void()> sendNext = [&] {
            if (answered < count)
                handOver(answered == count - 1 && lastGood ? good : refused, &callers, [&] {
                    ++answered;
                    sendNext();
                });
        };
        if (duringSave) {
            fake.questionOpenMs = 6000;
            fake.whileAsked = [&] {
                fake.whileAsked = nullptr;
                sendNext();
            };
            root.resultWindow()->cmdSave->click();
            fake.questionOpenMs = InstanceChannel::RequestTimeoutMs + 500;
            QCOMPARE(answered, count);   // all taken while the question was open
            QCOMPARE(fake.fileRequests.size(), 1);
            // Nothing opened under the question.
            QCOMPARE(fake.messages.size(), 0);
            QCOMPARE(visibleTopLevels(), QList<QWidget *>({before}));
        } else {
            for (int i = 0; i < count; ++i) {
                handOver(refused, &callers);
                QTRY_COMPARE(fake.messages.size(), i + 1);
            }
        }
        QTRY_COMPARE(fake.messages.size(), refusals);
        if (lastGood) {
            QTRY_COMPARE(modGreekNumerology::LifePathNumber, qint16(2));
            QCOMPARE(modGreekNumerology::DestinyNumber, qint16(4));
            QTRY_VERIFY(root.resultWindow() && root.resultWindow() != before);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(visibleTopLevels(), QList<QWidget *>({root.resultWindow()}));
        } else {
            // Open's message over the window that stays as it was, once a file.
            QTest::qWait(3 * HandOverInbox::RetryMs);
            QCOMPARE(fake.messages.size(), refusals);
            QVERIFY(fake.messageTexts().count(QStringLiteral("Please Check The File.")) == refusals);
            QCOMPARE(visibleTopLevels(), QList<QWidget *>({before}));
            QCOMPARE(modGreekNumerology::LifePathNumber, lifePathBefore);
        }
        QVERIFY(ended.isEmpty());
    }

    void everyWayOutEndsWithStatusZeroAndNoLock_data()
    {
        QTest::addColumn<bool>("fromResult");
        QTest::addColumn<QString>("way");
        QTest::newRow("main: title-bar close") << false << "close";
        QTest::newRow("main: Exit") << false << "Exit";
        QTest::newRow("result: title-bar close") << true << "close";
        QTest::newRow("result: Exit") << true << "Exit";
        // A signal ends the program through EndProgram from whatever event
        // loop runs; here the loop of the question the user has open.
        QTest::newRow("main: ended under Open's dialog") << false << "under a question";
        QTest::newRow("result: ended under Save's dialog") << true << "under a question";
    }

    void everyWayOutEndsWithStatusZeroAndNoLock()
    {
        QFETCH(bool, fromResult);
        QFETCH(QString, way);
        FakeDesktop fake;
        QList<int> ended;
        {
            Root root(fake, recorder(ended));
            QVERIFY(root.start(QDate(2026, 12, 7), 0.0f));
            QMainWindow *window = root.mainWindow();
            QAction *exit = root.mainWindow()->mnuExit;
            QPushButton *asks = root.mainWindow()->cmdOpen;
            if (fromResult) {
                proceed(root.mainWindow());
                window = root.resultWindow();
                exit = root.resultWindow()->mnuExit;
                asks = root.resultWindow()->cmdSave;
            }
            if (way == QLatin1String("Exit")) {
                exit->trigger();
            } else if (way == QLatin1String("close")) {
                window->close();
            } else {
                fake.fileAnswers.enqueue(QDir::temp().filePath(QStringLiteral("never-written.grn")));
                fake.whileAsked = [&] { root.EndProgram(); };
                asks->click();
                // Nothing more is asked once the program ends.
                QCOMPARE(fake.fileRequests.size(), 1);
                QVERIFY(root.hasEnded());
            }
            QCOMPARE(ended, QList<int>({0}));
            QVERIFY(visibleTopLevels().isEmpty());
            QCOMPARE(fake.messages.size(), 0);
            QVERIFY(fake.openedUrls.isEmpty());
        }
        QVERIFY(lockFiles().isEmpty());
    }

    // The start-up sequence ended while its message waits for an answer.
    void endedUnderAStartUpQuestion_data()
    {
        QTest::addColumn<bool>("reminder");   // else Open's message for a file it refuses
        QTest::newRow("the update reminder") << true;
        QTest::newRow("a file Open refuses") << false;
    }

    void endedUnderAStartUpQuestion()
    {
        QFETCH(bool, reminder);
        QTemporaryDir folder;
        const QString refused = folder.filePath(QStringLiteral("notes.txt"));
        QVERIFY(writeFile(refused, "notes\n"));
        FakeDesktop fake;
        const QString settings = UserFolders::settingsFile(Identity::applicationName());
        if (reminder)
            QVERIFY(SettingsStore(Identity::applicationName())
                        .write(QStringLiteral("Duration"), fake.fixedToday.addDays(-20).toString(Qt::ISODate)));
        const QByteArray settingsBefore = [&] {
            QFile file(settings);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        QList<int> ended;
        {
            Root root(fake, recorder(ended));
            fake.whileAsked = [&] { root.EndProgram(); };
            QVERIFY(!root.start(fake.fixedToday, 0.0f, reminder ? QString() : refused));
            QCOMPARE(fake.messages.size(), 1);
            QCOMPARE(ended, QList<int>({0}));
            QVERIFY(visibleTopLevels().isEmpty());
        }
        QVERIFY(lockFiles().isEmpty());
        // The question was not answered: it stays due.
        QFile file(settings);
        if (reminder)
            QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), settingsBefore);
        QVERIFY(fake.openedUrls.isEmpty());
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
        QCOMPARE(Root::applicationNameFromPath(path), name);
    }

    void prepareApplication()
    {
        Root::prepareApplication();
        QVERIFY(!QApplication::quitOnLastWindowClosed());
        QCOMPARE(Identity::applicationName(), QStringLiteral("tst_startup"));
        QCOMPARE(QGuiApplication::desktopFileName(), Identity::applicationId());
    }
};

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
