// The per-user settings store: encoded Latin-1 keys and values in an INI file,
// and files that cannot be trusted.

#include "FakePlatform.h"
#include "SettingsStore.h"
#include "modHelp.h"

#include <QtTest>

namespace {
const QString App = QStringLiteral("pallastro");

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class tst_settingsstore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void fileIsTheApplicationsOwn()
    {
        FakePlatform fake;
        SettingsStore store(App);
        QCOMPARE(store.filePath(), fake.settingsFilePath(App));
        QVERIFY(store.write(QStringLiteral("Install"), QStringLiteral("1")));
        QVERIFY(QFileInfo::exists(fake.settingsFilePath(App)));
    }

    void missingKeyReadsEmpty()
    {
        FakePlatform fake;
        SettingsStore store(App);
        QCOMPARE(store.read(QStringLiteral("Duration")), QString());
        QVERIFY(store.write(QStringLiteral("Install"), QStringLiteral("7")));
        QCOMPARE(store.read(QStringLiteral("Duration")), QString());
    }

    void keysAndValuesAreStoredEncoded()
    {
        FakePlatform fake;
        SettingsStore store(App);
        QVERIFY(store.write(QStringLiteral("Duration"), QStringLiteral("2026-12-07")));
        QCOMPARE(SettingsStore(App).read(QStringLiteral("Duration")), QStringLiteral("2026-12-07"));

        // Nothing readable on disk, and a plain reader of the file finds the
        // encoded key under the section "Settings".
        const QByteArray bytes = fileBytes(fake.settingsFilePath(App));
        QVERIFY(bytes.contains("[Settings]"));
        QVERIFY(!bytes.contains("Duration"));
        QVERIFY(!bytes.contains("2026"));
        QSettings raw(fake.settingsFilePath(App), QSettings::IniFormat);
        raw.beginGroup(QStringLiteral("Settings"));
        const QStringList keys = raw.childKeys();
        QCOMPARE(keys.size(), 1);
        QCOMPARE(modHelp::DecodeText(keys.at(0)), QStringLiteral("Duration"));
        QCOMPARE(modHelp::DecodeText(raw.value(keys.at(0)).toString()), QStringLiteral("2026-12-07"));
    }

    void everyLatin1KeyKeepsItsOwnValue()
    {
        // Key names of one character each cover every encoded code 85..255; if
        // any two collapsed into one key (as bytes read as UTF-8 would), a value
        // would be lost or overwritten.
        FakePlatform fake;
        {
            SettingsStore store(App);
            for (int code = 0; code <= 170; ++code)
                QVERIFY(store.write(QString(QChar(code)) + QStringLiteral("k"), QString::number(code)));
        }
        SettingsStore again(App);
        for (int code = 0; code <= 170; ++code) {
            const QString name = QString(QChar(code)) + QStringLiteral("k");
            QCOMPARE(again.read(name), QString::number(code));
        }
        QSettings raw(fake.settingsFilePath(App), QSettings::IniFormat);
        raw.beginGroup(QStringLiteral("Settings"));
        QCOMPARE(raw.childKeys().size(), 171);
    }

    void latin1ValuesRoundTrip()
    {
        FakePlatform fake;
        QString value;
        for (int code = 0; code <= 170; ++code)
            value.append(QChar(code));
        QVERIFY(SettingsStore(App).write(QStringLiteral("Install"), value));
        QCOMPARE(SettingsStore(App).read(QStringLiteral("Install")), value);
    }

    void untrustworthyFileReadsEmpty_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe[\x01=\x02\n\x80\x81", 10);
        QTest::newRow("absurdly large") << QByteArray(SettingsStore::MaxFileSize + 1, 'x');
        QByteArray largeButValid = "[Settings]\n";
        largeButValid += QByteArray("\x99\xca\xc7\xb6\xc9\xbe\xc4\xc3=\x87\x85\x87\x8b\n");
        largeButValid += "; " + QByteArray(SettingsStore::MaxFileSize, 'p') + "\n";
        QTest::newRow("valid entry in an oversized file") << largeButValid;
        QTest::newRow("a list where text belongs") << QByteArray("[Settings]\n\x99\xca\xc7\xb6\xc9\xbe\xc4\xc3=a, b\n");
        QTest::newRow("a serialised variant") << QByteArray("[Settings]\n\x99\xca\xc7\xb6\xc9\xbe\xc4\xc3=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n");
    }

    void untrustworthyFileReadsEmpty()
    {
        QFETCH(QByteArray, content);
        FakePlatform fake;
        writeFile(fake.settingsFilePath(App), content);
        QCOMPARE(SettingsStore(App).read(QStringLiteral("Duration")), QString());
    }

    void untrustworthyFileIsReplacedOnWrite_data() { untrustworthyFileReadsEmpty_data(); }
    void untrustworthyFileIsReplacedOnWrite()
    {
        QFETCH(QByteArray, content);
        FakePlatform fake;
        writeFile(fake.settingsFilePath(App), content);
        QVERIFY(SettingsStore(App).write(QStringLiteral("Install"), QStringLiteral("3")));
        QCOMPARE(SettingsStore(App).read(QStringLiteral("Install")), QStringLiteral("3"));
        QVERIFY(QFileInfo(fake.settingsFilePath(App)).size() <= SettingsStore::MaxFileSize);
    }

    void folderInPlaceOfTheFile()
    {
        FakePlatform fake;
        QVERIFY(QDir().mkpath(fake.settingsFilePath(App)));
        SettingsStore store(App);
        QCOMPARE(store.read(QStringLiteral("Duration")), QString());
        QVERIFY(!store.write(QStringLiteral("Duration"), QStringLiteral("x")));
        QVERIFY(QFileInfo(fake.settingsFilePath(App)).isDir());
    }

    void otherSectionsAndOtherApplicationsAreNotRead()
    {
        FakePlatform fake;
        writeFile(fake.settingsFilePath(App), "[General]\n\x99\xca\xc7\xb6\xc9\xbe\xc4\xc3=\x87\n");
        QCOMPARE(SettingsStore(App).read(QStringLiteral("Duration")), QString());
        QVERIFY(SettingsStore(QStringLiteral("other")).write(QStringLiteral("Duration"), QStringLiteral("5")));
        QCOMPARE(SettingsStore(App).read(QStringLiteral("Duration")), QString());
    }
};

QTEST_MAIN(tst_settingsstore)
#include "tst_settingsstore.moc"
