// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Readings on paper: each is painted into a PDF file by the code that prints
// (ReadingPrintout, onto a QPdfWriter in place of a printer), with a .json
// beside it saying what its pages must hold: every god's name and
// description, both interpretations, the person and the working where the
// reading was made in this run (broken across lines only between whole
// steps), a portrait for each god, "Page n of m", the
// paper and the margins. check_printout.py reads the PDF with Poppler's
// tools and compares. On Linux the suite runs it on each reading; the
// Windows build, under Wine, leaves the files in PALLASTRO_PRINTOUT_DIR for
// the same script to check afterwards (the printout_checked entry).

#include "core/Identity.h"
#include "print/ReadingPrintout.h"
#include "core/ReadingSummary.h"
#include "core/modGreekNumerology.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace modGreekNumerology;

namespace {

const QString Arrow = QStringLiteral("\u2192");

// "15 March 1980", worked out apart from the code under test.
QString englishDate(QDate date)
{
    return QLocale(QLocale::English).toString(date, QStringLiteral("d MMMM yyyy"));
}

// Where a printed working may break, worked out from its text alone:
// between whole steps, each digit sum whole with its result ("1+5 = 6"), and
// inside the first sum only between the whole values it adds (a date's
// parts, a word's letter values), the last of them kept with the total. A
// sentence ("no letter from A to Z...") breaks between its words.
QStringList unbrokenPieces(const QString &working)
{
    QStringList pieces;
    const QStringList steps = working.split(QLatin1Char(' ') + Arrow + QLatin1Char(' '));
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const QString step = steps.at(i) + (i + 1 < steps.size() ? QLatin1Char(' ') + Arrow : QString());
        if (i > 0) {
            pieces << step;
            continue;
        }
        if (step.contains(QRegularExpression(QStringLiteral("[a-z]")))) {
            pieces << step.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            continue;
        }
        const qsizetype equals = step.indexOf(QStringLiteral(" = "));
        if (equals < 0) {
            pieces << step;
            continue;
        }
        QStringList values = step.left(equals).split(QStringLiteral(" + "));
        const QString last = values.takeLast() + step.mid(equals);
        for (const QString &value : values)
            pieces << value + QStringLiteral(" +");
        pieces << last;
    }
    return pieces;
}

QJsonArray jsonList(const QStringList &texts)
{
    QJsonArray list;
    for (const QString &text : texts)
        list.append(text);
    return list;
}

} // namespace

class TestPrintout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void readingOnPaper_data();
    void readingOnPaper();
    void pagesOfThePrinterRangeOnly();
    void aGodWithoutAPortraitShowsTheOneBeforeIt();
    void printedNewsSaysWhereThePagesWent();

private:
    QString m_folder;
    std::unique_ptr<QTemporaryDir> m_temporary;
};

void TestPrintout::initTestCase()
{
    m_folder = qEnvironmentVariable("PALLASTRO_PRINTOUT_DIR");
    if (m_folder.isEmpty()) {
        m_temporary = std::make_unique<QTemporaryDir>();
        QVERIFY(m_temporary->isValid());
        m_folder = m_temporary->path();
    }
    QDir folder(m_folder);
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    // Only this run's readings are checked after it.
    for (const QString &old : folder.entryList({QStringLiteral("*.pdf"), QStringLiteral("*.json")}, QDir::Files))
        QVERIFY(folder.remove(old));
}

void TestPrintout::init()
{
    resetReadingState();
}

void TestPrintout::readingOnPaper_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");       // null: opened from a file, no person
    QTest::addColumn<QDate>("born");
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<int>("destiny");
    QTest::addColumn<int>("paper");          // QPageSize::PageSizeId
    QTest::addColumn<qreal>("margin");       // the device's, in millimetres
    QTest::addColumn<int>("pages");
    QTest::addColumn<QStringList>("texts");  // also on the pages, as written here
    QTest::addColumn<QStringList>("absent");

    const QString fromFile;
    const QStringList none;
    QTest::newRow("John Smith: two gods a side")
        << "john-smith" << "John Smith" << QDate(1980, 3, 15) << 9 << 8 << int(QPageSize::A4) << 10.0 << 1
        << QStringList{QStringLiteral("Name John Smith"), QStringLiteral("Born 15 March 1980"),
                       "15 + 3 + 1980 = 1998 " + Arrow + " 1+9+9+8 = 27 " + Arrow + " 2+7 = 9",
                       "1+6+8+5 + 1+4+9+2+8 = 44 " + Arrow + " 4+4 = 8"}
        << none;
    QTest::newRow("five gods and one, on Letter paper")
        << "six-and-one" << "Ada Lee" << QDate(2000, 2, 29) << 6 << 1 << int(QPageSize::Letter) << 6.35 << 2
        << QStringList{QStringLiteral("Ada Lee"), "1+4+1 + 3+5+5 = 19 " + Arrow + " 1+9 = 10 " + Arrow + " 1+0 = 1"}
        << none;
    QTest::newRow("a name without letters: Destiny 0, no gods")
        << "destiny-zero" << "123" << QDate(1900, 1, 1) << 3 << 0 << int(QPageSize::A4) << 0.0 << 1
        << QStringList{QStringLiteral("no letter from A to Z in the name, so 0"),
                       QStringLiteral("The number 0 has no interpretation and no gods")}
        << none;
    QTest::newRow("opened from a file: no name, no working")
        << "from-file" << fromFile << QDate() << 7 << 5 << int(QPageSize::A4) << 25.0 << 1
        << QStringList{QStringLiteral("opened from a saved file")}
        << QStringList{QStringLiteral("Born"), Arrow};
    QTest::newRow("a file's 10 and -1: no gods on either side")
        << "no-gods" << fromFile << QDate() << 10 << -1 << int(QPageSize::A4) << 10.0 << 1
        << QStringList{QStringLiteral("The number 10 has no interpretation"),
                       QStringLiteral("The number -1 has no interpretation")}
        << none;
    // 2000 words of Zeus: 8000 letters, more than the 16-bit sum can hold.
    QString zeus = QStringLiteral("Zeus ").repeated(2000).trimmed();
    QTest::newRow("a name of thousands of letters")
        << "long-name" << zeus << QDate(1999, 9, 9) << 1 << 7 << int(QPageSize::A4) << 10.0 << 1
        << QStringList{QStringLiteral("Zeus Zeus Zeus"), QStringLiteral("(9999 characters in all)"),
                       QStringLiteral("letter values add up to"), QStringLiteral("left out")}
        << none;
    QTest::newRow("John Smith on A6: blocks break across pages")
        << "john-smith-a6" << "John Smith" << QDate(1980, 3, 15) << 9 << 8 << int(QPageSize::A6) << 5.0 << 4
        << QStringList{QStringLiteral("John Smith")} << none;
    // A working over several lines of narrow paper breaks between whole
    // steps and words only (checked for every row).
    QTest::newRow("a long name on A6: the working breaks between steps")
        << "long-name-a6" << "Maria Elena Sofia Helena Andrea Lucia Marina Teresa" << QDate(1987, 12, 28) << 2 << 9
        << int(QPageSize::A6) << 5.0 << 5 << QStringList{QStringLiteral("Maria Elena Sofia")} << none;
}

void TestPrintout::readingOnPaper()
{
    QFETCH(QString, file);
    QFETCH(QString, name);
    QFETCH(QDate, born);
    QFETCH(int, lifePath);
    QFETCH(int, destiny);
    QFETCH(int, paper);
    QFETCH(qreal, margin);
    QFETCH(int, pages);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, absent);

    if (name.isNull()) {
        LifePathNumber = qint16(lifePath);
        DestinyNumber = qint16(destiny);
    } else {
        ComputeNumbers(name, qint16(born.day()), qint16(born.month() - 1), qint16(born.year()));
        QCOMPARE(int(LifePathNumber), lifePath);
        QCOMPARE(int(DestinyNumber), destiny);
    }
    const QDate today = QDate::currentDate();
    const ReadingPrintout printout(ReadingSummary::current(today));

    const QString pdf = QDir(m_folder).filePath(file + QStringLiteral(".pdf"));
    const QPageSize pageSize{QPageSize::PageSizeId(paper)};
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(pageSize);
        writer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
        writer.setTitle(QStringLiteral("Pallastro reading"));
        const int counted = printout.pageCount(writer);
        QCOMPARE(printout.paint(writer), counted);
        QCOMPARE(counted, pages);
    }

    // What the pages must say, worked out from the engine's tables.
    texts << Identity::title() << QStringLiteral("Printed on ") + englishDate(today);
    QStringList unbroken;
    if (!name.isNull()) {
        const QString workings[] = {
            workingText(lifePathWorking(qint16(born.day()), qint16(born.month() - 1), qint16(born.year()))),
            workingText(destinyWorking(name))};
        texts << QStringLiteral("Born ") + englishDate(born) << workings[0] << workings[1];
        for (const QString &working : workings)
            unbroken << unbrokenPieces(working);
    }
    int portraits = 0;
    LoadGodCatalogue();
    for (const auto &[side, number] : {std::pair{QStringLiteral("Life Path"), lifePath},
                                       std::pair{QStringLiteral("Destiny"), destiny}}) {
        texts << QStringLiteral("Greek Numerology %1 Number is %2").arg(side).arg(number);
        if (number >= 1 && number <= 9)
            texts << interpretationOf(qint16(number));
        for (qint16 p : godsOf(qint16(number))) {
            texts << GodNames[p];
            texts << GodDescriptions[p].split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
            ++portraits;
        }
    }
    QCOMPARE(portraits > 0, lifePath >= 1 && lifePath <= 9);

    const QSizeF points = pageSize.size(QPageSize::Point);
    QJsonObject expected{
        {QStringLiteral("pages"), pages},
        {QStringLiteral("page_size_pt"), QJsonArray{points.width(), points.height()}},
        {QStringLiteral("margin_pt"), qMax(margin, ReadingPrintout::MinimumMargin) * 72.0 / 25.4},
        {QStringLiteral("images"), portraits},
        {QStringLiteral("min_ppi"), 299},
        {QStringLiteral("foot"), printout.summary().title + QStringLiteral(" \u00B7 ") + printout.summary().subtitle},
        {QStringLiteral("texts"), jsonList(texts)},
        {QStringLiteral("absent"), jsonList(absent)},
        {QStringLiteral("unbroken"), jsonList(unbroken)},
    };
    const QString json = QDir(m_folder).filePath(file + QStringLiteral(".json"));
    QFile out(json);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QJsonDocument(expected).toJson());
    out.close();

#ifdef PALLASTRO_PRINTOUT_CHECKER
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(QStringLiteral("python3"), {QStringLiteral(PALLASTRO_PRINTOUT_CHECKER), pdf, json});
    QVERIFY2(check.waitForFinished(60000), "check_printout.py did not finish");
    QVERIFY2(check.exitStatus() == QProcess::NormalExit && check.exitCode() == 0,
             check.readAll().constData());
#endif
}

void TestPrintout::pagesOfThePrinterRangeOnly()
{
    // Pages chosen in the print dialog come as the device's page ranges.
    ComputeNumbers(QStringLiteral("John Smith"), 15, 2, 1980);
    const ReadingPrintout printout(ReadingSummary::current(QDate(2026, 12, 7)));
    QTemporaryDir folder;
    QPdfWriter writer(folder.filePath(QStringLiteral("range.pdf")));
    writer.setPageSize(QPageSize(QPageSize::A6));
    const int all = printout.pageCount(writer);
    QVERIFY(all >= 3);
    QPageRanges ranges;
    ranges.addRange(2, 3);
    writer.setPageRanges(ranges);
    QCOMPARE(printout.paint(writer), 2);
}

void TestPrintout::aGodWithoutAPortraitShowsTheOneBeforeIt()
{
    // Aphrodite Pandemos has no portrait of her own; on paper, as in the
    // window, she is shown with Aphrodite's.
    const ReadingSummary::Summary summary = ReadingSummary::summarise(9, 0, std::nullopt, QDate(2026, 12, 7));
    QCOMPARE(summary.lifePath.gods.size(), 2);
    const ReadingSummary::God &aphrodite = summary.lifePath.gods.at(0);
    const ReadingSummary::God &pandemos = summary.lifePath.gods.at(1);
    QCOMPARE(pandemos.name, QStringLiteral("Aphrodite Pandemos"));
    QCOMPARE(aphrodite.portraitEntry, 16);
    QVERIFY(!aphrodite.portraitBorrowed);
    QCOMPARE(pandemos.portraitEntry, 16);
    QVERIFY(pandemos.portraitBorrowed);
    QVERIFY(summary.destiny.gods.isEmpty());
    QVERIFY(!summary.destiny.nothingToShow.isEmpty());
}

void TestPrintout::printedNewsSaysWhereThePagesWent()
{
    // What a screen reader hears once the pages are out: a printer's are in
    // its tray, a file is named without its folder.
    QCOMPARE(ReadingSummary::printedNews(), QStringLiteral("Reading printed"));
    QCOMPARE(ReadingSummary::printedNews(QDir::temp().filePath(QStringLiteral("readings/John Smith.pdf"))),
             QStringLiteral("Reading printed to John Smith.pdf"));
}

QTEST_MAIN(TestPrintout)
#include "tst_printout.moc"
