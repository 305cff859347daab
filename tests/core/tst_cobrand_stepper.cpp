// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules the windows follow that need no widget: the start-up draw of the
// promotional label and the way a side's position is kept inside its list.

#include "core/CoBrandDraw.h"
#include "core/GodStepper.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(CoBrandDraw::Front)
Q_DECLARE_METATYPE(GodStepper::Outcome)

class TestCoBrandStepper : public QObject
{
    Q_OBJECT

private slots:
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void drawBecomesOneToSeven_data();
    void drawBecomesOneToSeven();
    void numberPicksFrontLabel_data();
    void numberPicksFrontLabel();
    void positionSettles_data();
    void positionSettles();
};

void TestCoBrandStepper::roundsHalvesToEven_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("expected");

    // Every boundary a draw of r * 6 + 1 can meet, exactly and one step either side.
    const float halves[] = {1.5f, 2.5f, 3.5f, 4.5f, 5.5f, 6.5f};
    for (float half : halves) {
        const int below = int(std::floor(half));
        const int even = below % 2 == 0 ? below : below + 1;
        QTest::addRow("%.1f", double(half)) << half << even;
        QTest::addRow("just below %.1f", double(half)) << std::nextafter(half, 0.0f) << below;
        QTest::addRow("just above %.1f", double(half)) << std::nextafter(half, 10.0f) << below + 1;
    }
    QTest::newRow("1.0") << 1.0f << 1;
    QTest::newRow("7.0") << 7.0f << 7;
    QTest::newRow("4.2") << 4.2f << 4;
    QTest::newRow("4.8") << 4.8f << 5;
}

void TestCoBrandStepper::roundsHalvesToEven()
{
    QFETCH(float, value);
    QFETCH(int, expected);
    QCOMPARE(int(CoBrandDraw::roundHalfToEven(value)), expected);
}

void TestCoBrandStepper::drawBecomesOneToSeven_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<int>("expected");

    QTest::newRow("0 gives 1") << 0.0f << 1;
    QTest::newRow("0.25 gives 2.5, even 2") << 0.25f << 2;
    QTest::newRow("0.5 gives 4") << 0.5f << 4;
    QTest::newRow("0.75 gives 5.5, even 6") << 0.75f << 6;
    QTest::newRow("0.4 gives 3.4") << 0.4f << 3;
    QTest::newRow("0.6 gives 4.6") << 0.6f << 5;
    QTest::newRow("0.95 gives 6.7") << 0.95f << 7;
    QTest::newRow("largest draw below 1") << std::nextafter(1.0f, 0.0f) << 7;
}

void TestCoBrandStepper::drawBecomesOneToSeven()
{
    QFETCH(float, draw);
    QFETCH(int, expected);
    QCOMPARE(int(CoBrandDraw::numberFromDraw(draw)), expected);
}

void TestCoBrandStepper::numberPicksFrontLabel_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<CoBrandDraw::Front>("front");

    using F = CoBrandDraw::Front;
    QTest::newRow("1") << 1 << F::CoBrand;
    QTest::newRow("2") << 2 << F::FullBrand;
    QTest::newRow("3") << 3 << F::CoBrand;
    QTest::newRow("4") << 4 << F::FullBrand;
    QTest::newRow("5") << 5 << F::CoBrand;
    QTest::newRow("6") << 6 << F::FullBrand;
    QTest::newRow("7") << 7 << F::Designed;
}

void TestCoBrandStepper::numberPicksFrontLabel()
{
    QFETCH(int, number);
    QFETCH(CoBrandDraw::Front, front);
    QCOMPARE(CoBrandDraw::frontFor(qint16(number)), front);
}

void TestCoBrandStepper::positionSettles_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("count");
    QTest::addColumn<GodStepper::Outcome>("outcome");
    QTest::addColumn<int>("settled");

    using O = GodStepper::Outcome;
    QTest::newRow("first of two") << 0 << 2 << O::Draw << 0;
    QTest::newRow("last of five") << 4 << 5 << O::Draw << 4;
    QTest::newRow("before the first") << -1 << 2 << O::FirstRecord << 0;
    QTest::newRow("past the last of two") << 2 << 2 << O::LastRecord << 1;
    QTest::newRow("past the only one") << 1 << 1 << O::LastRecord << 0;
    QTest::newRow("before the only one") << -1 << 1 << O::FirstRecord << 0;
    QTest::newRow("empty list, opening") << 0 << 0 << O::Nothing << 0;
    QTest::newRow("empty list, next") << 1 << 0 << O::LastRecord << 0;
    QTest::newRow("empty list, back") << -1 << 0 << O::FirstRecord << 0;
}

void TestCoBrandStepper::positionSettles()
{
    QFETCH(int, position);
    QFETCH(int, count);
    QFETCH(GodStepper::Outcome, outcome);
    QFETCH(int, settled);

    qint16 p = qint16(position);
    QCOMPARE(GodStepper::settle(p, count), outcome);
    QCOMPARE(int(p), settled);
}

QTEST_GUILESS_MAIN(TestCoBrandStepper)
#include "tst_cobrand_stepper.moc"
