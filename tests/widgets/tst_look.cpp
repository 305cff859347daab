// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The application-wide look: the Fusion style and the fixed palette, on every
// system, whatever style or colours were in place before, and the focus ring
// from the first message box on.

#include "widgets/FocusRing.h"
#include "widgets/Look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>

#include <memory>

class tst_look : public QObject
{
    Q_OBJECT

private slots:
    void replacesAnotherStyleWithFusion()
    {
        // The plain Windows style is built into every Qt; it stands in for
        // whatever the desktop would have chosen.
        QApplication::setStyle(QStringLiteral("Windows"));
        QCOMPARE(QApplication::style()->name(), QStringLiteral("windows"));

        Look::applyToApplication();
        QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
    }

    void replacesAnotherPalette()
    {
        QPalette dark;
        dark.setColor(QPalette::Button, QColor(0x20, 0x20, 0x20));
        dark.setColor(QPalette::ButtonText, QColor(0xF0, 0xF0, 0xF0));
        dark.setColor(QPalette::Base, QColor(0x10, 0x10, 0x10));
        QApplication::setPalette(dark);

        Look::applyToApplication();
        QPushButton button(QStringLiteral("<<"));
        QCOMPARE(button.palette().color(QPalette::Button), QColor(0xEF, 0xEF, 0xEF));
        QCOMPARE(button.palette().color(QPalette::ButtonText), QColor(Qt::black));
        QCOMPARE(QApplication::palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(QApplication::palette().color(QPalette::Highlight), QColor(0x30, 0x8C, 0xC6));
        QCOMPARE(QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText),
                 QColor(0xBE, 0xBE, 0xBE));
    }

    // The windows were designed against Fusion's light colours; the fixed
    // palette is exactly those, role by role, so nothing changes where
    // Fusion was already the style.
    void paletteIsFusionsLightPalette()
    {
        const std::unique_ptr<QStyle> style(QStyleFactory::create(QStringLiteral("Fusion")));
        QVERIFY(style);
        const QPalette fusion = style->standardPalette();
        const QPalette ours = Look::palette();
        for (int g = 0; g < QPalette::NColorGroups; ++g) {
            if (g == QPalette::Current)
                continue;
            for (int r = 0; r < QPalette::NColorRoles; ++r) {
                const auto group = QPalette::ColorGroup(g);
                const auto role = QPalette::ColorRole(r);
                if (role == QPalette::NoRole)
                    continue;
                QVERIFY2(ours.color(group, role) == fusion.color(group, role),
                         qPrintable(QStringLiteral("group %1 role %2: %3 instead of %4")
                                        .arg(g).arg(r)
                                        .arg(ours.color(group, role).name(QColor::HexArgb),
                                             fusion.color(group, role).name(QColor::HexArgb))));
            }
        }
    }

    void applicationFontTakesTheFamilyAndKeepsTheSize()
    {
        QFont serif(QStringLiteral("Serif"));
        serif.setPointSizeF(11.5);
        QApplication::setFont(serif);

        Look::applyToApplication();
        QCOMPARE(QApplication::font().family(), Look::fontFamily());
        QCOMPARE(QApplication::font().pointSizeF(), 11.5);
    }

    // The update reminder may ask its question before any window stands.
    void focusRingFromTheFirstMessageBox()
    {
        Look::applyToApplication();
        QMessageBox box(QMessageBox::Information, QStringLiteral("Pallastro"), QStringLiteral("A question"),
                        QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QCOMPARE(QApplication::focusWidget(), box.button(QMessageBox::Yes));
        QVERIFY(FocusRing::current());
        QCOMPARE(FocusRing::current()->widget(), box.button(QMessageBox::Yes));
        QVERIFY(FocusRing::current()->isVisible());
        QCOMPARE(FocusRing::current()->geometry(),
                 QRect(box.button(QMessageBox::Yes)->mapTo(&box, QPoint(0, 0)),
                       box.button(QMessageBox::Yes)->size()));

        // It goes where the focus goes.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box.button(QMessageBox::No));
        QCOMPARE(FocusRing::current()->widget(), box.button(QMessageBox::No));
    }

    void verdanaWhereInstalled()
    {
        if (!QFontDatabase::families().contains(QStringLiteral("Verdana"), Qt::CaseInsensitive))
            QSKIP("Verdana is not installed on this machine (Windows always has it)");
        QCOMPARE(Look::fontFamily(), QStringLiteral("Verdana"));
        QCOMPARE(Look::windowFont().family(), QStringLiteral("Verdana"));
    }
};

QTEST_MAIN(tst_look)
#include "tst_look.moc"
