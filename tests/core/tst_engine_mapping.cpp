// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The number-to-gods mapping and the two god lists it fills.

#include "core/modGreekNumerology.h"

#include <QtTest>

using namespace modGreekNumerology;

namespace {

QStringList namesOf(const QList<qint16> &positions)
{
    QStringList names;
    for (qint16 p : positions)
        names << (p >= 0 && p < CatalogueSize ? GodNames.at(p) : QStringLiteral("<out of range>"));
    return names;
}

} // namespace

class TestMapping : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void godsOfNumber_data();
    void godsOfNumber();
    void everyGodBelongsToOneNumber();

    void fillLoadsTheCatalogue();
    void fillReplacesOnlyItsSide_data();
    void fillReplacesOnlyItsSide();
    void fillingTwiceDoesNotDouble();
    void resetEmptiesTheReading();
};

void TestMapping::init()
{
    resetReadingState();
    LoadGodCatalogue();
}

void TestMapping::godsOfNumber_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("gods");

    QTest::newRow("1") << 1 << QStringList{"Ares"};
    QTest::newRow("2") << 2 << QStringList{"Artemis", "Hecate"};
    QTest::newRow("3") << 3 << QStringList{"Hermes"};
    QTest::newRow("4") << 4 << QStringList{"Hera"};
    QTest::newRow("5") << 5 << QStringList{"Athena"};
    QTest::newRow("6") << 6 << QStringList{"Zeus", "Poseidon", "Hades", "Demeter", "Hestia"};
    QTest::newRow("7") << 7 << QStringList{"Hephaestus", "Prometheus"};
    QTest::newRow("8") << 8 << QStringList{"Apollo", "Dionysus"};
    // No blank third record after the two named goddesses.
    QTest::newRow("9") << 9 << QStringList{"Aphrodite", "Aphrodite Pandemos"};
    QTest::newRow("0") << 0 << QStringList{};
    QTest::newRow("10") << 10 << QStringList{};
    QTest::newRow("-1") << -1 << QStringList{};
    QTest::newRow("18") << 18 << QStringList{};
    QTest::newRow("32767") << 32767 << QStringList{};
    QTest::newRow("-32768") << -32768 << QStringList{};
}

void TestMapping::godsOfNumber()
{
    QFETCH(int, number);
    QFETCH(QStringList, gods);

    QCOMPARE(namesOf(godsOf(qint16(number))), gods);

    // Both sides use the same table.
    FillGodList(qint16(number), true);
    FillGodList(qint16(number), false);
    QCOMPARE(namesOf(LifePathGods), gods);
    QCOMPARE(namesOf(DestinyGods), gods);
}

void TestMapping::everyGodBelongsToOneNumber()
{
    QList<int> owner(CatalogueSize, 0);
    for (int n = -32768; n <= 32767; ++n) {
        const QList<qint16> gods = godsOf(qint16(n));
        QVERIFY2(gods.isEmpty() || (n >= 1 && n <= 9), qPrintable(QString::number(n)));
        for (qint16 p : gods) {
            QVERIFY(p >= 0 && p < CatalogueSize);
            QCOMPARE(owner.at(p), 0);
            owner[p] = n;
        }
    }
    for (int p = 0; p < 17; ++p)
        QVERIFY2(owner.at(p) != 0, qPrintable(GodNames.at(p)));
    QCOMPARE(owner.at(17), 0);
}

void TestMapping::fillLoadsTheCatalogue()
{
    GodNames.fill(QString());
    GodDescriptions.fill(QString());
    NumberInterpretations.fill(QString());

    FillGodList(4, false);

    QCOMPARE(GodNames.at(4), QStringLiteral("Hera"));
    QVERIFY(GodDescriptions.at(4).startsWith(QStringLiteral("Hera is the sister of Hestia.")));
    QVERIFY(!interpretationOf(4).isEmpty());
}

void TestMapping::fillReplacesOnlyItsSide_data()
{
    QTest::addColumn<bool>("lifePath");
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("gods");

    QTest::newRow("Life Path 7") << true << 7 << QStringList{"Hephaestus", "Prometheus"};
    QTest::newRow("Destiny 7") << false << 7 << QStringList{"Hephaestus", "Prometheus"};
    QTest::newRow("Life Path 0") << true << 0 << QStringList{};
    QTest::newRow("Destiny 0") << false << 0 << QStringList{};
}

void TestMapping::fillReplacesOnlyItsSide()
{
    QFETCH(bool, lifePath);
    QFETCH(int, number);
    QFETCH(QStringList, gods);

    FillGodList(2, true);
    FillGodList(6, false);

    FillGodList(qint16(number), lifePath);

    QCOMPARE(namesOf(lifePath ? LifePathGods : DestinyGods), gods);
    if (lifePath)
        QCOMPARE(namesOf(DestinyGods),
                 (QStringList{"Zeus", "Poseidon", "Hades", "Demeter", "Hestia"}));
    else
        QCOMPARE(namesOf(LifePathGods), (QStringList{"Artemis", "Hecate"}));
}

void TestMapping::fillingTwiceDoesNotDouble()
{
    FillGodList(6, true);
    FillGodList(6, true);
    QCOMPARE(LifePathGods.size(), 5);

    FillGodList(2, false);
    FillGodList(2, false);
    QCOMPARE(DestinyGods.size(), 2);
}

void TestMapping::resetEmptiesTheReading()
{
    ComputeNumbers(QStringLiteral("Anna"), 15, 2, 1980);
    FillGodList(LifePathNumber, true);
    FillGodList(DestinyNumber, false);
    QVERIFY(LifePathNumber != 0 && DestinyNumber != 0);
    QVERIFY(!LifePathGods.isEmpty() && !DestinyGods.isEmpty());

    resetReadingState();

    QCOMPARE(LifePathNumber, qint16(0));
    QCOMPARE(DestinyNumber, qint16(0));
    QVERIFY(LifePathGods.isEmpty());
    QVERIFY(DestinyGods.isEmpty());
}

QTEST_GUILESS_MAIN(TestMapping)
#include "tst_engine_mapping.moc"
