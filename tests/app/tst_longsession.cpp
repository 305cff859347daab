// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A long session in one process: 2,000 readings in a row, each stepped
// through every god on both sides and left with Back. Windows, objects and
// memory must not pile up.

#include "tests/common/FakeDesktop.h"
#include "tests/common/TestRoot.h"
#include "tests/windows/WindowTestSupport.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPixmapCache>

#include <malloc.h>   // mallinfo2; _heapwalk on Windows

using namespace WindowTest;
namespace gn = modGreekNumerology;

namespace {

int countObjects(const QObject *root)
{
    int n = 1;
    for (const QObject *child : root->children())
        n += countObjects(child);
    return n;
}

struct Census
{
    int topLevels = 0;
    int objects = 0;
    qint64 residentKiB = 0;
    qint64 heapKiB = 0;   // allocated and not yet freed
};

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// What the C runtime's heap holds allocated and not yet freed.
qint64 heapInUseKiB()
{
#ifdef Q_OS_WIN
    // The runtime has no running total on Windows; its heap is walked block
    // by block instead.
    _HEAPINFO entry{};
    entry._pentry = nullptr;
    quint64 used = 0;
    int status;
    while ((status = _heapwalk(&entry)) == _HEAPOK)
        if (entry._useflag == _USEDENTRY)
            used += entry._size;
    return status == _HEAPEND ? qint64(used / 1024) : -1;
#else
    const struct mallinfo2 heap = mallinfo2();
    return qint64((heap.uordblks + heap.hblkhd) / 1024);
#endif
}

Census census()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The style keeps painted pieces in the pixmap cache, keyed by palette, up
    // to its fixed limit; that is bounded by design, so leave it out.
    QPixmapCache::clear();
    Census c;
    const QWidgetList tops = QApplication::topLevelWidgets();
    c.topLevels = tops.size();
    for (const QWidget *w : tops)
        c.objects += countObjects(w);
    c.objects += countObjects(QCoreApplication::instance());
    c.residentKiB = residentKiB();
    c.heapKiB = heapInUseKiB();
    return c;
}

constexpr bool underAddressSanitizer()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return false;
#endif
}

} // namespace

class TestLongSession : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { disposeAll(); }
    void twoThousandReadings();

private:
    static void oneReading(int i, FakeDesktop &fake);
};

void TestLongSession::oneReading(int i, FakeDesktop &fake)
{
    frmMain *main = onlyOpen<frmMain>();
    QVERIFY(main);
    static const QStringList names{QStringLiteral("Anna"), QStringLiteral("John Smith"),
                                   QStringLiteral("123"), QStringLiteral("Mary-Ann"),
                                   QStringLiteral("Hephaestus Forge"), QStringLiteral("Zoe")};
    main->txtName->setText(names.at(i % names.size()));
    main->cboMonth->setCurrentIndex(i % 12);
    main->cboDate->setCurrentIndex(i % 28);
    main->cboYear->setCurrentIndex(i % 151);
    main->cmdProceed_Click();

    frmGreekNumerologyResult *result = onlyOpen<frmGreekNumerologyResult>();
    QVERIFY2(result, "the reading did not open the result window");
    // Walk each side to its end and back to its start; the messages at the
    // ends are answered by the fake.
    for (qsizetype step = 0; step <= gn::LifePathGods.size(); ++step)
        result->cmdNextLP_Click();
    for (qsizetype step = 0; step <= gn::LifePathGods.size(); ++step)
        result->cmdBackLP_Click();
    for (qsizetype step = 0; step <= gn::DestinyGods.size(); ++step)
        result->cmdNextD_Click();
    for (qsizetype step = 0; step <= gn::DestinyGods.size(); ++step)
        result->cmdBackD_Click();
    QVERIFY(fake.messages.size() >= 4);
    fake.messages.clear();
    result->cmdBack_Click();
    QVERIFY(fake.endedWith.isEmpty());
    // What the event loop does between two clicks: pending events are
    // delivered and closed windows go away.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestLongSession::twoThousandReadings()
{
    FakeDesktop fake;
    // Each question still runs its own event loop, only answered at once:
    // eight thousand of them are about memory, not time.
    fake.questionOpenMs = 0;
    auto *first = new frmMain(testRoot(), testRoot().dialogs());
    first->show();

    // PALLASTRO_READINGS shortens the run when hunting a fault by hand.
    const int Total = qEnvironmentVariableIntValue("PALLASTRO_READINGS") > 0
                          ? qEnvironmentVariableIntValue("PALLASTRO_READINGS")
                          : 2000;
    const int Warmup = Total / 10;
    Census warm;
    for (int i = 0; i < Total; ++i) {
        oneReading(i, fake);
        if (QTest::currentTestFailed())
            return;
        if (i + 1 == Warmup)
            warm = census();
    }
    const Census end = census();

    for (const auto &[readings, c] : {std::pair{Warmup, warm}, std::pair{Total, end}})
        qInfo("after %d readings: %d top-level widgets, %d objects, %lld KiB heap in use, %lld KiB resident",
              readings, c.topLevels, c.objects, c.heapKiB, c.residentKiB);

    QCOMPARE(end.topLevels, warm.topLevels);
    QCOMPARE(end.objects, warm.objects);
    QCOMPARE(openWindows<frmMain>().size(), 1);
    QVERIFY(openWindows<frmGreekNumerologyResult>().isEmpty());

    if (underAddressSanitizer())
        QSKIP("AddressSanitizer holds freed memory in quarantine; resident size is not comparable");
    QVERIFY(warm.heapKiB > 0);
    // The resident size also carries the allocator's fragmentation, so the
    // bound is on what is allocated. Qt's Fusion style keeps a few cache keys
    // per painted palette (about 3 KiB a reading here); a reading left behind
    // would cost its windows and portraits, well over 100 KiB.
    const qint64 perReadingBytes = (end.heapKiB - warm.heapKiB) * 1024 / (Total - Warmup);
    qInfo("heap growth per reading: %lld bytes", perReadingBytes);
    QVERIFY2(perReadingBytes < 8 * 1024,
             qPrintable(QStringLiteral("heap in use grew by %1 bytes a reading").arg(perReadingBytes)));
}

PALLASTRO_WINDOW_TEST_MAIN(TestLongSession)
#include "tst_longsession.moc"
