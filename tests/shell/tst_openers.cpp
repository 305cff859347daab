// The six page openers: each opens exactly its https address, every time it is
// called, and a desktop that cannot open it changes nothing.

#include "FakePlatform.h"
#include "modHelp.h"

#include <QtTest>

using Opener = void (*)();
Q_DECLARE_METATYPE(Opener)

namespace {
QString expected(const char *host, const char *path)
{
    return QLatin1String("https://") + QLatin1String(host) + QLatin1Char('/') + QLatin1String(path);
}
} // namespace

class tst_openers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void opensItsAddress_data()
    {
        QTest::addColumn<Opener>("opener");
        QTest::addColumn<QString>("address");
        QTest::newRow("OpenHomePage") << Opener(&modHelp::OpenHomePage) << expected(PALLASTRO_MAIN_HOST, "");
        QTest::newRow("OpenOnlineHelp") << Opener(&modHelp::OpenOnlineHelp)
                                        << expected(PALLASTRO_PROGRAM_HOST, "pallastro-help.html");
        QTest::newRow("OpenDownloadPage") << Opener(&modHelp::OpenDownloadPage)
                                          << expected(PALLASTRO_PROGRAM_HOST, "download-pallastro.html");
        QTest::newRow("OpenDonatePage") << Opener(&modHelp::OpenDonatePage)
                                        << expected(PALLASTRO_HELP_HOST, "donate.html");
        QTest::newRow("OpenFullBrandPage") << Opener(&modHelp::OpenFullBrandPage)
                                           << expected(PALLASTRO_HELP_HOST, "fully-branded.html");
        QTest::newRow("OpenCoBrandPage") << Opener(&modHelp::OpenCoBrandPage)
                                         << expected(PALLASTRO_HELP_HOST, "co-brand.html");
    }

    void opensItsAddress()
    {
        QFETCH(Opener, opener);
        QFETCH(QString, address);
        FakePlatform fake;
        opener();
        QCOMPARE(fake.openedUrls.size(), 1);
        QCOMPARE(fake.openedUrls.at(0).toString(), address);
        QCOMPARE(fake.openedUrls.at(0).scheme(), QStringLiteral("https"));
        QVERIFY(fake.messages.isEmpty());
        QVERIFY(fake.endedWith.isEmpty());
    }

    void opensAgainWhenCalledAgain_data() { opensItsAddress_data(); }
    void opensAgainWhenCalledAgain()
    {
        QFETCH(Opener, opener);
        QFETCH(QString, address);
        FakePlatform fake;
        opener();
        opener();
        QCOMPARE(fake.openedUrls.size(), 2);
        QCOMPARE(fake.openedUrls.at(0).toString(), address);
        QCOMPARE(fake.openedUrls.at(1).toString(), address);
    }

    void failingDesktopIsSilent_data() { opensItsAddress_data(); }
    void failingDesktopIsSilent()
    {
        QFETCH(Opener, opener);
        QFETCH(QString, address);
        FakePlatform fake;
        fake.urlsOpen = false;
        opener();
        opener();
        // Each call still asked the desktop; none produced a message or an exit.
        QCOMPARE(fake.openedUrls.size(), 2);
        QVERIFY(fake.messages.isEmpty());
        QVERIFY(fake.endedWith.isEmpty());
        QVERIFY(fake.seeds.isEmpty());
    }

    void addressFunctionsMatchWhatIsOpened()
    {
        // The About window names the home page through HomePageAddress; it
        // must be the page that its link opens.
        FakePlatform fake;
        modHelp::OpenHomePage();
        QCOMPARE(fake.openedUrls.value(0), QUrl(modHelp::HomePageAddress()));
    }

    void openWebPageIgnoresAnAddressThatIsNoUrl()
    {
        FakePlatform fake;
        modHelp::OpenWebPage(QStringLiteral("https://exa mple.example/%zz"));
        QVERIFY(fake.openedUrls.isEmpty());
        QVERIFY(fake.messages.isEmpty());
    }
};

QTEST_MAIN(tst_openers)
#include "tst_openers.moc"
