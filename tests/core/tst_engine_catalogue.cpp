// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The god catalogue: names, descriptions and interpretation texts.

#include "core/modGreekNumerology.h"

#include <QtTest>

using namespace modGreekNumerology;

namespace {

const QString ParagraphBreak = QStringLiteral("\r\n\r\n");

// Texts are written to a target length; five per cent either way is allowed.
bool nearLength(qsizetype actual, int target)
{
    return 20 * qAbs(actual - target) <= target;
}

// Printable ASCII; CR and LF only where a paragraph break is expected.
bool plainAscii(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return true;
}

// True when "you" or "your" appears as a word, in any case.
bool speaksToReader(const QString &text)
{
    static const QRegularExpression you(QStringLiteral("\\byou(r|rs|rself)?\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    return text.contains(you);
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void gods_data();
    void gods();
    void lastPositionIsEmpty();
    void descriptionParagraphs_data();
    void descriptionParagraphs();
    void hermesClosesWithInterpretationOfThree();

    void interpretations_data();
    void interpretations();
    void interpretationOutsideOneToNine_data();
    void interpretationOutsideOneToNine();

    void loadingRestoresAlteredTables();
};

void TestCatalogue::init()
{
    resetReadingState();
    for (auto *table : {&GodNames, &GodDescriptions})
        table->fill(QString());
    NumberInterpretations.fill(QString());
    LoadGodCatalogue();
}

void TestCatalogue::gods_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("firstSentence");
    QTest::addColumn<int>("length");

    auto row = [](int p, const char *name, const char *first, int length) {
        QTest::newRow(name) << p << QString::fromLatin1(name) << QString::fromLatin1(first)
                            << length;
    };
    row(0, "Ares", "He is an aggressive God of War.", 700);
    row(1, "Artemis", "Artemis is the daughter of Zeus and Leto and the twin sister of Apollo.", 294);
    row(2, "Hecate", "She is the cousin of Artemis.", 176);
    row(3, "Hermes", "He is the son of Zeus and Maia.", 383);
    row(4, "Hera", "Hera is the sister of Hestia.", 470);
    row(5, "Athena", "Athena, the daughter of Zeus and the Goddess of Wisdom.", 325);
    row(6, "Zeus", "Zeus is the Supreme God who is said to be the source of life.", 372);
    row(7, "Poseidon", "He is the master of the sea and all water elements.", 173);
    row(8, "Hades", "He is the God of the empire of mortal death.", 124);
    row(9, "Demeter", "Demeter is the Goddess of agriculture and fertility.", 239);
    row(10, "Hestia", "Hestia is the Virgin Goddess.", 229);
    row(11, "Hephaestus", "He is the son of Hera, born out of hatred for Zeus.", 397);
    row(12, "Prometheus", "Prometheus is the son of Themis and Iapetus.", 212);
    row(13, "Apollo", "Apollo is the son of Zeus and Leto.", 378);
    row(14, "Dionysus", "He is the son of Zeus and Semele.", 163);
    row(15, "Aphrodite", "Aphrodite is the Goddess of love and beauty.", 171);
    row(16, "Aphrodite Pandemos", "She is the daughter of Zeus and Dione.", 79);
}

void TestCatalogue::gods()
{
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(QString, firstSentence);
    QFETCH(int, length);

    QCOMPARE(GodNames.at(position), name);
    const QString text = GodDescriptions.at(position);
    QVERIFY2(text.startsWith(firstSentence + QLatin1Char(' ')),
             qPrintable(text.left(firstSentence.size() + 1)));
    QVERIFY2(nearLength(text.size(), length),
             qPrintable(QStringLiteral("%1 characters").arg(text.size())));
    QVERIFY(plainAscii(QString(text).remove(ParagraphBreak)));
    // Hermes's second paragraph is the reader's own interpretation of number 3.
    const QString ownWords = position == 3 ? text.section(ParagraphBreak, 0, 0) : text;
    QVERIFY2(!speaksToReader(ownWords),
             "a description tells of the god, not of the reader");
}

void TestCatalogue::lastPositionIsEmpty()
{
    QVERIFY(GodNames.at(17).isEmpty());
    QVERIFY(GodDescriptions.at(17).isEmpty());
}

void TestCatalogue::descriptionParagraphs_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("paragraphs");

    for (int p = 0; p < 17; ++p)
        QTest::addRow("position %d", p) << p << (p == 0 || p == 3 ? 2 : 1);
}

void TestCatalogue::descriptionParagraphs()
{
    QFETCH(int, position);
    QFETCH(int, paragraphs);

    const QString text = GodDescriptions.at(position);
    const QStringList parts = text.split(ParagraphBreak);
    QCOMPARE(parts.size(), paragraphs);
    for (const QString &part : parts) {
        QVERIFY(!part.isEmpty());
        QVERIFY2(!part.contains(QLatin1Char('\r')) && !part.contains(QLatin1Char('\n')),
                 "line breaks only between the two paragraphs");
        QVERIFY(!part.startsWith(QLatin1Char(' ')) && !part.endsWith(QLatin1Char(' ')));
    }
    if (position == 0) {
        QVERIFY2(nearLength(parts.at(0).size(), 372), qPrintable(QString::number(parts.at(0).size())));
        QVERIFY(parts.at(1).startsWith(QStringLiteral(
            "Ares also violated women won in battles and never believed in the true union or "
            "man and women. ")));
    }
}

void TestCatalogue::hermesClosesWithInterpretationOfThree()
{
    const QStringList parts = GodDescriptions.at(3).split(ParagraphBreak);
    QCOMPARE(parts.size(), 2);
    QCOMPARE(parts.at(1), interpretationOf(3));
    QCOMPARE(parts.at(1), QStringLiteral("Along with the power of intuition you will also be "
                                         "blessed with good luck and esoteric knowledge."));
}

void TestCatalogue::interpretations_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("firstSentence");
    QTest::addColumn<int>("length");

    auto row = [](int n, const char *first, int length) {
        QTest::addRow("%d", n) << n << QString::fromLatin1(first) << length;
    };
    row(1, "You will not take anything sitting.", 322);
    row(2, "You have the gift of feeling or knowing beforehand what will happen next.", 161);
    row(3, "Along with the power of intuition you will also be blessed with good luck and "
           "esoteric knowledge.", 97);
    row(4, "You will plan for the future based on some concrete happenings.", 120);
    row(5, "You have the capability to understand your future and allow only certain events to "
           "take place that will be fruitful for you.", 171);
    row(6, "You believe that your destiny will not be made by only by drawing lots or maybe by "
           "throwing gold coins and other such methods.", 221);
    row(7, "You will analyze the events that may occur in the future and then decide on the best "
           "course of action.", 214);
    row(8, "You can foresee events that will happen in your future.", 108);
    row(9, "You will not be worried about your future.", 103);
}

void TestCatalogue::interpretations()
{
    QFETCH(int, number);
    QFETCH(QString, firstSentence);
    QFETCH(int, length);

    const QString text = interpretationOf(qint16(number));
    QCOMPARE(NumberInterpretations.at(number - 1), text);
    QVERIFY2(text.startsWith(firstSentence), qPrintable(text));
    QVERIFY2(text.size() == firstSentence.size() || text.at(firstSentence.size()) == QLatin1Char(' '),
             "the given sentence stands whole at the start");
    QVERIFY2(nearLength(text.size(), length), qPrintable(QStringLiteral("%1 characters").arg(text.size())));
    QVERIFY(plainAscii(text));
    QVERIFY(speaksToReader(text));
}

void TestCatalogue::interpretationOutsideOneToNine_data()
{
    QTest::addColumn<int>("number");

    for (int n : {0, 10, 11, -1, -9, 32767, -32768})
        QTest::addRow("%d", n) << n;
}

void TestCatalogue::interpretationOutsideOneToNine()
{
    QFETCH(int, number);

    QVERIFY(interpretationOf(qint16(number)).isEmpty());
    QVERIFY(NumberInterpretations.at(9).isEmpty());
}

void TestCatalogue::loadingRestoresAlteredTables()
{
    const auto names = GodNames;
    const auto descriptions = GodDescriptions;
    const auto interpretations = NumberInterpretations;

    GodNames[4] = QStringLiteral("Juno");
    GodNames[17] = QStringLiteral("stray");
    GodDescriptions[0].clear();
    NumberInterpretations[9] = QStringLiteral("stray");
    LoadGodCatalogue();
    LoadGodCatalogue();

    QCOMPARE(GodNames, names);
    QCOMPARE(GodDescriptions, descriptions);
    QCOMPARE(NumberInterpretations, interpretations);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_engine_catalogue.moc"
