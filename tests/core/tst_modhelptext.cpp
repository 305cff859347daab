// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The text encoding shared by the settings store and saved readings.

#include "core/modHelpText.h"

#include <QtTest>

class tst_modhelptext : public QObject
{
    Q_OBJECT

private slots:
    void roundTripEveryCodeUpTo170()
    {
        for (int code = 0; code <= 170; ++code) {
            const QString one = QString(QChar(code));
            const QString encoded = modHelp::EncodeText(one);
            QCOMPARE(encoded.size(), 1);
            QCOMPARE(int(encoded.at(0).unicode()), code + 85);
            QCOMPARE(modHelp::DecodeText(encoded), one);
        }
    }

    void roundTripWholeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("date") << QStringLiteral("2026-12-07");
        QTest::newRow("negative number") << QStringLiteral("-2147483648");
        QTest::newRow("words") << QStringLiteral("Duration Install");
        QString all;
        for (int code = 0; code <= 170; ++code)
            all.append(QChar(code));
        QTest::newRow("all codes 0..170 in one text") << all;
    }

    void roundTripWholeText()
    {
        QFETCH(QString, text);
        const QString encoded = modHelp::EncodeText(text);
        QCOMPARE(encoded.size(), text.size());
        QCOMPARE(modHelp::DecodeText(encoded), text);
    }

    void encodeDropsCodesAbove170()
    {
        for (int code = 171; code <= 255; ++code) {
            const QString text = QStringLiteral("a") + QChar(code) + QStringLiteral("b");
            QCOMPARE(modHelp::EncodeText(text), modHelp::EncodeText(QStringLiteral("ab")));
        }
    }

    void decodeDropsCodesBelow85()
    {
        for (int code = 0; code < 85; ++code) {
            const QString text = QChar(0xB6) + QString(QChar(code)) + QChar(0xB7);
            QCOMPARE(modHelp::DecodeText(text), QStringLiteral("ab"));
        }
    }

    void charactersOutsideLatin1AreDropped()
    {
        // Not in the 8-bit code page at all: neither direction keeps them.
        const QString text = QStringLiteral("1") + QChar(0x20AC) + QStringLiteral("2");
        QCOMPARE(modHelp::DecodeText(modHelp::EncodeText(text)), QStringLiteral("12"));
        QCOMPARE(modHelp::DecodeText(QString(QChar(0x0100 + 85))), QString());
    }
};

QTEST_APPLESS_MAIN(tst_modhelptext)
#include "tst_modhelptext.moc"
