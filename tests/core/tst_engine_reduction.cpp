// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Reduction of a name and a birth date to the Destiny and Life Path numbers,
// and the working that shows how.

#include "core/modGreekNumerology.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace modGreekNumerology;

namespace {

// The digital root, computed a different way from repeated digit sums.
int digitalRoot(int n)
{
    return n == 0 ? 0 : 1 + (n - 1) % 9;
}

// Checks the arithmetic a working's text shows, read back from the text
// alone: the terms add up to the sum after them, each arrow's digits are
// those of the sum before it and add up to the sum after it, and the last
// sum is the number. Empty when all holds, else what does not.
QString arithmeticOf(const QString &text, int number)
{
    const QStringList steps = text.split(QStringLiteral(" \u2192 "));
    int previous = -1;
    for (int i = 0; i < steps.size(); ++i) {
        QStringList sides = steps.at(i).split(QStringLiteral(" = "));
        // A single term stands alone.
        if (i == 0 && sides.size() == 1 && !sides.at(0).contains(QLatin1Char('+')))
            sides << sides.at(0);
        if (sides.size() != 2)
            return QStringLiteral("step '%1' is no sum").arg(steps.at(i));
        int sum = 0;
        QString digits;
        static const QRegularExpression plus(QStringLiteral("[ +]+"));
        for (const QString &term : sides.at(0).split(plus)) {
            sum += term.toInt();
            digits += term;
        }
        if (sum != sides.at(1).toInt())
            return QStringLiteral("'%1' does not add up").arg(steps.at(i));
        if (i > 0 && digits != QString::number(previous))
            return QStringLiteral("'%1' are not the digits of %2").arg(sides.at(0)).arg(previous);
        previous = sides.at(1).toInt();
    }
    if (previous != number)
        return QStringLiteral("ends in %1, not %2").arg(previous).arg(number);
    return {};
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

    void digitSums_data();
    void digitSums();
    void working_data();
    void working();
    void workingOfEveryListedDateAddsUp();
    void workingOfManyNamesAddsUp();
    void readingDetailsAreKeptUntilForgotten();
};

void TestReduction::init()
{
    resetReadingState();
}

void TestReduction::letterValuesFollowTheAlphabet()
{
    for (int i = 0; i < 26; ++i) {
        const int expected = i % 9 + 1;
        QCOMPARE(int(LetterValues.at(i)), expected);
        QCOMPARE(int(letterValue(QChar(u'A' + i))), expected);
        QCOMPARE(int(letterValue(QChar(u'a' + i))), expected);
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
        QCOMPARE(int(letterValue(c)), 0);
    QCOMPARE(int(computeDestiny(character)), 0);
    QCOMPARE(int(computeDestiny(character + QStringLiteral("Anna") + character)), 3);
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

    QCOMPARE(int(computeDestiny(name)), destiny);
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

    QCOMPARE(int(computeDestiny(name)), digitalRoot(sum));
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

    QCOMPARE(int(computeLifePath(qint16(day), qint16(monthIndex), qint16(year))), lifePath);
}

void TestReduction::lifePathEveryListedDate()
{
    for (int year = 1900; year <= 2050; ++year) {
        for (int monthIndex = 0; monthIndex <= 11; ++monthIndex) {
            for (int day = 1; day <= 31; ++day) {
                const int expected = digitalRoot(day + monthIndex + 1 + year);
                const int actual = computeLifePath(qint16(day), qint16(monthIndex), qint16(year));
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

    QCOMPARE(int(computeLifePath(qint16(day), qint16(monthIndex), qint16(year))), lifePath);
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

void TestReduction::digitSums_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<qint16>>("sums");

    QTest::newRow("one digit") << 7 << QList<qint16>{7};
    QTest::newRow("0") << 0 << QList<qint16>{0};
    QTest::newRow("1998") << 1998 << QList<qint16>{1998, 27, 9};
    QTest::newRow("19999, three rounds") << 19999 << QList<qint16>{19999, 37, 10, 1};
    QTest::newRow("negative: none") << -5 << QList<qint16>{};
}

void TestReduction::digitSums()
{
    QFETCH(int, n);
    QFETCH(QList<qint16>, sums);

    QCOMPARE(modGreekNumerology::digitSums(qint16(n)), sums);
}

void TestReduction::working_data()
{
    QTest::addColumn<QString>("name");   // null: the date's working
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("monthIndex");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("text");
    // The same text with " | " wherever a line may break it, and nowhere else.
    QTest::addColumn<QString>("breaks");
    QTest::addColumn<int>("number");

    const QString date;
    QTest::newRow("15 March 1980: whole values, not digits")
        << date << 15 << 2 << 1980 << "15 + 3 + 1980 = 1998 \u2192 1+9+9+8 = 27 \u2192 2+7 = 9"
        << "15 + | 3 + | 1980 = 1998 \u2192 | 1+9+9+8 = 27 \u2192 | 2+7 = 9" << 9;
    QTest::newRow("9 September 1999: two rounds")
        << date << 9 << 8 << 1999 << "9 + 9 + 1999 = 2017 \u2192 2+0+1+7 = 10 \u2192 1+0 = 1"
        << "9 + | 9 + | 1999 = 2017 \u2192 | 2+0+1+7 = 10 \u2192 | 1+0 = 1" << 1;
    QTest::newRow("a total past 32767")
        << date << 30000 << 0 << 2767 << "30000 + 1 + 2767 = 32768, outside 0 to 32767, so 0"
        << "30000 + | 1 + | 2767 = 32768, | outside | 0 | to | 32767, | so | 0" << 0;

    QTest::newRow("John Smith: a group a word")
        << "John Smith" << 0 << 0 << 0 << "1+6+8+5 + 1+4+9+2+8 = 44 \u2192 4+4 = 8"
        << "1+6+8+5 + | 1+4+9+2+8 = 44 \u2192 | 4+4 = 8" << 8;
    QTest::newRow("blanks around and between words")
        << "  John   Smith " << 0 << 0 << 0 << "1+6+8+5 + 1+4+9+2+8 = 44 \u2192 4+4 = 8"
        << "1+6+8+5 + | 1+4+9+2+8 = 44 \u2192 | 4+4 = 8" << 8;
    QTest::newRow("a hyphen joins: one word")
        << "Mary-Ann" << 0 << 0 << 0 << "4+1+9+7+1+5+5 = 32 \u2192 3+2 = 5" << "4+1+9+7+1+5+5 = 32 \u2192 | 3+2 = 5"
        << 5;
    QTest::newRow("a word without letters makes no group")
        << "Anna 123 Lee" << 0 << 0 << 0 << "1+5+5+1 + 3+5+5 = 25 \u2192 2+5 = 7"
        << "1+5+5+1 + | 3+5+5 = 25 \u2192 | 2+5 = 7" << 7;
    QTest::newRow("precomposed accent counts nothing")
        << "\u00C9lodie" << 0 << 0 << 0 << "3+6+4+9+5 = 27 \u2192 2+7 = 9" << "3+6+4+9+5 = 27 \u2192 | 2+7 = 9" << 9;
    QTest::newRow("one digit: no arrow") << "A B" << 0 << 0 << 0 << "1 + 2 = 3" << "1 + | 2 = 3" << 3;
    QTest::newRow("one letter: not repeated") << "R" << 0 << 0 << 0 << "9" << "9" << 9;
    QTest::newRow("no letter: Destiny 0")
        << "123" << 0 << 0 << 0 << "no letter from A to Z in the name, so 0"
        << "no | letter | from | A | to | Z | in | the | name, | so | 0" << 0;
    const QString sixtyOnes = QStringList(WorkingTermsShown, QStringLiteral("1")).join(QLatin1Char('+'));
    QTest::newRow("the longest working written out")
        << QString(WorkingTermsShown, QLatin1Char('a')) << 0 << 0 << 0
        << sixtyOnes + QStringLiteral(" = 60 \u2192 6+0 = 6") << sixtyOnes + QStringLiteral(" = 60 \u2192 | 6+0 = 6")
        << 6;
    QTest::newRow("one letter more: counted, not written out")
        << QString(WorkingTermsShown + 1, QLatin1Char('a')) << 0 << 0 << 0
        << "61 letter values add up to 61 \u2192 6+1 = 7" << "61 | letter | values | add | up | to | 61 \u2192 | 6+1 = 7"
        << 7;
    QTest::newRow("letters past the 16-bit limit")
        << QString(3640, QLatin1Char('I')) + QStringLiteral("HH") << 0 << 0 << 0
        << "3640 letter values add up to 32760 (2 more letters left out: they would carry the sum past 32767) "
           "\u2192 3+2+7+6+0 = 18 \u2192 1+8 = 9"
        << "3640 | letter | values | add | up | to | 32760 | (2 | more | letters | left | out: | they | would | carry "
           "| the | sum | past | 32767) \u2192 | 3+2+7+6+0 = 18 \u2192 | 1+8 = 9"
        << 9;
}

void TestReduction::working()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(int, monthIndex);
    QFETCH(int, year);
    QFETCH(QString, text);
    QFETCH(QString, breaks);
    QFETCH(int, number);

    const Working w = name.isNull() ? lifePathWorking(qint16(day), qint16(monthIndex), qint16(year))
                                    : destinyWorking(name);
    QCOMPARE(workingText(w), text);
    QCOMPARE(workingPieces(w).join(QStringLiteral(" | ")), breaks);
    QCOMPARE(int(w.number), number);
    QCOMPARE(int(name.isNull() ? computeLifePath(qint16(day), qint16(monthIndex), qint16(year))
                               : computeDestiny(name)),
             number);
}

void TestReduction::workingOfEveryListedDateAddsUp()
{
    for (int year = 1900; year <= 2050; ++year) {
        for (int monthIndex = 0; monthIndex <= 11; ++monthIndex) {
            for (int day = 1; day <= 31; ++day) {
                const Working w = lifePathWorking(qint16(day), qint16(monthIndex), qint16(year));
                const QString wrong = arithmeticOf(workingText(w), w.number);
                if (!wrong.isEmpty() || w.number != computeLifePath(qint16(day), qint16(monthIndex), qint16(year)))
                    QFAIL(qPrintable(QStringLiteral("%1/%2/%3: %4 (%5)").arg(day).arg(monthIndex + 1).arg(year)
                                         .arg(workingText(w), wrong)));
            }
        }
    }
}

void TestReduction::workingOfManyNamesAddsUp()
{
    // Names of letters, blanks, hyphens, digits and accented letters, from a
    // fixed seed so that a failure comes back.
    QRandomGenerator random(20261207);
    const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ   --'07\u00C9\u00E9\u0301");
    for (int i = 0; i < 3000; ++i) {
        QString name;
        const int length = int(random.bounded(1, 40));
        for (int c = 0; c < length; ++c)
            name += alphabet.at(int(random.bounded(alphabet.size())));
        const Working w = destinyWorking(name);
        QCOMPARE(w.number, computeDestiny(name));
        if (w.termCount() == 0) {
            QCOMPARE(w.number, qint16(0));
            continue;
        }
        const QString wrong = arithmeticOf(workingText(w), w.number);
        QVERIFY2(wrong.isEmpty(), qPrintable(name + QStringLiteral(": ") + workingText(w) + QStringLiteral(": ") + wrong));
        // Where a line may break it: never inside a digit sum, never before a
        // result.
        for (const QString &piece : workingPieces(w)) {
            QVERIFY2(!piece.isEmpty() && !piece.startsWith(QLatin1Char(' ')) && !piece.startsWith(QLatin1Char('='))
                         && !piece.startsWith(QChar(0x2192)),
                     qPrintable(name + QStringLiteral(": '") + piece + QLatin1Char('\'')));
        }
    }
}

void TestReduction::readingDetailsAreKeptUntilForgotten()
{
    QVERIFY(!ReadingDetails);
    ComputeNumbers(QStringLiteral("John Smith"), 15, 2, 1980);
    QVERIFY(ReadingDetails);
    QCOMPARE(*ReadingDetails, (ReadingPerson{QStringLiteral("John Smith"), 15, 2, 1980}));

    // A new reading replaces it.
    ComputeNumbers(QStringLiteral("Anna"), 1, 0, 1900);
    QCOMPARE(ReadingDetails->name, QStringLiteral("Anna"));

    forgetReadingDetails();
    QVERIFY(!ReadingDetails);
    ComputeNumbers(QStringLiteral("Anna"), 1, 0, 1900);
    resetReadingState();
    QVERIFY(!ReadingDetails);
}

QTEST_GUILESS_MAIN(TestReduction)
#include "tst_engine_reduction.moc"
