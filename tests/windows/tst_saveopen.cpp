// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Save and Open through the real windows: the result window's Save writes
// what the main window's Open reads back, under a name Open takes whatever
// name was chosen; refused files, failed saves and cancelled dialogs change
// nothing and show only their own message.

#include "tests/common/FakeDesktop.h"
#include "tests/common/TestRoot.h"

#include "windows/result/frmGreekNumerologyResult.h"
#include "windows/main/frmMain.h"
#include "core/modGreekNumerology.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>
#endif

using modGreekNumerology::DestinyNumber;
using modGreekNumerology::LifePathNumber;

namespace {

const QString CheckTheFile = QStringLiteral("Please Check The File.");
const QString NotSaved = QStringLiteral("The reading could not be saved.");

// The bytes a saved reading of two one-digit numbers must hold.
QByteArray savedBytes(int lifePath, int destiny)
{
    QByteArray bytes;
    bytes.append(char(0x85 + lifePath)).append("\r\n").append(char(0x85 + destiny)).append("\r\n");
    return bytes;
}

template<typename Window>
QList<Window *> shown()
{
    QList<Window *> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<Window *>(w); window && window->isVisible())
            windows.append(window);
    return windows;
}

// Runs the deletions that closing a window schedules.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QString pictureOf(const QLabel *label)
{
    const QImage image = label->pixmap().toImage();
    if (image.isNull())
        return QStringLiteral("no picture");
    return QStringLiteral("picture %1").arg(qHashBits(image.constBits(), size_t(image.sizeInBytes())));
}

// Everything the result window shows, plus the reading state behind it.
// What a file dialog is asked with: the caption is the program's name, the
// purpose is what a screen reader says, and a reading is always a .grn.
void checkRequest(const FileDialogRequest &request, FileDialogRequest::Mode mode,
                  const QString &spokenTitle, const QString &filter, bool confirmOverwrite)
{
    QCOMPARE(request.mode, mode);
    QCOMPARE(request.title, QStringLiteral("Pallastro"));
    QCOMPARE(request.spokenTitle, spokenTitle);
    QCOMPARE(request.filter, filter);
    QCOMPARE(request.defaultSuffix, QStringLiteral("grn"));
    QCOMPARE(request.confirmOverwrite, confirmOverwrite);
}

QStringList resultState(frmGreekNumerologyResult *window)
{
    QStringList state{QString::number(LifePathNumber), QString::number(DestinyNumber),
                      QString::number(frmGreekNumerologyResult::LifePathPosition),
                      QString::number(frmGreekNumerologyResult::DestinyPosition)};
    for (qint16 p : modGreekNumerology::LifePathGods)
        state << QStringLiteral("LP god %1").arg(p);
    for (qint16 p : modGreekNumerology::DestinyGods)
        state << QStringLiteral("D god %1").arg(p);
    for (const QLabel *label : window->findChildren<QLabel *>())
        state << label->objectName() + QLatin1Char('=') + label->text() + QLatin1Char(' ')
                     + pictureOf(label);
    for (const QPlainTextEdit *box : window->findChildren<QPlainTextEdit *>())
        state << box->objectName() + QLatin1Char('=') + box->toPlainText();
    return state;
}

QStringList mainState(frmMain *window)
{
    return {window->txtName->text(), QString::number(window->cboDate->currentIndex()),
            QString::number(window->cboMonth->currentIndex()), QString::number(window->cboYear->currentIndex())};
}

} // namespace

class TestSaveOpen : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void roundTripEveryReading();
    void openRefusals_data();
    void openRefusals();
    void failedSave_data();
    void failedSave();
    void cancelledSave();
    void savedNameOpensAgain_data();
    void savedNameOpensAgain();
    void cancelledOpen();
    void openNeedsNoDotBeforeTheExtension();

private:
    frmGreekNumerologyResult *showReading(int lifePath, int destiny);
    frmMain *showMainWith(const QString &name);
};

void TestSaveOpen::cleanup()
{
    // Delete rather than close: closing a window outside a switch ends the program.
    // Deleting one window may take others with it: hold them by guards.
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<frmMain *>(w) || qobject_cast<frmGreekNumerologyResult *>(w))
            windows.append(w);
    for (const QPointer<QWidget> &w : windows)
        delete w.data();
    settle();
    modGreekNumerology::LifePathGods.clear();
    modGreekNumerology::DestinyGods.clear();
    frmGreekNumerologyResult::LifePathPosition = 0;
    frmGreekNumerologyResult::DestinyPosition = 0;
}

frmGreekNumerologyResult *TestSaveOpen::showReading(int lifePath, int destiny)
{
    LifePathNumber = qint16(lifePath);
    DestinyNumber = qint16(destiny);
    frmGreekNumerologyResult::LifePathPosition = 0;
    frmGreekNumerologyResult::DestinyPosition = 0;
    auto *window = new frmGreekNumerologyResult(testRoot(), testRoot().dialogs());
    window->show();
    return window;
}

frmMain *TestSaveOpen::showMainWith(const QString &name)
{
    auto *window = new frmMain(testRoot(), testRoot().dialogs());
    window->show();
    window->txtName->setText(name);
    window->cboDate->setCurrentIndex(4);
    window->cboMonth->setCurrentIndex(6);
    return window;
}

void TestSaveOpen::roundTripEveryReading()
{
    FakeDesktop fake;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    for (int lifePath = 1; lifePath <= 9; ++lifePath) {
        for (int destiny = 0; destiny <= 9; ++destiny) {
            const QString where = QStringLiteral("%1-%2").arg(lifePath).arg(destiny);
            const QString path = dir.filePath(where + QStringLiteral(".grn"));

            // Save.
            frmGreekNumerologyResult *saving = showReading(lifePath, destiny);
            const QStringList shownWhenSaved = resultState(saving);
            fake.fileAnswers.enqueue(path);
            saving->cmdSave_Click();
            QVERIFY2(fake.messages.isEmpty(), qPrintable(where));
            QCOMPARE(contentOf(path), savedBytes(lifePath, destiny));
            QCOMPARE(resultState(saving), shownWhenSaved);
            cleanup();

            // Open, after another reading has left other numbers behind.
            LifePathNumber = 5;
            DestinyNumber = 8;
            QPointer<frmMain> main = showMainWith(QStringLiteral("Someone"));
            fake.fileAnswers.enqueue(path);
            main->cmdOpen_Click();
            settle();

            QVERIFY2(fake.messages.isEmpty(), qPrintable(where));
            QVERIFY2(!main, qPrintable(where));   // closed and gone
            QVERIFY(fake.endedWith.isEmpty());    // a switch, not the end
            const auto results = shown<frmGreekNumerologyResult>();
            QCOMPARE(results.size(), 1);
            QCOMPARE(shown<frmMain>().size(), 0);
            QCOMPARE(LifePathNumber, qint16(lifePath));
            QCOMPARE(DestinyNumber, qint16(destiny));
            // Same numbers, same gods, both sides at their first god.
            QCOMPARE(resultState(results.first()), shownWhenSaved);
            cleanup();
        }
    }
    QCOMPARE(fake.fileRequests.size(), 2 * 9 * 10);
}

void TestSaveOpen::openRefusals_data()
{
    QTest::addColumn<QString>("name");           // file name inside a fresh folder
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("sparseSize");      // when > 0, grown to it without writing
    QTest::addColumn<bool>("asFolder");

    const QByteArray good = savedBytes(7, 3);
    QTest::newRow("upper-case extension GRN") << "reading.GRN" << good << qint64(0) << false;
    QTest::newRow("mixed-case extension Grn") << "reading.Grn" << good << qint64(0) << false;
    QTest::newRow("no extension") << "reading" << good << qint64(0) << false;
    QTest::newRow("other extension") << "reading.txt" << good << qint64(0) << false;
    QTest::newRow("plain digits") << "digits.grn" << QByteArray("\x37\x0D\x0A\x33\x0D\x0A") << qint64(0) << false;
    QTest::newRow("one line only") << "one.grn" << QByteArray("\x8C\x0D\x0A") << qint64(0) << false;
    QTest::newRow("empty file") << "empty.grn" << QByteArray() << qint64(0) << false;
    QTest::newRow("line of 100,000 bytes")
        << "long.grn" << QByteArray(100'000, char(0x86)) + QByteArray("\x0D\x0A\x88\x0D\x0A") << qint64(0) << false;
    QTest::newRow("number past 32767") << "big.grn" << QByteArray("\x88\x87\x8C\x8B\x8D\x0D\x0A\x88\x0D\x0A")
                                       << qint64(0) << false;
    QTest::newRow("1 GiB sparse file") << "huge.grn" << good << (qint64(1) << 30) << false;
    QTest::newRow("binary garbage") << "garbage.grn" << QByteArray::fromHex("00FF10E3C47F0D0A0A9A01") << qint64(0)
                                    << false;
    QTest::newRow("a folder") << "folder.grn" << QByteArray() << qint64(0) << true;
}

void TestSaveOpen::openRefusals()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(qint64, sparseSize);
    QFETCH(bool, asFolder);

    FakeDesktop fake;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    if (asFolder) {
        QVERIFY(QDir(dir.path()).mkdir(name));
    } else {
        QVERIFY(putFile(path, content));
        if (sparseSize > 0)
            QVERIFY(QFile(path).resize(sparseSize));
    }

    // The numbers of an earlier reading must not be passed off as the file's.
    LifePathNumber = 4;
    DestinyNumber = 6;
    QPointer<frmMain> main = showMainWith(QStringLiteral("Ariadne"));
    const QStringList before = mainState(main);

    fake.fileAnswers.enqueue(path);
    main->cmdOpen_Click();
    settle();

    QVERIFY(main);
    QVERIFY(main->isVisible());
    QCOMPARE(mainState(main), before);
    QCOMPARE(shown<frmGreekNumerologyResult>().size(), 0);
    QCOMPARE(LifePathNumber, qint16(4));
    QCOMPARE(DestinyNumber, qint16(6));
    QVERIFY(fake.endedWith.isEmpty());
    QCOMPARE(fake.messages.size(), 1);
    QCOMPARE(fake.messages.first().text, CheckTheFile);
    QCOMPARE(fake.messages.first().icon, QMessageBox::Critical);
    QCOMPARE(fake.messages.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestSaveOpen::failedSave_data()
{
    QTest::addColumn<QString>("where");   // "disk" mounts a full tmpfs; "/..." is absolute

#ifdef Q_OS_UNIX
    // A device file; Windows has no such path.
    QTest::newRow("under /dev/null") << "/dev/null/x.grn";
#endif
    QTest::newRow("under a regular file") << "file.txt/x.grn";
    QTest::newRow("target is a folder") << "folder.grn";
    QTest::newRow("missing folder") << "missing/x.grn";
    QTest::newRow("full disk, over an old reading") << "disk";
}

void TestSaveOpen::failedSave()
{
    QFETCH(QString, where);

    FakeDesktop fake;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(putFile(dir.filePath("file.txt"), "old content"));
    QVERIFY(QDir(dir.path()).mkdir("folder.grn"));

    QString folder = dir.path();
    QString path = where.startsWith('/') ? where : dir.filePath(where);
    const QByteArray oldReading = savedBytes(2, 5);
#ifdef Q_OS_LINUX
    QByteArray mountPoint;
    const auto unmount = qScopeGuard([&] {
        if (!mountPoint.isEmpty())
            ::umount2(mountPoint.constData(), MNT_DETACH);
    });
    if (where == "disk") {
        QVERIFY(QDir(dir.path()).mkdir("disk"));
        folder = dir.filePath("disk");
        if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                    "size=64k,mode=0700")
            != 0)
            QSKIP("mounting a small tmpfs is not permitted here");
        mountPoint = QFile::encodeName(folder);
        path = QDir(folder).filePath("reading.grn");
        QVERIFY(putFile(path, oldReading));
        const int fd = ::open(QFile::encodeName(QDir(folder).filePath("filler")).constData(),
                              O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        QVERIFY(fd >= 0);
        const QByteArray block(4096, 'f');
        for (int i = 0; i < 1000 && ::write(fd, block.constData(), size_t(block.size())) > 0; ++i) {
        }
        ::close(fd);
    }
#else
    if (where == "disk")
        QSKIP("needs Linux to mount a small tmpfs");
#endif
    const QStringList entriesBefore = entriesOf(folder);

    // A reading with several gods on one side, stepped away from the first.
    frmGreekNumerologyResult *window = showReading(3, 2);
    if (modGreekNumerology::LifePathGods.size() > 1)
        window->cmdNextLP_Click();
    const QStringList before = resultState(window);
    fake.messages.clear();

    fake.fileAnswers.enqueue(path);
    window->cmdSave_Click();
    settle();

    QCOMPARE(fake.messages.size(), 1);
    QCOMPARE(fake.messages.first().text, NotSaved);
    QCOMPARE(fake.messages.first().icon, QMessageBox::Critical);
    QCOMPARE(fake.messages.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(shown<frmGreekNumerologyResult>().size(), 1);
    QCOMPARE(shown<frmGreekNumerologyResult>().first(), window);
    QCOMPARE(resultState(window), before);
    QVERIFY(fake.endedWith.isEmpty());

    QCOMPARE(entriesOf(folder), entriesBefore);
    QCOMPARE(contentOf(dir.filePath("file.txt")), QByteArray("old content"));
    QCOMPARE(entriesOf(dir.filePath("folder.grn")), QStringList());
    if (where == "disk")
        QCOMPARE(contentOf(path), oldReading);
}

void TestSaveOpen::cancelledSave()
{
    FakeDesktop fake;
    frmGreekNumerologyResult *window = showReading(6, 1);
    const QStringList before = resultState(window);
    window->cmdSave_Click();   // no answer queued: the dialog is cancelled
    settle();

    QCOMPARE(fake.fileRequests.size(), 1);
    checkRequest(fake.fileRequests.first(), FileDialogRequest::Mode::Save,
                 QStringLiteral("Pallastro: Save this reading"),
                 QStringLiteral("Rich Text Format (*.grn)"), true);
    if (QTest::currentTestFailed())
        return;

    QVERIFY(fake.messages.isEmpty());
    QCOMPARE(shown<frmGreekNumerologyResult>().size(), 1);
    QCOMPARE(shown<frmGreekNumerologyResult>().first(), window);
    QCOMPARE(resultState(window), before);
}

void TestSaveOpen::savedNameOpensAgain_data()
{
    QTest::addColumn<QString>("chosen");     // the name the Save dialog gives
    QTest::addColumn<QString>("saved");      // the name the reading is written under
    QTest::addColumn<bool>("savedExists");   // an old reading lies under that name already
    QTest::addColumn<int>("answer");         // to the question about replacing it, if asked

    const int none = QMessageBox::NoButton;
    QTest::newRow("the reading's own extension") << "anna.grn" << "anna.grn" << false << none;
    QTest::newRow("the extension in capitals") << "Anna Reading.GRN" << "Anna Reading.GRN.grn" << false << none;
    QTest::newRow("another extension") << "anna.txt" << "anna.txt.grn" << false << none;
    QTest::newRow("a name without an extension") << "anna" << "anna.grn" << false << none;
    QTest::newRow("a name ending in a dot") << "anna." << "anna.grn" << false << none;
    QTest::newRow("the extension inside the name") << "a.grn.bak" << "a.grn.bak.grn" << false << none;
    // Open takes the last three characters, with or without a dot.
    QTest::newRow("grn without a dot") << "annagrn" << "annagrn" << false << none;
    // The dialog has asked about the name chosen, not about the one written.
    QTest::newRow("over an old reading of the name written: Yes")
        << "anna.txt" << "anna.txt.grn" << true << int(QMessageBox::Yes);
    QTest::newRow("over an old reading of the name written: No")
        << "anna.txt" << "anna.txt.grn" << true << int(QMessageBox::No);
    QTest::newRow("over an old reading of the name chosen") << "anna.grn" << "anna.grn" << true << none;
}

void TestSaveOpen::savedNameOpensAgain()
{
    QFETCH(QString, chosen);
    QFETCH(QString, saved);
    QFETCH(bool, savedExists);
    QFETCH(int, answer);

    FakeDesktop fake;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray oldReading = savedBytes(2, 5);
    if (savedExists)
        QVERIFY(putFile(dir.filePath(saved), oldReading));
    QStringList entries = entriesOf(dir.path());
    if (!entries.contains(saved))
        entries << saved;
    entries.sort();

    frmGreekNumerologyResult *window = showReading(7, 3);
    fake.fileAnswers.enqueue(dir.filePath(chosen));
    if (answer != QMessageBox::NoButton)
        fake.messageAnswers.enqueue(QMessageBox::StandardButton(answer));
    window->cmdSave_Click();
    settle();

    const bool asked = savedExists && saved != chosen;
    if (asked) {
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.messages.first().text,
                 saved + QStringLiteral(" already exists.\nDo you want to replace it?"));
        QCOMPARE(fake.messages.first().icon, QMessageBox::Warning);
        QCOMPARE(fake.messages.first().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(fake.messages.first().parentClass, QStringLiteral("frmGreekNumerologyResult"));
    } else {
        QCOMPARE(fake.messageTexts(), QStringList());
    }
    QCOMPARE(entriesOf(dir.path()), entries);
    if (answer == QMessageBox::No) {
        // No goes back to the Save dialog for another name; cancelled there,
        // the old reading stays as it was.
        QCOMPARE(fake.fileRequests.size(), 2);
        QCOMPARE(fake.fileRequests.last().mode, FileDialogRequest::Mode::Save);
        QCOMPARE(contentOf(dir.filePath(saved)), oldReading);
        return;
    }
    QCOMPARE(fake.fileRequests.size(), 1);
    QCOMPARE(contentOf(dir.filePath(saved)), savedBytes(7, 3));
    cleanup();

    // And Open takes it.
    LifePathNumber = 5;
    DestinyNumber = 8;
    QPointer<frmMain> main = showMainWith(QStringLiteral("Someone"));
    QVERIFY(main->openReading(dir.filePath(saved)));
    settle();
    QCOMPARE(fake.messages.size(), asked ? 1 : 0);
    QCOMPARE(LifePathNumber, qint16(7));
    QCOMPARE(DestinyNumber, qint16(3));
    QCOMPARE(shown<frmGreekNumerologyResult>().size(), 1);
}

void TestSaveOpen::cancelledOpen()
{
    FakeDesktop fake;
    LifePathNumber = 4;
    DestinyNumber = 6;
    QPointer<frmMain> main = showMainWith(QStringLiteral("Ariadne"));
    const QStringList before = mainState(main);

    main->cmdOpen_Click();   // no answer queued: the dialog is cancelled
    settle();

    QCOMPARE(fake.fileRequests.size(), 1);
    checkRequest(fake.fileRequests.first(), FileDialogRequest::Mode::Open,
                 QStringLiteral("Pallastro: Open a saved reading"),
                 QStringLiteral("Pallastro (*.grn)"), false);
    if (QTest::currentTestFailed())
        return;

    QVERIFY(fake.messages.isEmpty());
    QVERIFY(main && main->isVisible());
    QCOMPARE(mainState(main), before);
    QCOMPARE(shown<frmGreekNumerologyResult>().size(), 0);
    QCOMPARE(LifePathNumber, qint16(4));
    QCOMPARE(DestinyNumber, qint16(6));
}

void TestSaveOpen::openNeedsNoDotBeforeTheExtension()
{
    // Only the last three characters of the name count.
    FakeDesktop fake;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("readinggrn"));
    QVERIFY(putFile(path, savedBytes(7, 0)));

    QPointer<frmMain> main = showMainWith(QStringLiteral("Someone"));
    fake.fileAnswers.enqueue(path);
    main->cmdOpen_Click();
    settle();

    QVERIFY(fake.messages.isEmpty());
    QCOMPARE(LifePathNumber, qint16(7));
    QCOMPARE(DestinyNumber, qint16(0));
    const auto results = shown<frmGreekNumerologyResult>();
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first()->lblLP[1]->text(), QStringLiteral("HEPHAESTUS"));
    QVERIFY(!main);
}

QTEST_MAIN(TestSaveOpen)
#include "tst_saveopen.moc"
