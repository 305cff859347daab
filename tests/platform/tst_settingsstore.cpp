// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The per-user settings store: encoded Latin-1 keys and values in an INI file,
// files that cannot be trusted, and files the program may not write.

#include "tests/common/FakeDesktop.h"
#include "platform/UserFolders.h"
#include "platform/SettingsStore.h"
#include "tests/platform/ThrowawayUser.h"
#include "platform/modHelp.h"

#include <QtTest>

#include <algorithm>

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

// "Duration" = "2026" as the INI file holds it: the encoded key with its
// Latin-1 codes escaped, the encoded value in UTF-8.
const QByteArray DurationKey("%99%CA%C7%B6%C9%BE%C4%C3");
const QByteArray DurationEntry = DurationKey + "=\xc2\x87\xc2\x85\xc2\x87\xc2\x8b\n";

// Whether a store that ignores case (the Windows registry, Qt's INI files on
// Windows) sees two stored keys as one.
bool sameKeyWithoutCase(const QString &a, const QString &b)
{
    return a.toCaseFolded() == b.toCaseFolded() || a.toUpper() == b.toUpper();
}

// Restores what a test took away, so that the sandbox can be removed.
struct ModeGuard
{
    QString path;
    QFileDevice::Permissions mode;
    ~ModeGuard()
    {
        if (!path.isEmpty())
            QFile::setPermissions(path, mode);
    }
};
} // namespace

class tst_settingsstore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void fileIsTheApplicationsOwn()
    {
        FakeDesktop fake;
        SettingsStore store(App);
        QCOMPARE(store.filePath(), UserFolders::settingsFile(App));
        QVERIFY(store.write(QStringLiteral("Install"), QStringLiteral("1")));
        QVERIFY(QFileInfo::exists(UserFolders::settingsFile(App)));
    }

    void missingKeyReadsEmpty()
    {
        FakeDesktop fake;
        SettingsStore store(App);
        QCOMPARE(store.read(QStringLiteral("Duration")), QString());
        QVERIFY(store.write(QStringLiteral("Install"), QStringLiteral("7")));
        QCOMPARE(store.read(QStringLiteral("Duration")), QString());
    }

    void keysAndValuesAreStoredEncoded()
    {
        FakeDesktop fake;
        SettingsStore store(App);
        QVERIFY(store.write(QStringLiteral("Duration"), QStringLiteral("2026-12-07")));
        QCOMPARE(SettingsStore(App).read(QStringLiteral("Duration")), QStringLiteral("2026-12-07"));

        // Nothing readable on disk, and a plain reader of the file finds the
        // encoded key under the section "Settings".
        const QByteArray bytes = fileBytes(UserFolders::settingsFile(App));
        QVERIFY(bytes.contains("[Settings]"));
        QVERIFY(!bytes.contains("Duration"));
        QVERIFY(!bytes.contains("2026"));
        QSettings raw(UserFolders::settingsFile(App), QSettings::IniFormat);
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
        FakeDesktop fake;
        QList<int> codes;
        QStringList storedKeys;
        for (int code = 0; code <= 170; ++code) {
            const QString key = SettingsStore::storedKey(QString(QChar(code)) + QStringLiteral("k"));
#ifdef Q_OS_WIN
            // Keys that differ only in case are one key there (see
            // storedKeysApartWithoutCase); each such pair is tried once.
            if (std::any_of(storedKeys.cbegin(), storedKeys.cend(),
                            [&](const QString &seen) { return sameKeyWithoutCase(seen, key); }))
                continue;
#endif
            codes << code;
            storedKeys << key;
        }
        {
            SettingsStore store(App);
            for (int code : std::as_const(codes))
                QVERIFY(store.write(QString(QChar(code)) + QStringLiteral("k"), QString::number(code)));
        }
        SettingsStore again(App);
        for (int code : std::as_const(codes)) {
            const QString name = QString(QChar(code)) + QStringLiteral("k");
            QCOMPARE(again.read(name), QString::number(code));
        }
        QSettings raw(UserFolders::settingsFile(App), QSettings::IniFormat);
        raw.beginGroup(QStringLiteral("Settings"));
        QCOMPARE(raw.childKeys().size(), codes.size());
#ifndef Q_OS_WIN
        QCOMPARE(codes.size(), 171);
#endif
    }

    // The registry does not tell keys apart by case. The program's two names
    // must therefore stay apart when case is ignored; a pair that does not
    // shows that the comparison would notice.
    void storedKeysApartWithoutCase_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("apart");
        QTest::newRow("Duration and Install") << QStringLiteral("Duration") << QStringLiteral("Install") << true;
        QTest::newRow("Install and Duration") << QStringLiteral("Install") << QStringLiteral("Duration") << true;
        // "k" + 85 is U+00C0, U+008B + 85 is U+00E0: capital and small A grave.
        QTest::newRow("k and U+008B") << QStringLiteral("k") << QString(QChar(0x8b)) << false;
        QTest::newRow("NUL and blank") << QString(QChar(0)) << QStringLiteral(" ") << false;
    }

    void storedKeysApartWithoutCase()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, apart);
        QVERIFY(SettingsStore::storedKey(first) != SettingsStore::storedKey(second));
        QCOMPARE(!sameKeyWithoutCase(SettingsStore::storedKey(first), SettingsStore::storedKey(second)), apart);

        // And what the store does with such a pair here.
        FakeDesktop fake;
        SettingsStore store(App);
        QVERIFY(store.write(first, QStringLiteral("1")));
        QVERIFY(store.write(second, QStringLiteral("2")));
#ifdef Q_OS_WIN
        QCOMPARE(store.read(first), apart ? QStringLiteral("1") : QStringLiteral("2"));
#else
        QCOMPARE(store.read(first), QStringLiteral("1"));   // the INI file here keeps case
#endif
        QCOMPARE(store.read(second), QStringLiteral("2"));
    }

    void latin1ValuesRoundTrip()
    {
        FakeDesktop fake;
        QString value;
        for (int code = 0; code <= 170; ++code)
            value.append(QChar(code));
        QVERIFY(SettingsStore(App).write(QStringLiteral("Install"), value));
        QCOMPARE(SettingsStore(App).read(QStringLiteral("Install")), value);
    }

    // The hand-written entry the tables below build on reads back, so that
    // what makes them unreadable is what each row says.
    void handWrittenEntryReads()
    {
        FakeDesktop fake;
        writeFile(UserFolders::settingsFile(App), QByteArray("[Settings]\n") + DurationEntry);
        QCOMPARE(SettingsStore(App).read(QStringLiteral("Duration")), QStringLiteral("2026"));
    }

    void untrustworthyFileReadsEmpty_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe[\x01=\x02\n\x80\x81", 10);
        QTest::newRow("absurdly large") << QByteArray(SettingsStore::MaxFileSize + 1, 'x');
        QByteArray largeButValid = "[Settings]\n";
        largeButValid += DurationEntry;
        largeButValid += "; " + QByteArray(SettingsStore::MaxFileSize, 'p') + "\n";
        QTest::newRow("valid entry in an oversized file") << largeButValid;
        QTest::newRow("a list where text belongs") << (QByteArray("[Settings]\n") + DurationKey + "=a, b\n");
        QTest::newRow("a serialised variant") << (QByteArray("[Settings]\n") + DurationKey + "=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n");
    }

    void untrustworthyFileReadsEmpty()
    {
        QFETCH(QByteArray, content);
        FakeDesktop fake;
        writeFile(UserFolders::settingsFile(App), content);
        QCOMPARE(SettingsStore(App).read(QStringLiteral("Duration")), QString());
    }

    void untrustworthyFileIsReplacedOnWrite_data() { untrustworthyFileReadsEmpty_data(); }
    void untrustworthyFileIsReplacedOnWrite()
    {
        QFETCH(QByteArray, content);
        FakeDesktop fake;
        writeFile(UserFolders::settingsFile(App), content);
        QVERIFY(SettingsStore(App).write(QStringLiteral("Install"), QStringLiteral("3")));
        QCOMPARE(SettingsStore(App).read(QStringLiteral("Install")), QStringLiteral("3"));
        QVERIFY(QFileInfo(UserFolders::settingsFile(App)).size() <= SettingsStore::MaxFileSize);
    }

    void folderInPlaceOfTheFile()
    {
        FakeDesktop fake;
        QVERIFY(QDir().mkpath(UserFolders::settingsFile(App)));
        SettingsStore store(App);
        QCOMPARE(store.read(QStringLiteral("Duration")), QString());
        QVERIFY(!store.write(QStringLiteral("Duration"), QStringLiteral("x")));
        QVERIFY(QFileInfo(UserFolders::settingsFile(App)).isDir());
    }

    // A file the user closed to the program stays exactly as it is, whatever
    // it holds: nothing is deleted, nothing written, and what can be read
    // still is.
    void unwritableFileIsLeftAsItIs_data()
    {
        QTest::addColumn<QByteArray>("content");   // empty: Duration "2026" as the store writes it
        QTest::addColumn<QString>("closed");       // "file", "unreadable" or "folder"
        QTest::addColumn<QString>("reads");    // the Duration read back
        const QByteArray garbage("\x00\xff\xfe[\x01=\x02\n\x80\x81", 10);
        const QByteArray oversized(SettingsStore::MaxFileSize + 1, 'x');
        // clang-format off
        QTest::newRow("read-only file")               << QByteArray() << "file"       << "2026";
        QTest::newRow("read-only garbage")            << garbage       << "file"       << "";
        QTest::newRow("read-only, too large")         << oversized     << "file"       << "";
        QTest::newRow("unreadable file")              << QByteArray() << "unreadable" << "";
        QTest::newRow("file in a read-only folder")   << QByteArray() << "folder"     << "2026";
        QTest::newRow("garbage in a read-only folder") << garbage      << "folder"     << "";
        // clang-format on
    }

    void unwritableFileIsLeftAsItIs()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, closed);
        QFETCH(QString, reads);
#ifndef Q_OS_UNIX
        // The program keeps its settings in the registry there, which has no
        // files a user could close; and Qt's INI reader on Windows reads the
        // escaped Latin-1 keys back as UTF-8, so a file re-read from disk
        // would not even hold the value.
        Q_UNUSED(content);
        Q_UNUSED(closed);
        Q_UNUSED(reads);
        QSKIP("settings files the user closes exist only where the store is a file");
#endif
        PALLASTRO_AS_ORDINARY_USER();

        FakeDesktop fake;
        const QString path = UserFolders::settingsFile(App);
        if (content.isEmpty()) {
            QVERIFY(SettingsStore(App).write(QStringLiteral("Duration"), QStringLiteral("2026")));
            content = fileBytes(path);
            QVERIFY(!content.isEmpty());
        } else {
            writeFile(path, content);
        }
        const QString folder = QFileInfo(path).absolutePath();
        const QString closedPath = closed == QLatin1String("folder") ? folder : path;
        const ModeGuard guard{closedPath, QFile::permissions(closedPath)};
        QFileDevice::Permissions mode = QFileDevice::ReadOwner;
        if (closed == QLatin1String("unreadable"))
            mode = QFileDevice::WriteOwner;
        else if (closed == QLatin1String("folder"))
            mode = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
        QVERIFY(QFile::setPermissions(closedPath, mode));

        SettingsStore store(App);
        QCOMPARE(store.read(QStringLiteral("Duration")), reads);
        QVERIFY(!store.write(QStringLiteral("Install"), QStringLiteral("3")));
        QVERIFY(!store.write(QStringLiteral("Duration"), QStringLiteral("x")));
        QCOMPARE(store.read(QStringLiteral("Duration")), reads);

        QVERIFY(QFile::setPermissions(closedPath, guard.mode));
        QCOMPARE(fileBytes(path), content);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QFileInfo(path).fileName()});
    }

    void otherSectionsAndOtherApplicationsAreNotRead()
    {
        FakeDesktop fake;
        writeFile(UserFolders::settingsFile(App), QByteArray("[General]\n") + DurationEntry);
        QCOMPARE(SettingsStore(App).read(QStringLiteral("Duration")), QString());
        QVERIFY(SettingsStore(QStringLiteral("other")).write(QStringLiteral("Duration"), QStringLiteral("5")));
        QCOMPARE(SettingsStore(App).read(QStringLiteral("Duration")), QString());
    }
};

QTEST_MAIN(tst_settingsstore)
#include "tst_settingsstore.moc"
