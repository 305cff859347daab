// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The update reminder against a fixed clock and an isolated settings store.

#include "tests/common/FakeDesktop.h"
#include "platform/UserFolders.h"
#include "platform/SettingsStore.h"
#include "platform/SystemDialogs.h"
#include "core/Identity.h"
#include "tests/platform/ThrowawayUser.h"
#include "core/UpdateReminderRules.h"
#include "platform/modHelp.h"

#include <QtTest>

namespace {

// A stored value given as "" (missing), "today+N" / "today-N" (a date N days
// away, ISO form) or any other text taken literally.
QString storedText(const QString &given, const QDate &today)
{
    if (given.startsWith(QLatin1String("today"))) {
        const qint64 offset = given.mid(5).toLongLong();
        return today.addDays(offset).toString(Qt::ISODate);
    }
    return given;
}

const QString Question = QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?");

} // namespace

class tst_updatereminder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void reminder_data()
    {
        QTest::addColumn<QString>("duration");       // stored before the run, see storedText
        QTest::addColumn<QString>("install");        // stored before the run; "" = missing
        QTest::addColumn<int>("answer");             // what the user answers if asked
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("durationAfter");  // see storedText
        QTest::addColumn<QString>("installAfter");
        QTest::addColumn<bool>("pageOpened");

        const int yes = QMessageBox::Yes;
        const int no = QMessageBox::No;
        // clang-format off
        QTest::newRow("first run")              << ""          << ""     << yes << false << "today+0"   << "1"    << false;
        QTest::newRow("first run, old install") << ""          << "9"    << yes << false << "today+0"   << "1"    << false;
        QTest::newRow("today")                  << "today+0"   << "3"    << yes << false << "today+0"   << "3"    << false;
        QTest::newRow("14 days ago")            << "today-14"  << "3"    << yes << false << "today-14"  << "3"    << false;
        QTest::newRow("15 days ago, Yes")       << "today-15"  << "3"    << yes << true  << "today+0"   << "3"    << true;
        QTest::newRow("15 days ago, No")        << "today-15"  << "3"    << no  << true  << "today+0"   << "3"    << false;
        // The program was told to end while it asked: the question stays due.
        QTest::newRow("15 days ago, no answer") << "today-15"  << "3"    << int(QMessageBox::NoButton) << true << "today-15" << "3" << false;
        QTest::newRow("14 days ahead")          << "today+14"  << "3"    << yes << false << "today+14"  << "3"    << false;
        QTest::newRow("15 days ahead, Yes")     << "today+15"  << "3"    << yes << true  << "today+0"   << "3"    << true;
        QTest::newRow("15 days ahead, No")      << "today+15"  << "3"    << no  << true  << "today+0"   << "3"    << false;
        QTest::newRow("years ago")              << "today-4000" << "1"   << no  << true  << "today+0"   << "1"    << false;
        QTest::newRow("negative install")       << "today-30"  << "-5"   << no  << true  << "today+0"   << "5"    << false;
        QTest::newRow("fraction half to even")  << "today-30"  << "2.5"  << no  << true  << "today+0"   << "2"    << false;
        QTest::newRow("negative fraction")      << "today-30"  << "-3.5" << no  << true  << "today+0"   << "4"    << false;
        QTest::newRow("missing install, Yes")   << "today-30"  << ""     << yes << true  << "today+0"   << "1"    << true;
        QTest::newRow("non-numeric install")    << "today-30"  << "many" << yes << true  << "today+0"   << "1"    << true;
        QTest::newRow("install out of range")   << "today-30"  << "3000000000" << no << true << "today+0" << "1" << false;
        QTest::newRow("install at the limit")   << "today-30"  << "-2147483647" << no << true << "today+0" << "2147483647" << false;
        QTest::newRow("unreadable date")        << "07/12/2026 x" << "4" << yes << false << "today+0"   << "1"    << false;
        QTest::newRow("short date of a locale") << "12/7/26"   << "4"    << yes << false << "today+0"   << "1"    << false;
        QTest::newRow("impossible date")        << "2026-02-30" << "4"   << yes << false << "today+0"   << "1"    << false;
        // clang-format on
    }

    void reminder()
    {
        QFETCH(QString, duration);
        QFETCH(QString, install);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(QString, durationAfter);
        QFETCH(QString, installAfter);
        QFETCH(bool, pageOpened);

        FakeDesktop fake;
        const QDate today = fake.fixedToday;
        {
            SettingsStore before(Identity::applicationName());
            if (!duration.isEmpty())
                QVERIFY(before.write(QStringLiteral("Duration"), storedText(duration, today)));
            if (!install.isEmpty())
                QVERIFY(before.write(QStringLiteral("Install"), install));
        }
        fake.messageAnswers.enqueue(static_cast<QMessageBox::StandardButton>(answer));

        modHelp::UpdateReminder(fake.fixedToday, fake);

        QCOMPARE(fake.messages.size(), asked ? 1 : 0);
        if (asked) {
            const ShownMessage &m = fake.messages.at(0);
            QCOMPARE(m.text, Question);
            QCOMPARE(m.icon, QMessageBox::Information);
            QCOMPARE(m.buttons, QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
        }

        const SettingsStore after(Identity::applicationName());
        QCOMPARE(after.read(QStringLiteral("Duration")), storedText(durationAfter, today));
        QCOMPARE(after.read(QStringLiteral("Install")), installAfter);

        if (pageOpened) {
            QCOMPARE(fake.openedUrls.size(), 1);
            QCOMPARE(fake.openedUrls.at(0), QUrl(modHelp::downloadPageAddress()));
        } else {
            QVERIFY(fake.openedUrls.isEmpty());
        }
        QVERIFY(fake.endedWith.isEmpty());
    }

    void nextRunAfterAnAnswerIsQuiet()
    {
        FakeDesktop fake;
        QVERIFY(SettingsStore(Identity::applicationName())
                    .write(QStringLiteral("Duration"), fake.fixedToday.addDays(-20).toString(Qt::ISODate)));
        fake.messageAnswers.enqueue(QMessageBox::No);
        modHelp::UpdateReminder(fake.fixedToday, fake);
        QCOMPARE(fake.messages.size(), 1);

        // 14 days later still quiet, the 15th day asks again.
        fake.fixedToday = fake.fixedToday.addDays(14);
        modHelp::UpdateReminder(fake.fixedToday, fake);
        QCOMPARE(fake.messages.size(), 1);
        fake.fixedToday = fake.fixedToday.addDays(1);
        modHelp::UpdateReminder(fake.fixedToday, fake);
        QCOMPARE(fake.messages.size(), 2);
    }

    void damagedSettingsFileStartsAfresh()
    {
        FakeDesktop fake;
        const QString path = UserFolders::settingsFile(Identity::applicationName());
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(SettingsStore::MaxFileSize * 2, '\xff'));
        file.close();

        modHelp::UpdateReminder(fake.fixedToday, fake);
        QVERIFY(fake.messages.isEmpty());
        const SettingsStore after(Identity::applicationName());
        QCOMPARE(after.read(QStringLiteral("Duration")), fake.fixedToday.toString(Qt::ISODate));
        QCOMPARE(after.read(QStringLiteral("Install")), QStringLiteral("1"));
    }

    // A settings file the user made read-only is never deleted or rewritten:
    // the reminder goes on as far as it can and the file keeps every byte.
    void readOnlySettingsFileIsKept_data()
    {
        QTest::addColumn<QString>("duration");   // "" = the file holds garbage instead
        QTest::addColumn<bool>("asked");
        QTest::newRow("a reminder is due") << QStringLiteral("today-20") << true;
        QTest::newRow("garbage") << QString() << false;
    }

    void readOnlySettingsFileIsKept()
    {
        QFETCH(QString, duration);
        QFETCH(bool, asked);
#ifndef Q_OS_UNIX
        // The store is the registry there: no settings file to close.
        Q_UNUSED(duration);
        Q_UNUSED(asked);
        QSKIP("settings files the user closes exist only where the store is a file");
#endif
        PALLASTRO_AS_ORDINARY_USER();

        FakeDesktop fake;
        const QString path = UserFolders::settingsFile(Identity::applicationName());
        if (duration.isEmpty()) {
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("\xff\xfe[\x01\n\x80garbage", 13));
        } else {
            SettingsStore before(Identity::applicationName());
            QVERIFY(before.write(QStringLiteral("Duration"), storedText(duration, fake.fixedToday)));
            QVERIFY(before.write(QStringLiteral("Install"), QStringLiteral("3")));
        }
        QByteArray bytes;
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            bytes = file.readAll();
        }
        const QFileDevice::Permissions writable = QFile::permissions(path);
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser));

        fake.messageAnswers.enqueue(QMessageBox::No);
        modHelp::UpdateReminder(fake.fixedToday, fake);
        QCOMPARE(fake.messages.size(), asked ? 1 : 0);
        // The date could not be renewed, so the next start asks again.
        fake.messageAnswers.enqueue(QMessageBox::No);
        modHelp::UpdateReminder(fake.fixedToday, fake);
        QCOMPARE(fake.messages.size(), asked ? 2 : 0);
        QVERIFY(fake.openedUrls.isEmpty());
        QVERIFY(fake.endedWith.isEmpty());

        QVERIFY(QFile::setPermissions(path, writable));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }

    void questionIsShownAsTwoLines()
    {
        // The seam receives the lone carriage return; the message box it
        // builds breaks the line there.
        const QStringList lines = messageBoxLines(UpdateReminderRules::questionText()).split(QLatin1Char('\n'));
        QCOMPARE(lines, QStringList({QStringLiteral("There maybe an update to this software available"),
                                     QStringLiteral("Do you want to check for an update?")}));
        QCOMPARE(messageBoxLines(QStringLiteral("a\r\nb\nc")), QStringLiteral("a\nb\nc"));
    }

    void checkForUpdateMenuDoesNotTouchTheReminder()
    {
        FakeDesktop fake;
        modHelp::OpenDownloadPage();
        QCOMPARE(fake.openedUrls.size(), 1);
        QVERIFY(!QFileInfo::exists(UserFolders::settingsFile(Identity::applicationName())));
    }
};

QTEST_MAIN(tst_updatereminder)
#include "tst_updatereminder.moc"
