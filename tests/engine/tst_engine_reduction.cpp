// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Reduction of a name and a birth date to the Destiny and Life Path numbers.

#include "modGreekNumerology.h"

#include <QtTest>

using namespace modGreekNumerology;

namespace {

// The digital root, computed a different way from repeated digit sums.
int digitalRoot(int n)
{
    return n == 0 ? 0 : 1 + (n - 1) % 9;
}

} // namespace

class TestReduction : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void letterValuesFollowTheAlphabet();
    void onlyAsciiLettersHaveValues_data();
    void onlyAsciiLettersHaveValues();

    void reduceSamples_data();
    void reduceSamples();
    void reduceWholeRange();
    void reduceNegative_data();
    void reduceNegative();

    void destiny_data();
    void destiny();
    void destinyNearTheLimit_data();
    void destinyNearTheLimit();

    void lifePath_data();
    void lifePath();
    void lifePathEveryListedDate();
    void lifePathOutsideTheLists_data();
    void lifePathOutsideTheLists();

    void computeNumbersStoresBoth();
};

void TestReduction::init()
{
    ResetReadingState();
}

void TestReduction::letterValuesFollowTheAlphabet()
{
    for (int i = 0; i < 26; ++i) {
        const int expected = i % 9 + 1;
        QCOMPARE(int(LetterValues.at(i)), expected);
        QCOMPARE(int(LetterValue(QChar(u'A' + i))), expected);
        QCOMPARE(int(LetterValue(QChar(u'a' + i))), expected);
    }
}

void TestReduction::onlyAsciiLettersHaveValues_data()
{
    QTest::addColumn<QString>("character");

    QTest::newRow("dotless i") << QStringLiteral("\u0131");
    QTest::newRow("dotted capital I") << QStringLiteral("\u0130");
    QTest::newRow("long s") << QStringLiteral("\u017F");
    QTest::newRow("fi ligature") << QStringLiteral("\uFB01");
    QTest::newRow("fullwidth A") << QStringLiteral("\uFF21");
    QTest::newRow("fullwidth a") << QStringLiteral("\uFF41");
    QTest::newRow("Kelvin sign") << QStringLiteral("\u212A");
    QTest::newRow("Greek Alpha") << QStringLiteral("\u0391");
    QTest::newRow("Cyrillic A") << QStringLiteral("\u0410");
    QTest::newRow("E acute") << QStringLiteral("\u00C9");
    QTest::newRow("sharp s") << QStringLiteral("\u00DF");
    QTest::newRow("mathematical bold A") << QStringLiteral("\U0001D400");
    QTest::newRow("at sign") << QStringLiteral("@");
    QTest::newRow("left bracket") << QStringLiteral("[");
    QTest::newRow("backquote") << QStringLiteral("`");
    QTest::newRow("left brace") << QStringLiteral("{");
    QTest::newRow("digit") << QStringLiteral("7");
    QTest::newRow("nul") << QString(QChar(0));
}

void TestReduction::onlyAsciiLettersHaveValues()
{
    QFETCH(QString, character);

    for (QChar c : character)
        QCOMPARE(int(LetterValue(c)), 0);
    QCOMPARE(int(ComputeDestiny(character)), 0);
    QCOMPARE(int(ComputeDestiny(character + QStringLiteral("Anna") + character)), 3);
}

void TestReduction::reduceSamples_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("digit");

    QTest::newRow("0 stays 0") << 0 << 0;
    QTest::newRow("9") << 9 << 9;
    QTest::newRow("10") << 10 << 1;
    QTest::newRow("11, no master number") << 11 << 2;
    QTest::newRow("22, no master number") << 22 << 4;
    QTest::newRow("33, no master number") << 33 << 6;
    QTest::newRow("1998 -> 27 -> 9") << 1998 << 9;
    QTest::newRow("2017 -> 10 -> 1") << 2017 << 1;
    QTest::newRow("19999 -> 37 -> 10 -> 1") << 19999 << 1;
    QTest::newRow("32767") << 32767 << 7;
}

void TestReduction::reduceSamples()
{
    QFETCH(int, n);
    QFETCH(int, digit);

    QCOMPARE(int(ReduceToDigit(qint16(n))), digit);
}

void TestReduction::reduceWholeRange()
{
    for (int n = 1; n <= 32767; ++n) {
        if (ReduceToDigit(qint16(n)) != digitalRoot(n))
            QFAIL(qPrintable(QStringLiteral("ReduceToDigit(%1) = %2")
                                 .arg(n).arg(ReduceToDigit(qint16(n)))));
    }
}

void TestReduction::reduceNegative_data()
{
    QTest::addColumn<int>("n");

    for (int n : {-1, -9, -10, -11, -32767, -32768})
        QTest::addRow("%d", n) << n;
}

void TestReduction::reduceNegative()
{
    QFETCH(int, n);

    // A negative value has no digit sum; it reads as "no number".
    QCOMPARE(int(ReduceToDigit(qint16(n))), 0);
}

void TestReduction::destiny_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("destiny");

    QTest::newRow("Anna") << QStringLiteral("Anna") << 3;
    QTest::newRow("ANNA") << QStringLiteral("ANNA") << 3;
    QTest::newRow("anna") << QStringLiteral("anna") << 3;
    QTest::newRow("John Smith: 44") << QStringLiteral("John Smith") << 8;
    QTest::newRow("Mary-Ann: 32") << QStringLiteral("Mary-Ann") << 5;
    QTest::newRow("MaryAnn: 32") << QStringLiteral("MaryAnn") << 5;
    QTest::newRow("Elodie with precomposed E acute") << QStringLiteral("\u00C9lodie") << 9;
    // The comparison is per character: a decomposed E still counts, its accent adds nothing.
    QTest::newRow("Elodie with combining acute") << QStringLiteral("E\u0301lodie") << 5;
    QTest::newRow("Elodie unaccented: 32") << QStringLiteral("Elodie") << 5;
    QTest::newRow("O'Brien: 36") << QStringLiteral("O'Brien") << 9;
    QTest::newRow("only digits") << QStringLiteral("123") << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("blanks and punctuation") << QStringLiteral("  -'.,!  ") << 0;
    QTest::newRow("Greek script") << QStringLiteral("\u0391\u03B8\u03B7\u03BD\u03AC") << 0;
    QTest::newRow("sum 11") << QStringLiteral("IB") << 2;
    QTest::newRow("sum 22") << QStringLiteral("IID") << 4;
    QTest::newRow("sum 33") << QStringLiteral("iiif") << 6;
    QTest::newRow("sum 9 stays 9") << QStringLiteral("R") << 9;
}

void TestReduction::destiny()
{
    QFETCH(QString, name);
    QFETCH(int, destiny);

    QCOMPARE(int(ComputeDestiny(name)), destiny);
}

void TestReduction::destinyNearTheLimit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("sum");

    // 3640 letters I make 32760, seven below the 16-bit limit.
    const QString base(3640, QLatin1Char('I'));

    QTest::newRow("just below") << base << 32760;
    QTest::newRow("G lands exactly on 32767") << base + QLatin1Char('G') << 32767;
    QTest::newRow("H would pass it and is skipped") << base + QLatin1Char('H') << 32760;
    QTest::newRow("skipped I, then A still fits")
        << base + QStringLiteral("IA") << 32761;
    QTest::newRow("skipped letters do not stop the scan")
        << base + QStringLiteral("ZZZ a ZZZ f") << 32767;
    QTest::newRow("full text box of Z ending in G")
        << QString(32766, QLatin1Char('Z')) + QLatin1Char('G') << 32767;
    QTest::newRow("full text box of R") << QString(32767, QLatin1Char('R')) << 32760;
    QTest::newRow("full text box of a") << QString(32767, QLatin1Char('a')) << 32767;
}

void TestReduction::destinyNearTheLimit()
{
    QFETCH(QString, name);
    QFETCH(int, sum);

    QCOMPARE(int(ComputeDestiny(name)), digitalRoot(sum));
}

void TestReduction::lifePath_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("monthIndex");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("lifePath");

    QTest::newRow("15 March 1980: 1998") << 15 << 2 << 1980 << 9;
    QTest::newRow("29 February 2000: 2031") << 29 << 1 << 2000 << 6;
    QTest::newRow("1 January 1900: 1902") << 1 << 0 << 1900 << 3;
    QTest::newRow("31 December 2050: 2093") << 31 << 11 << 2050 << 5;
    QTest::newRow("9 September 1999: 2017, two rounds") << 9 << 8 << 1999 << 1;
}

void TestReduction::lifePath()
{
    QFETCH(int, day);
    QFETCH(int, monthIndex);
    QFETCH(int, year);
    QFETCH(int, lifePath);

    QCOMPARE(int(ComputeLifePath(qint16(day), qint16(monthIndex), qint16(year))), lifePath);
}

void TestReduction::lifePathEveryListedDate()
{
    for (int year = 1900; year <= 2050; ++year) {
        for (int monthIndex = 0; monthIndex <= 11; ++monthIndex) {
            for (int day = 1; day <= 31; ++day) {
                const int expected = digitalRoot(day + monthIndex + 1 + year);
                const int actual = ComputeLifePath(qint16(day), qint16(monthIndex), qint16(year));
                if (actual != expected || actual < 1 || actual > 9)
                    QFAIL(qPrintable(QStringLiteral("%1/%2/%3 gives %4, not %5")
                                         .arg(day).arg(monthIndex + 1).arg(year)
                                         .arg(actual).arg(expected)));
            }
        }
    }
}

void TestReduction::lifePathOutsideTheLists_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("monthIndex");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("lifePath");

    QTest::newRow("total 32767 still counts") << 30000 << 0 << 2766 << 7;
    QTest::newRow("total past 32767 gives 0") << 30000 << 0 << 2767 << 0;
    QTest::newRow("all at the limit gives 0") << 32767 << 32767 << 32767 << 0;
    QTest::newRow("negative total gives 0") << 1 << 0 << -1900 << 0;
    QTest::newRow("total 0 gives 0") << 0 << -1 << 0 << 0;
}

void TestReduction::lifePathOutsideTheLists()
{
    QFETCH(int, day);
    QFETCH(int, monthIndex);
    QFETCH(int, year);
    QFETCH(int, lifePath);

    QCOMPARE(int(ComputeLifePath(qint16(day), qint16(monthIndex), qint16(year))), lifePath);
}

void TestReduction::computeNumbersStoresBoth()
{
    ComputeNumbers(QStringLiteral("John Smith"), 29, 1, 2000);
    QCOMPARE(LifePathNumber, qint16(6));
    QCOMPARE(DestinyNumber, qint16(8));

    // A later reading replaces both; a name without letters gives 0.
    ComputeNumbers(QStringLiteral("123"), 9, 8, 1999);
    QCOMPARE(LifePathNumber, qint16(1));
    QCOMPARE(DestinyNumber, qint16(0));
}

QTEST_GUILESS_MAIN(TestReduction)
#include "tst_engine_reduction.moc"
