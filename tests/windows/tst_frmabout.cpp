// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The About window: its make-up, its links, and how it opens and closes over
// the window that opened it.

#include "assets/Assets.h"
#include "tests/common/FakeDesktop.h"
#include "tests/common/KeyPress.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "windows/about/frmAbout.h"
#include "platform/modHelp.h"

#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {

// Runs action on the modal window once it is up; exec() blocks meanwhile.
void whenModal(std::function<void(QWidget *)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        action(modal);
    });
}

QColor textColour(const QLabel *label) { return label->palette().color(QPalette::WindowText); }

bool clipped(const QLabel *label)
{
    const QSize needed = label->sizeHint();
    return label->width() < needed.width() || label->height() < needed.height();
}

} // namespace

class tst_frmabout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void windowSettings()
    {
        FakeDesktop fake;
        QWidget owner;
        frmAbout about(&owner);
        QCOMPARE(about.windowTitle(), QStringLiteral("Pallastro v1.0"));
        QCOMPARE(about.size(), QSize(388, 203));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        const Qt::WindowFlags flags = about.windowFlags();
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(about.windowType(), Qt::Dialog);   // owned: no taskbar entry
        QCOMPARE(about.parentWidget(), &owner);
        QVERIFY(about.isModal());
        QCOMPARE(about.palette().color(QPalette::Window), Look::Black);
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("designed");   // pixels; a zero size for labels that size themselves
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Label2") << "Label2" << QRect(48, 4, 0, 0) << Look::Yellow << 9.75 << true;
        QTest::newRow("Label1") << "Label1" << QRect(48, 26, 333, 57) << Look::Cyan << 8.25 << false;
        QTest::newRow("Label3") << "Label3" << QRect(2, 104, 379, 37) << Look::Yellow << 8.25 << true;
        QTest::newRow("lblHomePage") << "lblHomePage" << QRect(111, 83, 0, 0) << Look::White << 8.25 << false;
        QTest::newRow("lblCoBrand") << "lblCoBrand" << QRect(228, 141, 0, 0) << Look::White << 8.25 << false;
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, designed);
        QFETCH(QColor, colour);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        FakeDesktop fake;
        frmAbout about;
        auto *label = about.findChild<QLabel *>(name);
        QVERIFY(label);
        QCOMPARE(textColour(label), colour);
        QCOMPARE(label->font().pointSizeF(), points);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(label->font().family(), Look::fontFamily());
        QVERIFY(!label->autoFillBackground());
        if (designed.width() > 0) {
            // Fixed size; only a font that needs more lines makes it taller,
            // upwards, so that what lies below it stays clear.
            QCOMPARE(label->x(), designed.x());
            QCOMPARE(label->width(), designed.width());
            QCOMPARE(label->geometry().bottom(), designed.bottom());
            QVERIFY(label->height() >= designed.height());
        } else {
            QCOMPARE(label->y(), designed.y());
            // Sized to its caption, never clipped, and inside the window.
            QVERIFY(label->x() <= designed.x());
            QVERIFY(!clipped(label));
        }
        QVERIFY(about.rect().contains(label->geometry()));
    }

    void wrappedTextsFitTheirLabels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Label1") << "Label1";
        QTest::newRow("Label3") << "Label3";
    }

    void wrappedTextsFitTheirLabels()
    {
        QFETCH(QString, name);
        FakeDesktop fake;
        frmAbout about;
        auto *label = about.findChild<QLabel *>(name);
        QVERIFY(label->wordWrap());
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(QStringLiteral("needs %1 px").arg(label->heightForWidth(label->width()))));
    }

    void linksLookAndPoint()
    {
        FakeDesktop fake;
        frmAbout about;
        for (LinkLabel *link : {about.lblHomePage, about.lblCoBrand}) {
            QVERIFY(link->font().underline());
            QCOMPARE(link->cursor().shape(), Assets::handCursor(Assets::Hand::SixteenColour).shape());
            QVERIFY(link->testAttribute(Qt::WA_SetCursor));
        }
        // It invites a click and names the site as people write it.
        QCOMPARE(about.lblHomePage->text(), QStringLiteral("Click here to visit us at www.pallastro.example"));
        QCOMPARE(about.lblCoBrand->text(), QStringLiteral("Click here for more details"));
    }

    void otherTexts()
    {
        FakeDesktop fake;
        frmAbout about;
        QCOMPARE(about.Label2->text(), QStringLiteral("Pallastro v1.0"));
        QVERIFY(about.Label1->text().startsWith(
            QStringLiteral("Pallastro finds your Greek God based on numerology. This software finds your "
                           "Greek God based on lifepath number and destiny number. ")));
        QVERIFY(about.Label1->text().contains(QStringLiteral("the Pallastro authors")));
        QCOMPARE(about.Label3->text(),
                 QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                "online. Get this software fully branded for your website."));
        QCOMPARE(about.cmdOK->text(), QStringLiteral("OK"));
        QCOMPARE(about.cmdOK->geometry(), QRect(297, 176, 84, 23));
        QVERIFY(about.cmdOK->isDefault());
        QCOMPARE(about.picIcon->pos(), QPoint(4, 4));
    }

    void cyanLineReachesBothEdges()
    {
        FakeDesktop fake;
        frmAbout about;
        const QImage shot = about.grab().toImage();
        for (int x : {0, about.width() / 2, about.width() - 1}) {
            QCOMPARE(shot.pixelColor(x, 169), Look::Cyan);
            QCOMPARE(shot.pixelColor(x, 170), Look::Cyan);
            QCOMPARE(shot.pixelColor(x, 171), Look::Black);
            QCOMPARE(shot.pixelColor(x, 168), Look::Black);
        }
    }

    void linksOpenTheirPages_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::newRow("lblHomePage") << "lblHomePage" << modHelp::homePageAddress();
        QTest::newRow("lblCoBrand") << "lblCoBrand" << modHelp::fullBrandPageAddress();
    }

    void linksOpenTheirPages()
    {
        QFETCH(QString, name);
        QFETCH(QString, address);
        FakeDesktop fake;
        frmAbout about;
        about.show();
        auto *link = about.findChild<LinkLabel *>(name);
        QTest::mouseClick(link, Qt::LeftButton);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(fake.openedUrls, QList<QUrl>({QUrl(address), QUrl(address)}));
        QVERIFY(about.isVisible());   // a link leaves the window open
    }

    void nothingElseReactsToClicks()
    {
        FakeDesktop fake;
        frmAbout about;
        about.show();
        for (QWidget *w : {static_cast<QWidget *>(about.Label1), static_cast<QWidget *>(about.Label2),
                           static_cast<QWidget *>(about.Label3), static_cast<QWidget *>(about.picIcon)})
            QTest::mouseClick(w, Qt::LeftButton);
        QVERIFY(fake.openedUrls.isEmpty());
        QVERIFY(about.isVisible());
    }

    void keysClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }

    void keysClose()
    {
        QFETCH(int, key);
        FakeDesktop fake;
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));

        QString shown;
        QString focused;
        whenModal([&](QWidget *modal) {
            shown = modal->objectName();
            focused = modal->focusWidget() ? modal->focusWidget()->objectName() : QString();
            QTest::keyClick(modal->windowHandle(), Qt::Key(key));
        });
        frmAbout::showModal(&owner);

        QCOMPARE(shown, QStringLiteral("frmAbout"));
        QCOMPARE(focused, QStringLiteral("cmdOK"));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(owner.findChildren<frmAbout *>().isEmpty());   // unloaded
        QVERIFY(fake.openedUrls.isEmpty());
        QVERIFY(fake.endedWith.isEmpty());
    }

    // OK takes Enter as Space: down on the press, the window closed only
    // once the key is let go.
    void okTakesEnterAsSpace_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void okTakesEnterAsSpace()
    {
        QFETCH(int, key);
        FakeDesktop fake;
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));

        KeyPress::Outcome pressed;
        QString focused;
        whenModal([&](QWidget *modal) {
            auto *about = qobject_cast<frmAbout *>(modal);
            QVERIFY(about);
            focused = modal->focusWidget() ? modal->focusWidget()->objectName() : QString();
            pressed = KeyPress::pressAndRelease(about->cmdOK, Qt::Key(key));
            // Whatever the key did, the window goes, so that the test ends.
            modal->close();
        });
        frmAbout::showModal(&owner);

        QCOMPARE(focused, QStringLiteral("cmdOK"));
        QVERIFY2(KeyPress::pressedLikeSpace(pressed), qPrintable(KeyPress::describe(pressed)));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(owner.findChildren<frmAbout *>().isEmpty());
    }

    void closeButtonActsAsOk()
    {
        FakeDesktop fake;
        QWidget owner;
        owner.show();
        whenModal([](QWidget *modal) { modal->close(); });
        frmAbout::showModal(&owner);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(owner.findChildren<frmAbout *>().isEmpty());
        QVERIFY(owner.isVisible());
    }

    void secondOpeningStartsFresh()
    {
        FakeDesktop fake;
        QWidget owner;
        owner.show();
        QPointer<QWidget> first;
        whenModal([&](QWidget *modal) {
            first = modal;
            auto *about = qobject_cast<frmAbout *>(modal);
            // Leave marks that a reused window would still carry.
            about->Label1->setText(QStringLiteral("changed"));
            about->move(about->pos() + QPoint(40, 40));
            about->cmdOK->click();
        });
        frmAbout::showModal(&owner);
        QVERIFY(first.isNull());

        QString text;
        whenModal([&](QWidget *modal) {
            text = qobject_cast<frmAbout *>(modal)->Label1->text();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        frmAbout::showModal(&owner);
        QVERIFY(text.startsWith(QStringLiteral("Pallastro finds")));
    }

    void ownerUsableAgainAfterClosing()
    {
        FakeDesktop fake;
        QWidget owner;
        auto *button = new QPushButton(QStringLiteral("x"), &owner);
        int clicks = 0;
        connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));

        // Clicks go through the window system, where a modal window blocks them.
        const QPoint onButton = button->mapTo(&owner, button->rect().center());
        bool ownerWasModalParent = false;
        whenModal([&](QWidget *modal) {
            ownerWasModalParent = modal->parentWidget() == &owner;
            QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, {}, onButton);
            QTest::keyClick(modal->windowHandle(), Qt::Key_Return);
        });
        frmAbout::showModal(&owner);
        QVERIFY(ownerWasModalParent);
        QCOMPARE(clicks, 0);
        QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, {}, onButton);
        QCOMPARE(clicks, 1);
    }
};

QTEST_MAIN(tst_frmabout)
#include "tst_frmabout.moc"
