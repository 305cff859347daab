// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The six page openers of a build with the default hosts: each hands the
// desktop exactly its https address, every time it is called.

#include "tests/common/FakeDesktop.h"
#include "platform/modHelp.h"

#include <QtTest>

using Opener = void (*)();
Q_DECLARE_METATYPE(Opener)


class tst_openers : public QObject
{
    Q_OBJECT

private slots:
    void opensItsAddress_data()
    {
        QTest::addColumn<Opener>("opener");
        QTest::addColumn<QString>("address");
        // The addresses of a build with the default hosts, written out as a
        // user would see them in the browser.
        QTest::newRow("OpenHomePage") << Opener(&modHelp::OpenHomePage) << "https://www.pallastro.example/";
        QTest::newRow("OpenOnlineHelp") << Opener(&modHelp::OpenOnlineHelp)
                                        << "https://program.pallastro.example/pallastro-help.html";
        QTest::newRow("OpenDownloadPage") << Opener(&modHelp::OpenDownloadPage)
                                          << "https://program.pallastro.example/download-pallastro.html";
        QTest::newRow("OpenDonatePage") << Opener(&modHelp::OpenDonatePage)
                                        << "https://help.pallastro.example/donate.html";
        QTest::newRow("OpenFullBrandPage") << Opener(&modHelp::OpenFullBrandPage)
                                           << "https://help.pallastro.example/fully-branded.html";
        QTest::newRow("OpenCoBrandPage") << Opener(&modHelp::OpenCoBrandPage)
                                         << "https://help.pallastro.example/co-brand.html";
    }

    void opensItsAddress()
    {
        QFETCH(Opener, opener);
        QFETCH(QString, address);
        FakeDesktop fake;
        opener();
        QCOMPARE(fake.openedUrls.size(), 1);
        QCOMPARE(fake.openedUrls.at(0).toString(), address);
        QCOMPARE(fake.openedUrls.at(0).scheme(), QStringLiteral("https"));
        QVERIFY(fake.messages.isEmpty());
    }

    void opensAgainWhenCalledAgain_data() { opensItsAddress_data(); }
    void opensAgainWhenCalledAgain()
    {
        QFETCH(Opener, opener);
        QFETCH(QString, address);
        FakeDesktop fake;
        opener();
        opener();
        QCOMPARE(fake.openedUrls.size(), 2);
        QCOMPARE(fake.openedUrls.at(0).toString(), address);
        QCOMPARE(fake.openedUrls.at(1).toString(), address);
    }

    void addressFunctionsMatchWhatIsOpened()
    {
        // The About window names the home page through homePageAddress; it
        // must be the page that its link opens.
        FakeDesktop fake;
        modHelp::OpenHomePage();
        QCOMPARE(fake.openedUrls.value(0), QUrl(modHelp::homePageAddress()));
    }

    void openWebPageIgnoresAnAddressThatIsNoUrl()
    {
        FakeDesktop fake;
        modHelp::OpenWebPage(QStringLiteral("https://exa mple.example/%zz"));
        QVERIFY(fake.openedUrls.isEmpty());
        QVERIFY(fake.messages.isEmpty());
    }
};

QTEST_MAIN(tst_openers)
#include "tst_openers.moc"
