// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The input window: its lists, the checks before a reading, the two ways to
// start one, opening a saved reading, the keyboard order, the random front
// label and how the window ends the program or hands over.

#include "tests/common/FakeDesktop.h"
#include "tests/common/KeyPress.h"
#include "tests/common/TestRoot.h"
#include "tests/windows/WindowTestSupport.h"

#include "widgets/LinkLabel.h"
#include "platform/modHelp.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

using namespace WindowTest;

class TestFrmMain : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void loadFillsAndPreselectsLists();
    void listPopupsKeepAHandyHeight_data();
    void listPopupsKeepAHandyHeight();
    void validation_data();
    void validation();
    void proceedByMenuEqualsButton();
    void tabOrderAndFirstFocus();
    void keysOnTheFocusedControl_data();
    void keysOnTheFocusedControl();
    void menuBarShowsFileHelpDonate();
    void coBrandDrawPicksFrontLabel_data();
    void coBrandDrawPicksFrontLabel();
    void closingEndsProgram_data();
    void closingEndsProgram();
    void commandsOpenTheirPages_data();
    void commandsOpenTheirPages();

private:
    struct Entry
    {
        QString name;
        int month;   // position, January = 0
        int day;     // 1..31
        int year;
    };
    static frmMain *openMain();
    static void enter(frmMain *w, const Entry &entry);
};

void TestFrmMain::cleanup() { disposeAll(); }

frmMain *TestFrmMain::openMain()
{
    auto *w = new frmMain(testRoot(), testRoot().dialogs());
    w->show();
    return w;
}

void TestFrmMain::enter(frmMain *w, const Entry &entry)
{
    w->txtName->setText(entry.name);
    w->cboMonth->setCurrentIndex(entry.month);
    w->cboDate->setCurrentIndex(w->cboDate->findText(QString::number(entry.day)));
    w->cboYear->setCurrentIndex(w->cboYear->findText(QString::number(entry.year)));
}

void TestFrmMain::loadFillsAndPreselectsLists()
{
    FakeDesktop fake;
    frmMain *w = openMain();

    QCOMPARE(w->cboMonth->count(), 12);
    QCOMPARE(w->cboMonth->itemText(0), QStringLiteral("January"));
    QCOMPARE(w->cboMonth->itemText(8), QStringLiteral("September"));
    QCOMPARE(w->cboMonth->itemText(11), QStringLiteral("December"));
    QCOMPARE(w->cboDate->count(), 31);
    QCOMPARE(w->cboDate->itemText(0), QStringLiteral("1"));
    QCOMPARE(w->cboDate->itemText(30), QStringLiteral("31"));
    QCOMPARE(w->cboYear->count(), 151);
    QCOMPARE(w->cboYear->itemText(0), QStringLiteral("1900"));
    QCOMPARE(w->cboYear->itemText(150), QStringLiteral("2050"));

    QCOMPARE(w->cboMonth->currentText(), QStringLiteral("January"));
    QCOMPARE(w->cboDate->currentText(), QStringLiteral("1"));
    QCOMPARE(w->cboYear->currentText(), QStringLiteral("1900"));
    QVERIFY(w->txtName->text().isEmpty());
    // Selection only: nothing can be typed into the lists.
    QVERIFY(!w->cboMonth->isEditable() && !w->cboDate->isEditable() && !w->cboYear->isEditable());
    QVERIFY(fake.messages.isEmpty());
}

void TestFrmMain::listPopupsKeepAHandyHeight_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("rows");   // entries the open list shows at once
    QTest::addColumn<bool>("scrolls");

    QTest::newRow("12 months, all shown") << "cboMonth" << 8 << 12 << false;
    QTest::newRow("31 days, the last chosen") << "cboDate" << 30 << 20 << true;
    QTest::newRow("151 years, the first chosen") << "cboYear" << 0 << 20 << true;
    QTest::newRow("151 years, 1980 chosen") << "cboYear" << 80 << 20 << true;
    QTest::newRow("151 years, the last chosen") << "cboYear" << 150 << 20 << true;
}

void TestFrmMain::listPopupsKeepAHandyHeight()
{
    QFETCH(QString, list);
    QFETCH(int, chosen);
    QFETCH(int, rows);
    QFETCH(bool, scrolls);
    FakeDesktop fake;
    frmMain *w = openMain();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto *combo = w->findChild<QComboBox *>(list);
    QVERIFY(combo);
    combo->setCurrentIndex(chosen);

    combo->showPopup();
    QAbstractItemView *view = combo->view();
    QTRY_VERIFY(view->isVisible());
    QCoreApplication::processEvents();

    // Whole entries inside the visible part of the list.
    const QRect visible = view->viewport()->rect();
    int whole = 0;
    for (int row = 0; row < combo->count(); ++row)
        whole += visible.contains(view->visualRect(view->model()->index(row, 0))) ? 1 : 0;
    QCOMPARE(whole, rows);
    // Not a row more in height than those entries and the frame.
    const int rowHeight = view->sizeHintForRow(0);
    QVERIFY2(view->window()->height() < (rows + 1) * rowHeight + 2 * view->frameWidth() + 8,
             qPrintable(QStringLiteral("pop-up %1 px high for rows of %2 px").arg(view->window()->height()).arg(rowHeight)));
    QCOMPARE(view->verticalScrollBar()->isVisible(), scrolls);
    // The entry chosen is in view and is the current one.
    QVERIFY(visible.contains(view->visualRect(view->model()->index(chosen, 0))));
    QCOMPARE(view->currentIndex().row(), chosen);

    combo->hidePopup();
    QTRY_VERIFY(!view->isVisible());
}

void TestFrmMain::validation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message");   // empty: the reading goes on
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("focusToName");

    const int critical = QMessageBox::Critical;
    const int information = QMessageBox::Information;
    const QString noName = QStringLiteral("Please Enter Your Name");
    const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
    const QString thirtyFirst = QStringLiteral("Please Enter Correct Date Or Month !");

    QTest::newRow("empty name") << "" << 0 << 1 << 1980 << noName << critical << true;
    QTest::newRow("blanks only") << "    " << 0 << 1 << 1980 << noName << critical << true;
    QTest::newRow("name checked first") << "" << 3 << 31 << 1980 << noName << critical << true;
    QTest::newRow("blank name before February") << "  " << 1 << 30 << 1901 << noName << critical << true;
    QTest::newRow("digits only pass") << "12345" << 0 << 1 << 1980 << "" << 0 << false;
    QTest::newRow("blanks around a name pass") << "  Ann  " << 0 << 1 << 1980 << "" << 0 << false;

    QTest::newRow("29 Feb 1900 (no century rule)") << "Ann" << 1 << 29 << 1900 << "" << 0 << false;
    QTest::newRow("29 Feb 2000") << "Ann" << 1 << 29 << 2000 << "" << 0 << false;
    QTest::newRow("28 Feb 1901") << "Ann" << 1 << 28 << 1901 << "" << 0 << false;
    QTest::newRow("29 Feb 1901") << "Ann" << 1 << 29 << 1901 << february << information << false;
    QTest::newRow("30 Feb 2000") << "Ann" << 1 << 30 << 2000 << february << information << false;
    QTest::newRow("31 Feb 1980") << "Ann" << 1 << 31 << 1980 << february << information << false;

    QTest::newRow("31 Apr 1980") << "Ann" << 3 << 31 << 1980 << thirtyFirst << information << false;
    QTest::newRow("30 Apr 1980") << "Ann" << 3 << 30 << 1980 << "" << 0 << false;
    QTest::newRow("31 Jun") << "Ann" << 5 << 31 << 2050 << thirtyFirst << information << false;
    QTest::newRow("31 Sep") << "Ann" << 8 << 31 << 1900 << thirtyFirst << information << false;
    QTest::newRow("31 Nov") << "Ann" << 10 << 31 << 1999 << thirtyFirst << information << false;

    const int longMonths[] = {0, 2, 4, 6, 7, 9, 11};
    for (int month : longMonths)
        QTest::addRow("31 of month %d", month + 1) << "Ann" << month << 31 << 1981 << "" << 0 << false;
}

void TestFrmMain::validation()
{
    QFETCH(QString, name);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, year);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(bool, focusToName);

    FakeDesktop fake;
    QPointer<frmMain> w = openMain();
    enter(w, {name, month, day, year});
    w->cmdProceed->setFocus();

    w->cmdProceed_Click();

    if (message.isEmpty()) {
        QVERIFY(fake.messages.isEmpty());
        QVERIFY(onlyOpen<frmGreekNumerologyResult>());
        QVERIFY(!w || !w->isVisible());
        QVERIFY(fake.endedWith.isEmpty());
        return;
    }

    QCOMPARE(fake.messages.size(), 1);
    QCOMPARE(fake.messages[0].text, message);
    QCOMPARE(int(fake.messages[0].icon), icon);
    QCOMPARE(fake.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(fake.messages[0].parentClass, QStringLiteral("frmMain"));
    QCOMPARE(w->focusWidget(), focusToName ? static_cast<QWidget *>(w->txtName)
                                           : static_cast<QWidget *>(w->cmdProceed));
    // The window stays as it was, entries included.
    QVERIFY(w->isVisible());
    QVERIFY(openWindows<frmGreekNumerologyResult>().isEmpty());
    QCOMPARE(w->txtName->text(), name);
    QCOMPARE(w->cboDate->currentText(), QString::number(day));
}

void TestFrmMain::proceedByMenuEqualsButton()
{
    const Entry entry{QStringLiteral("John Smith"), 2, 15, 1980};
    struct Outcome
    {
        qint16 lifePath, destiny;
        QList<qint16> lifePathGods, destinyGods;
        QString lifePathName, destinyName;
    };
    auto run = [&](bool byMenu) {
        FakeDesktop fake;
        QPointer<frmMain> w = openMain();
        enter(w, entry);
        if (byMenu)
            w->mnuProceed->trigger();
        else
            QTest::mouseClick(w->cmdProceed, Qt::LeftButton);
        auto *result = onlyOpen<frmGreekNumerologyResult>();
        [&] {
            QVERIFY(result);
            QVERIFY(!w || !w->isVisible());
            QVERIFY(fake.endedWith.isEmpty());
            QVERIFY(fake.messages.isEmpty());
        }();
        Outcome o{modGreekNumerology::LifePathNumber, modGreekNumerology::DestinyNumber,
                  modGreekNumerology::LifePathGods, modGreekNumerology::DestinyGods,
                  result ? result->lblLP[1]->text() : QString(), result ? result->lblD[1]->text() : QString()};
        disposeAll();
        return o;
    };

    const Outcome button = run(false);
    if (QTest::currentTestFailed())
        return;
    const Outcome menu = run(true);
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(menu.lifePath, button.lifePath);
    QCOMPARE(menu.destiny, button.destiny);
    QCOMPARE(menu.lifePathGods, button.lifePathGods);
    QCOMPARE(menu.destinyGods, button.destinyGods);
    QCOMPARE(menu.lifePathName, button.lifePathName);
    QCOMPARE(menu.destinyName, button.destinyName);
    // And both are the reading of that entry, not some leftover.
    QCOMPARE(button.lifePath, modGreekNumerology::computeLifePath(15, 2, 1980));
    QCOMPARE(button.destiny, modGreekNumerology::computeDestiny(entry.name));
    QVERIFY(!button.lifePathName.isEmpty());
}

void TestFrmMain::tabOrderAndFirstFocus()
{
    FakeDesktop fake;
    frmMain *w = openMain();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget(), w->txtName);

    const QList<QWidget *> expected = {w->cboMonth, w->cboDate, w->cboYear, w->cmdProceed, w->cmdOpen, w->txtName};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestFrmMain::keysOnTheFocusedControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("outcome");

    const int enter = Qt::Key_Return;
    const int keypadEnter = Qt::Key_Enter;
    const int space = Qt::Key_Space;
    // A button takes Enter, the keypad's Enter and Space alike.
    QTest::newRow("Get, Enter") << "cmdProceed" << "John Smith" << enter << "reading";
    QTest::newRow("Get, keypad Enter") << "cmdProceed" << "John Smith" << keypadEnter << "reading";
    QTest::newRow("Get, Space") << "cmdProceed" << "John Smith" << space << "reading";
    QTest::newRow("Get without a name, Enter") << "cmdProceed" << "" << enter << "no name";
    QTest::newRow("Open, Enter") << "cmdOpen" << "" << enter << "open dialog";
    QTest::newRow("Open, keypad Enter") << "cmdOpen" << "" << keypadEnter << "open dialog";
    QTest::newRow("Open, Space") << "cmdOpen" << "" << space << "open dialog";
    // The entry fields keep Enter as they had it: it does nothing.
    QTest::newRow("Name box, Enter") << "txtName" << "John Smith" << enter << "nothing";
    QTest::newRow("Name box, keypad Enter") << "txtName" << "John Smith" << keypadEnter << "nothing";
    QTest::newRow("month list, Enter") << "cboMonth" << "John Smith" << enter << "nothing";
    QTest::newRow("day list, Enter") << "cboDate" << "John Smith" << enter << "nothing";
    QTest::newRow("year list, keypad Enter") << "cboYear" << "John Smith" << keypadEnter << "nothing";
}

void TestFrmMain::keysOnTheFocusedControl()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(QString, outcome);

    FakeDesktop fake;
    QPointer<frmMain> w = openMain();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    enter(w, {name, 2, 15, 1980});
    auto *target = w->findChild<QWidget *>(control);
    QVERIFY(target);
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), target);

    const KeyPress::Outcome pressed = KeyPress::pressAndRelease(target, Qt::Key(key));

    if (qobject_cast<QPushButton *>(target))
        QVERIFY2(KeyPress::pressedLikeSpace(pressed), qPrintable(KeyPress::describe(pressed)));
    if (outcome == QLatin1String("reading")) {
        QVERIFY(onlyOpen<frmGreekNumerologyResult>());
        QVERIFY(!w || !w->isVisible());
        QVERIFY(fake.messages.isEmpty());
        QCOMPARE(modGreekNumerology::LifePathNumber, modGreekNumerology::computeLifePath(15, 2, 1980));
        return;
    }
    QVERIFY(w && w->isVisible());
    QVERIFY(openWindows<frmGreekNumerologyResult>().isEmpty());
    if (outcome == QLatin1String("no name")) {
        QCOMPARE(fake.messageTexts(), QStringList{QStringLiteral("Please Enter Your Name")});
    } else if (outcome == QLatin1String("open dialog")) {
        QCOMPARE(fake.fileRequests.size(), 1);
        QCOMPARE(fake.fileRequests[0].mode, FileDialogRequest::Mode::Open);
        QVERIFY(fake.messages.isEmpty());
    } else {
        QCOMPARE(outcome, QStringLiteral("nothing"));
        QVERIFY(fake.messages.isEmpty());
        QVERIFY(fake.fileRequests.isEmpty());
        QCOMPARE(QApplication::focusWidget(), target);
        QCOMPARE(w->txtName->text(), name);
        QCOMPARE(w->cboMonth->currentIndex(), 2);
        QCOMPARE(w->cboDate->currentText(), QStringLiteral("15"));
        QCOMPARE(w->cboYear->currentText(), QStringLiteral("1980"));
        for (QComboBox *list : {w->cboMonth, w->cboDate, w->cboYear})
            QVERIFY(!list->view()->isVisible());
    }
}

void TestFrmMain::menuBarShowsFileHelpDonate()
{
    FakeDesktop fake;
    frmMain *w = openMain();

    QStringList shown;
    for (QAction *a : w->menuBar()->actions())
        if (a->isVisible())
            shown << a->text();
    QCOMPARE(shown, (QStringList{"&File", "&Help", "&Donate"}));
    QVERIFY(!w->mnuDonate->menu());
    QVERIFY(!w->mnuMakeMoney->isVisible());
    QVERIFY(!w->mnuMakeMoney->isEnabled());
    // Off the bar while hidden, so that assistive technology does not count
    // it; a branded build that shows it finds it after Donate.
    QVERIFY(!w->menuBar()->actions().contains(w->mnuMakeMoney));
    w->mnuMakeMoney->setVisible(true);
    QCOMPARE(w->menuBar()->actions().last(), w->mnuMakeMoney);
    w->mnuMakeMoney->setVisible(false);
    QVERIFY(!w->menuBar()->actions().contains(w->mnuMakeMoney));
}

void TestFrmMain::coBrandDrawPicksFrontLabel_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<bool>("coBrandInFrontBefore");
    QTest::addColumn<QString>("front");

    QTest::newRow("1 -> co-brand") << 0.0f << false << "lblCobrand";
    QTest::newRow("2 -> full brand") << 0.25f << true << "lblFullBrand";
    QTest::newRow("3 -> co-brand") << 0.4f << false << "lblCobrand";
    QTest::newRow("4 -> full brand") << 0.5f << true << "lblFullBrand";
    QTest::newRow("5 -> co-brand") << 0.6f << false << "lblCobrand";
    QTest::newRow("6 -> full brand") << 0.75f << true << "lblFullBrand";
    QTest::newRow("7 leaves the designed order") << 0.95f << false << "lblFullBrand";
    QTest::newRow("7 changes nothing") << 0.95f << true << "lblCobrand";
}

void TestFrmMain::coBrandDrawPicksFrontLabel()
{
    QFETCH(float, draw);
    QFETCH(bool, coBrandInFrontBefore);
    QFETCH(QString, front);

    FakeDesktop fake;
    frmMain *w = openMain();
    const QPoint overlap = w->lblCobrand->geometry().center();
    QCOMPARE(w->fraFullBrand->childAt(overlap)->objectName(), QStringLiteral("lblFullBrand"));
    if (coBrandInFrontBefore)
        w->lblCobrand->raise();

    w->CoBrand_Randomize(draw);

    QCOMPARE(w->fraFullBrand->childAt(overlap)->objectName(), front);
}

void TestFrmMain::closingEndsProgram_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("title bar") << false;
    QTest::newRow("File, Exit") << true;
}

void TestFrmMain::closingEndsProgram()
{
    QFETCH(bool, byMenu);
    FakeDesktop fake;
    QPointer<frmMain> w = openMain();

    if (byMenu)
        w->mnuExit->trigger();
    else
        QVERIFY(w->close());

    QCOMPARE(fake.endedWith, QList<int>{0});
    QVERIFY(fake.messages.isEmpty());
    QVERIFY(openWindows<frmGreekNumerologyResult>().isEmpty());
}

void TestFrmMain::commandsOpenTheirPages_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");

    QTest::newRow("Label61") << "Label61" << modHelp::homePageAddress();
    QTest::newRow("lblCobrand") << "lblCobrand" << modHelp::coBrandPageAddress();
    QTest::newRow("lblFullBrand") << "lblFullBrand" << modHelp::fullBrandPageAddress();
    QTest::newRow("mnuOnline") << "mnuOnline" << modHelp::onlineHelpAddress();
    QTest::newRow("mnuVisit") << "mnuVisit" << modHelp::homePageAddress();
    QTest::newRow("mnuUpdate") << "mnuUpdate" << modHelp::downloadPageAddress();
    QTest::newRow("mnuDonate") << "mnuDonate" << modHelp::donatePageAddress();
}

void TestFrmMain::commandsOpenTheirPages()
{
    QFETCH(QString, control);
    QFETCH(QString, address);

    FakeDesktop fake;
    frmMain *w = openMain();
    if (auto *link = w->findChild<LinkLabel *>(control)) {
        link->raise();
        QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    } else {
        auto *action = w->findChild<QAction *>(control);
        QVERIFY(action);
        action->trigger();
    }

    QCOMPARE(fake.openedUrls, QList<QUrl>{QUrl(address)});
    QVERIFY(w->isVisible());
    QVERIFY(fake.messages.isEmpty());
}

PALLASTRO_WINDOW_TEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
