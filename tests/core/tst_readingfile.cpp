// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The saved-reading format on its own: exact bytes, what the parser takes and
// refuses, bounded reading of odd files, and saves that fail without harm.

#include "core/ReadingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using ReadingFile::Reading;

Q_DECLARE_METATYPE(Reading)

namespace {

QByteArray hex(const char *text) { return QByteArray::fromHex(text); }

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

bool putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

class TestReadingFile : public QObject
{
    Q_OBJECT

private slots:
    void goldenBytes_data();
    void goldenBytes();
    void roundTripEveryReading();
    void roundTripExtremes_data();
    void roundTripExtremes();
    void parse_data();
    void parse();
    void readFiles_data();
    void readFiles();
    void readRefusesSpecialFiles();
    void readRefusesUnreadableFile();
    void writeThenRead();
    void writeReplacesOldContentEntirely();
    void failedSave_data();
    void failedSave();
    void failedSaveOnFullDisk();
    void failedSaveOverFileSizeLimit();
};

void TestReadingFile::goldenBytes_data()
{
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<int>("destiny");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("7 and 3") << 7 << 3 << hex("8C0D0A880D0A");
    QTest::newRow("destiny 0") << 7 << 0 << hex("8C0D0A850D0A");
    QTest::newRow("both 0") << 0 << 0 << hex("850D0A850D0A");
    QTest::newRow("two digits") << 11 << 22 << hex("86860D0A87870D0A");
    QTest::newRow("negative") << -5 << -12 << hex("828A0D0A8286870D0A");
    QTest::newRow("lowest") << -32768 << 1 << hex("8288878C8B8D0D0A860D0A");
    QTest::newRow("highest") << 9 << 32767 << hex("8E0D0A88878C8B8C0D0A");
}

void TestReadingFile::goldenBytes()
{
    QFETCH(int, lifePath);
    QFETCH(int, destiny);
    QFETCH(QByteArray, bytes);

    const Reading reading{qint16(lifePath), qint16(destiny)};
    QCOMPARE(ReadingFile::encode(reading), bytes);
    QCOMPARE(ReadingFile::parse(bytes), std::optional(reading));
}

void TestReadingFile::roundTripEveryReading()
{
    for (int lifePath = 1; lifePath <= 9; ++lifePath) {
        for (int destiny = 0; destiny <= 9; ++destiny) {
            const Reading reading{qint16(lifePath), qint16(destiny)};
            const QByteArray bytes = ReadingFile::encode(reading);
            QCOMPARE(bytes.size(), 6);
            QCOMPARE(ReadingFile::parse(bytes), std::optional(reading));
        }
    }
}

void TestReadingFile::roundTripExtremes_data()
{
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<int>("destiny");

    for (int a : {-32768, -32767, -10, -1, 0, 10, 32766, 32767})
        for (int b : {-32768, -1, 0, 32767})
            QTest::addRow("%d,%d", a, b) << a << b;
}

void TestReadingFile::roundTripExtremes()
{
    QFETCH(int, lifePath);
    QFETCH(int, destiny);

    const Reading reading{qint16(lifePath), qint16(destiny)};
    QCOMPARE(ReadingFile::parse(ReadingFile::encode(reading)), std::optional(reading));
}

void TestReadingFile::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<int>("destiny");

    auto accept = [](const char *name, const QByteArray &bytes, int lifePath, int destiny) {
        QTest::newRow(name) << bytes << true << lifePath << destiny;
    };
    auto refuse = [](const char *name, const QByteArray &bytes) {
        QTest::newRow(name) << bytes << false << 0 << 0;
    };

    // Line ends.
    accept("CR LF", hex("8C0D0A880D0A"), 7, 3);
    accept("LF alone", hex("8C0A880A"), 7, 3);
    accept("mixed line ends", hex("8C0A880D0A"), 7, 3);
    accept("no line end after line 2", hex("8C0D0A88"), 7, 3);
    accept("half a line end (CR) after line 2", hex("8C0D0A880D"), 7, 3);
    accept("extra lines ignored", hex("8C0D0A880D0A8D0D0A"), 7, 3);
    accept("garbage after line 2 ignored", hex("8C0D0A880D0A00FF37") + QByteArray(1000, 'x'), 7, 3);
    accept("empty third line ignored", hex("8C0D0A880D0A0D0A"), 7, 3);
    refuse("CR alone is no line end", hex("8C0D880D"));

    // Too few lines.
    refuse("empty file", QByteArray());
    refuse("one line, no line end", hex("8C"));
    refuse("one line only", hex("8C0D0A"));
    refuse("first line empty", hex("0D0A880D0A"));
    refuse("second line empty", hex("8C0D0A0D0A"));
    refuse("two line ends only", hex("0D0A0D0A"));

    // Not encoded at all.
    refuse("plain digits", hex("370D0A330D0A"));
    refuse("plain digits, LF alone", QByteArray("7\n3\n"));
    refuse("encoded digit with a plain one", hex("8C370D0A880D0A"));
    refuse("NUL inside a line", hex("8C000D0A880D0A"));
    refuse("byte order mark before line 1", hex("EFBBBF8C0D0A880D0A"));

    // What counts as a whole number: exactly what Save writes.
    refuse("blank inside (0x75 decodes to blank)", hex("8C75880D0A880D0A"));
    refuse("leading blank", hex("758C0D0A880D0A"));
    refuse("trailing blank", hex("8C750D0A880D0A"));
    refuse("plus sign (0x80)", hex("808C0D0A880D0A"));
    refuse("fraction 7.5 (0x83 is the point)", hex("8C838A0D0A880D0A"));
    refuse("decimal comma", hex("8C818A0D0A880D0A"));
    refuse("minus alone", hex("820D0A880D0A"));
    refuse("double minus", hex("82828C0D0A880D0A"));
    refuse("minus after the digits", hex("8C820D0A880D0A"));
    refuse("leading zero (never written)", hex("858C0D0A880D0A"));
    refuse("minus zero (never written)", hex("82850D0A880D0A"));
    refuse("letter (0xB6 decodes to a)", hex("B60D0A880D0A"));
    refuse("highest byte", hex("FF0D0A880D0A"));
    refuse("hex digits are not decimal", hex("9B0D0A880D0A"));

    // Range of a signed 16-bit number.
    accept("32767", hex("88878C8B8C0D0A850D0A"), 32767, 0);
    accept("-32768", hex("8288878C8B8D0D0A850D0A"), -32768, 0);
    refuse("32768, past the top", hex("88878C8B8D0D0A850D0A"));
    refuse("-32769, past the bottom", hex("8288878C8B8E0D0A850D0A"));
    refuse("99999", hex("8E8E8E8E8E0D0A850D0A"));
    refuse("seven digits", hex("868686868686860D0A850D0A"));
    refuse("second line past the top", hex("850D0A88878C8B8D0D0A"));

    // Size and noise.
    refuse("line of 100,000 bytes", QByteArray(100'000, char(0x86)) + hex("0D0A880D0A"));
    refuse("second line of 100,000 encoded zeros", hex("8C0D0A") + QByteArray(100'000, char(0x85)));
    QByteArray garbage;
    for (int i = 0; i < 512; ++i)
        garbage.append(char((i * 167 + 13) & 0xFF));
    refuse("binary garbage", garbage);
    refuse("every byte value", [] {
        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all.append(char(i));
        return all;
    }());
}

void TestReadingFile::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, accepted);
    QFETCH(int, lifePath);
    QFETCH(int, destiny);

    const auto reading = ReadingFile::parse(bytes);
    QCOMPARE(reading.has_value(), accepted);
    if (accepted)
        QCOMPARE(*reading, (Reading{qint16(lifePath), qint16(destiny)}));
}

void TestReadingFile::readFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("sparseSize");   // when > 0, the file is grown to it without writing
    QTest::addColumn<bool>("accepted");

    QTest::newRow("saved reading") << hex("8C0D0A880D0A") << qint64(0) << true;
    QTest::newRow("trailing lines up to the limit")
        << hex("8C0D0A880D0A") + QByteArray(ReadingFile::MaximumFileSize - 6, '\n') << qint64(0) << true;
    QTest::newRow("one byte past the limit")
        << hex("8C0D0A880D0A") + QByteArray(ReadingFile::MaximumFileSize - 5, '\n') << qint64(0) << false;
    QTest::newRow("empty file") << QByteArray() << qint64(0) << false;
    QTest::newRow("plain digits") << hex("370D0A330D0A") << qint64(0) << false;
    QTest::newRow("line of 100,000 bytes") << QByteArray(100'000, char(0x86)) + hex("0D0A880D0A") << qint64(0)
                                           << false;
    QTest::newRow("1 GiB sparse file") << hex("8C0D0A880D0A") << (qint64(1) << 30) << false;
}

void TestReadingFile::readFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, sparseSize);
    QFETCH(bool, accepted);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("reading.grn");
    QVERIFY(putFile(path, content));
    if (sparseSize > 0) {
        QFile file(path);
        QVERIFY(file.resize(sparseSize));
    }

    const auto reading = ReadingFile::read(path);
    QCOMPARE(reading.has_value(), accepted);
    if (accepted)
        QCOMPARE(*reading, (Reading{7, 3}));
}

void TestReadingFile::readRefusesSpecialFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    QVERIFY(!ReadingFile::read(dir.path()));
    QVERIFY(!ReadingFile::read(dir.filePath("missing.grn")));
    QVERIFY(!ReadingFile::read(QString()));
#ifdef Q_OS_LINUX
    QVERIFY(!ReadingFile::read("/dev/zero"));
    QVERIFY(!ReadingFile::read("/dev/urandom"));

    // A FIFO with no writer would block a plain open for good.
    const QString fifo = dir.filePath("pipe.grn");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(!ReadingFile::read(fifo));

    // A link is followed to what it points at.
    const QString target = dir.filePath("target.grn");
    QVERIFY(putFile(target, hex("8C0D0A880D0A")));
    QVERIFY(QFile::link(target, dir.filePath("link.grn")));
    QCOMPARE(ReadingFile::read(dir.filePath("link.grn")), std::optional(Reading{7, 3}));
    QVERIFY(QFile::link(fifo, dir.filePath("pipelink.grn")));
    QVERIFY(!ReadingFile::read(dir.filePath("pipelink.grn")));
#endif
}

void TestReadingFile::readRefusesUnreadableFile()
{
#ifdef Q_OS_UNIX
    if (::geteuid() == 0)
        QSKIP("root reads files whatever their permissions");
#else
    QSKIP("Qt can take only the write permission away on Windows (the read-only attribute)");
#endif
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("reading.grn");
    QVERIFY(putFile(path, hex("8C0D0A880D0A")));
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    QVERIFY(!ReadingFile::read(path));
}

void TestReadingFile::writeThenRead()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("reading.grn");

    for (const Reading reading : {Reading{7, 3}, Reading{1, 0}, Reading{-32768, 32767}}) {
        QVERIFY(ReadingFile::write(path, reading));
        QCOMPARE(contentOf(path), ReadingFile::encode(reading));
        QCOMPARE(ReadingFile::read(path), std::optional(reading));
        QCOMPARE(entriesOf(dir.path()), QStringList{"reading.grn"});
    }
}

void TestReadingFile::writeReplacesOldContentEntirely()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("reading.grn");
    QVERIFY(putFile(path, QByteArray(5000, 'o')));

    QVERIFY(ReadingFile::write(path, {7, 3}));
    QCOMPARE(contentOf(path), hex("8C0D0A880D0A"));
}

void TestReadingFile::failedSave_data()
{
    QTest::addColumn<QString>("where");   // relative to a fresh folder; "/..." stays absolute

#ifdef Q_OS_UNIX
    // A device file; Windows has no such path.
    QTest::newRow("under /dev/null") << "/dev/null/x.grn";
#endif
    QTest::newRow("under a regular file") << "file.txt/x.grn";
    QTest::newRow("target is a folder") << "folder.grn";
    QTest::newRow("target is a folder, trailing slash") << "folder.grn/";
    QTest::newRow("missing folder") << "missing/x.grn";
    QTest::newRow("empty path") << "";
}

void TestReadingFile::failedSave()
{
    QFETCH(QString, where);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(putFile(dir.filePath("file.txt"), "old content"));
    QVERIFY(QDir(dir.path()).mkdir("folder.grn"));
    QVERIFY(putFile(dir.filePath("folder.grn/inside.grn"), "kept"));
    const QStringList before = entriesOf(dir.path());

    const QString path = where.isEmpty() || where.startsWith('/') ? where : dir.filePath(where);
    QVERIFY(!ReadingFile::write(path, {7, 3}));

    QCOMPARE(entriesOf(dir.path()), before);
    QCOMPARE(entriesOf(dir.filePath("folder.grn")), QStringList{"inside.grn"});
    QCOMPARE(contentOf(dir.filePath("file.txt")), QByteArray("old content"));
    QCOMPARE(contentOf(dir.filePath("folder.grn/inside.grn")), QByteArray("kept"));
#ifdef Q_OS_UNIX
    QVERIFY(QFileInfo("/dev/null").exists() && !QFileInfo("/dev/null").isFile());
#endif
}

void TestReadingFile::failedSaveOnFullDisk()
{
#ifdef Q_OS_LINUX
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString mountPoint = dir.filePath("disk");
    QVERIFY(QDir(dir.path()).mkdir("disk"));
    const QByteArray native = QFile::encodeName(mountPoint);
    if (::mount("tmpfs", native.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0700") != 0)
        QSKIP("mounting a small tmpfs is not permitted here");
    const auto unmount = qScopeGuard([&] { ::umount2(native.constData(), MNT_DETACH); });

    const QString path = QDir(mountPoint).filePath("reading.grn");
    const QByteArray old = hex("8E0D0A860D0A");
    QVERIFY(putFile(path, old));

    // Fill every remaining block.
    const int fd = ::open(QFile::encodeName(QDir(mountPoint).filePath("filler")).constData(),
                          O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    QVERIFY(fd >= 0);
    const QByteArray block(4096, 'f');
    int blocks = 0;
    while (::write(fd, block.constData(), size_t(block.size())) > 0 && blocks < 1000)
        ++blocks;
    ::close(fd);
    QVERIFY(blocks < 1000);
    const QStringList before = entriesOf(mountPoint);

    QVERIFY(!ReadingFile::write(path, {7, 3}));
    QCOMPARE(contentOf(path), old);
    QCOMPARE(entriesOf(mountPoint), before);

    // A new file on the full disk must not appear either, not even empty.
    QVERIFY(!ReadingFile::write(QDir(mountPoint).filePath("new.grn"), {7, 3}));
    QCOMPARE(entriesOf(mountPoint), before);
#else
    QSKIP("needs Linux to mount a small tmpfs");
#endif
}

void TestReadingFile::failedSaveOverFileSizeLimit()
{
#ifdef Q_OS_UNIX
    // A per-process file size limit makes the write fail for root too, on
    // any disk; it behaves like a disk that fills up part way through.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("reading.grn");
    const QByteArray old = hex("8E0D0A860D0A");
    QVERIFY(putFile(path, old));
    const QStringList before = entriesOf(dir.path());

    struct rlimit saved {};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = saved;
    tight.rlim_cur = 3;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool written = ReadingFile::write(path, {-32768, 32767});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!written);
    QCOMPARE(contentOf(path), old);
    QCOMPARE(entriesOf(dir.path()), before);
#else
    QSKIP("needs a POSIX file size limit");
#endif
}

QTEST_GUILESS_MAIN(TestReadingFile)
#include "tst_readingfile.moc"
