// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The result window: what each side shows, stepping through the gods with
// the end-of-list messages, the side without gods, Back and a new reading,
// Print (the whole reading onto the printer the dialog gives, or nothing at
// all when the dialog is cancelled), saving, the keyboard order and how the
// window ends the program.

#include "tests/common/FakeDesktop.h"
#include "tests/common/KeyPress.h"
#include "tests/common/TestRoot.h"
#include "tests/windows/WindowTestSupport.h"

#include "core/ReadingFile.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTextLayout>

using namespace WindowTest;
namespace gn = modGreekNumerology;

namespace {

// The news the window has told assistive technology: the names of the
// notifications among its objects. None are drawn, and none lie in the tree
// a screen reader reviews; each is read out as it is told.
QStringList toldNews(QWidget *window)
{
    QStringList news;
    for (QObject *object : window->findChildren<QObject *>()) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
        if (!iface || iface->role() != QAccessible::Notification)
            continue;
        if (!iface->text(QAccessible::Name).isEmpty())
            news << iface->text(QAccessible::Name);
        // Under the window, never shown on it.
        if (!iface->parent() || iface->parent()->object() != window || !iface->state().invisible)
            news << QStringLiteral("(a notification out of place)");
    }
    return news;
}

} // namespace

class TestFrmResult : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void opensWithNumbersAndFirstGods();
    void lifePathSixWalksFiveGods();
    void sevenStopsAtLastRecordAndBack();
    void firstRecordPullsBackToZero();
    void nineKeepsAphroditePortrait();
    void oneGodNeverChanges();
    void sidesStepIndependently_data();
    void sidesStepIndependently();
    void sideWithoutGods_data();
    void sideWithoutGods();
    void captionsSayHowTheNumbersWereReached_data();
    void captionsSayHowTheNumbersWereReached();
    void backAndNewReadingStartAtFirstGods_data();
    void backAndNewReadingStartAtFirstGods();
    void printCancelledChangesNothing();
    void printPrintsTheWholeReading_data();
    void printPrintsTheWholeReading();
    void printWithoutAPrinterSaysSo();
    void printThatFailsSaysSo();
    void mythologyBoxesReadOnlyFocusableScrollable();
    void descriptionShowsWholeLines_data();
    void descriptionShowsWholeLines();
    void tabOrderAndFirstFocus();
    void keysOnTheFocusedControl_data();
    void keysOnTheFocusedControl();
    void windowCanMinimizeNotMaximize();
    void closingEndsProgram_data();
    void closingEndsProgram();

private:
    static frmGreekNumerologyResult *openReading(qint16 lifePath, qint16 destiny);
    struct SideView
    {
        QString number, name, description, interpretation;
        QImage portrait;
        friend bool operator==(const SideView &, const SideView &) = default;
    };
    static SideView lifePathView(const frmGreekNumerologyResult *w);
    static SideView destinyView(const frmGreekNumerologyResult *w);
};

void TestFrmResult::cleanup() { disposeAll(); }

frmGreekNumerologyResult *TestFrmResult::openReading(qint16 lifePath, qint16 destiny)
{
    gn::LifePathNumber = lifePath;
    gn::DestinyNumber = destiny;
    auto *w = new frmGreekNumerologyResult(testRoot(), testRoot().dialogs());
    w->show();
    return w;
}

TestFrmResult::SideView TestFrmResult::lifePathView(const frmGreekNumerologyResult *w)
{
    return {w->lblLP[0]->text(), w->lblLP[1]->text(), w->txtLP->toPlainText(), w->lblLP[2]->text(),
            shownPicture(w->imgLP)};
}

TestFrmResult::SideView TestFrmResult::destinyView(const frmGreekNumerologyResult *w)
{
    return {w->lblD[0]->text(), w->lblD[1]->text(), w->txtD->toPlainText(), w->lblD[2]->text(),
            shownPicture(w->imgD)};
}

void TestFrmResult::opensWithNumbersAndFirstGods()
{
    FakeDesktop fake;
    auto *w = openReading(7, 3);

    QCOMPARE(w->lblLP[0]->text(), QStringLiteral("Greek Numerology Life Path Number is 7"));
    QCOMPARE(w->lblD[0]->text(), QStringLiteral("Greek Numerology Destiny Number is 3"));
    QCOMPARE(w->lblLP[4]->text(), QStringLiteral("Greek Numerology Life Path Goddess(es)"));
    QCOMPARE(w->lblD[3]->text(), QStringLiteral("Greek Numerology Destiny Goddess(es)"));
    QCOMPARE(w->lblLP[3], nullptr);

    QCOMPARE(w->lblLP[1]->text(), QStringLiteral("HEPHAESTUS"));
    QVERIFY(w->txtLP->toPlainText().startsWith(QStringLiteral("He is the son of Hera, born out of hatred for Zeus.")));
    QVERIFY(w->lblLP[2]->text().startsWith(
        QStringLiteral("You will analyze the events that may occur in the future")));
    QCOMPARE(shownPicture(w->imgLP), portraitAt120(12));

    QCOMPARE(w->lblD[1]->text(), QStringLiteral("HERMES"));
    QVERIFY(w->txtD->toPlainText().startsWith(QStringLiteral("He is the son of Zeus and Maia.")));
    QCOMPARE(w->lblD[2]->text(), gn::interpretationOf(3));
    QCOMPARE(shownPicture(w->imgD), portraitAt120(4));

    QVERIFY(fake.messages.isEmpty());
}

void TestFrmResult::lifePathSixWalksFiveGods()
{
    FakeDesktop fake;
    auto *w = openReading(6, 1);

    const QStringList names = {"ZEUS", "POSEIDON", "HADES", "DEMETER", "HESTIA"};
    for (int i = 0; i < names.size(); ++i) {
        if (i > 0)
            QTest::mouseClick(w->cmdNextLP, Qt::LeftButton);
        QCOMPARE(w->lblLP[1]->text(), names[i]);
        QCOMPARE(shownPicture(w->imgLP), portraitAt120(7 + i));
        QCOMPARE(int(frmGreekNumerologyResult::LifePathPosition), i);
    }
    QVERIFY(fake.messages.isEmpty());

    // Hestia's portrait is the GIF entry; it must still show a picture.
    QVERIFY(!shownPicture(w->imgLP).isNull());
}

void TestFrmResult::sevenStopsAtLastRecordAndBack()
{
    FakeDesktop fake;
    auto *w = openReading(7, 7);

    w->cmdNextLP_Click();
    QCOMPARE(w->lblLP[1]->text(), QStringLiteral("PROMETHEUS"));
    QCOMPARE(shownPicture(w->imgLP), portraitAt120(13));
    const SideView atLast = lifePathView(w);

    w->cmdNextLP_Click();
    QCOMPARE(fake.messageTexts(), QStringList{QStringLiteral("You are at the last record")});
    QCOMPARE(fake.messages[0].icon, QMessageBox::Critical);
    QCOMPARE(fake.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(fake.messages[0].parentClass, QStringLiteral("frmGreekNumerologyResult"));
    QVERIFY(lifePathView(w) == atLast);
    QCOMPARE(int(frmGreekNumerologyResult::LifePathPosition), 1);

    w->cmdBackLP_Click();
    QCOMPARE(w->lblLP[1]->text(), QStringLiteral("HEPHAESTUS"));
    QCOMPARE(shownPicture(w->imgLP), portraitAt120(12));
    QCOMPARE(fake.messages.size(), 1);
}

void TestFrmResult::firstRecordPullsBackToZero()
{
    FakeDesktop fake;
    auto *w = openReading(1, 2);
    const SideView before = destinyView(w);

    w->cmdBackD_Click();
    QCOMPARE(fake.messageTexts(), QStringList{QStringLiteral("You are at the first record")});
    QCOMPARE(fake.messages[0].icon, QMessageBox::Critical);
    QVERIFY(destinyView(w) == before);

    // Pulled back to the first god, not left before it.
    w->cmdNextD_Click();
    QCOMPARE(w->lblD[1]->text(), QStringLiteral("HECATE"));
    QCOMPARE(fake.messages.size(), 1);
}

void TestFrmResult::nineKeepsAphroditePortrait()
{
    FakeDesktop fake;
    auto *w = openReading(9, 9);
    QCOMPARE(w->lblD[1]->text(), QStringLiteral("APHRODITE"));
    const QImage aphrodite = shownPicture(w->imgD);
    QCOMPARE(aphrodite, portraitAt120(16));

    w->cmdNextD_Click();
    QCOMPARE(w->lblD[1]->text(), QStringLiteral("APHRODITE PANDEMOS"));
    QVERIFY(w->txtD->toPlainText().startsWith(QStringLiteral("She is the daughter of Zeus and Dione.")));
    QCOMPARE(shownPicture(w->imgD), aphrodite);
    QVERIFY(fake.messages.isEmpty());
}

void TestFrmResult::oneGodNeverChanges()
{
    FakeDesktop fake;
    auto *w = openReading(4, 5);
    const SideView before = lifePathView(w);
    QCOMPARE(before.name, QStringLiteral("HERA"));

    w->cmdNextLP_Click();
    w->cmdBackLP_Click();
    w->cmdBackLP_Click();
    w->cmdNextLP_Click();

    QCOMPARE(fake.messageTexts(),
             (QStringList{"You are at the last record", "You are at the first record", "You are at the first record",
                          "You are at the last record"}));
    QVERIFY(lifePathView(w) == before);
}

void TestFrmResult::sidesStepIndependently_data()
{
    QTest::addColumn<bool>("stepLifePath");
    QTest::newRow("Life Path steps") << true;
    QTest::newRow("Destiny steps") << false;
}

void TestFrmResult::sidesStepIndependently()
{
    QFETCH(bool, stepLifePath);
    FakeDesktop fake;
    auto *w = openReading(6, 6);
    const SideView otherBefore = stepLifePath ? destinyView(w) : lifePathView(w);

    for (int i = 0; i < 3; ++i)
        stepLifePath ? w->cmdNextLP_Click() : w->cmdNextD_Click();

    const SideView stepped = stepLifePath ? lifePathView(w) : destinyView(w);
    QCOMPARE(stepped.name, QStringLiteral("DEMETER"));
    QVERIFY((stepLifePath ? destinyView(w) : lifePathView(w)) == otherBefore);
    QCOMPARE(int(stepLifePath ? frmGreekNumerologyResult::DestinyPosition
                              : frmGreekNumerologyResult::LifePathPosition),
             0);
}

void TestFrmResult::sideWithoutGods_data()
{
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<int>("destiny");
    QTest::addColumn<bool>("emptyIsLifePath");

    QTest::newRow("Destiny 0 (name without letters)") << 8 << 0 << false;
    QTest::newRow("Destiny 10 from a file") << 8 << 10 << false;
    QTest::newRow("Life Path -3 from a file") << -3 << 2 << true;
    QTest::newRow("Life Path 32767 from a file") << 32767 << 2 << true;
}

void TestFrmResult::sideWithoutGods()
{
    QFETCH(int, lifePath);
    QFETCH(int, destiny);
    QFETCH(bool, emptyIsLifePath);

    FakeDesktop fake;
    auto *w = openReading(qint16(lifePath), qint16(destiny));
    auto view = [&] { return emptyIsLifePath ? lifePathView(w) : destinyView(w); };
    auto otherView = [&] { return emptyIsLifePath ? destinyView(w) : lifePathView(w); };

    const SideView empty = view();
    QVERIFY(empty.number.endsWith(QStringLiteral(" is ") + QString::number(emptyIsLifePath ? lifePath : destiny)));
    QVERIFY(empty.name.isEmpty());
    QVERIFY(empty.description.isEmpty());
    QVERIFY(empty.interpretation.isEmpty());
    QVERIFY(empty.portrait.isNull());
    QVERIFY(fake.messages.isEmpty());
    // The other side is a normal one.
    QVERIFY(!otherView().name.isEmpty());
    QVERIFY(!otherView().portrait.isNull());

    emptyIsLifePath ? w->cmdNextLP_Click() : w->cmdNextD_Click();
    emptyIsLifePath ? w->cmdBackLP_Click() : w->cmdBackD_Click();
    emptyIsLifePath ? w->cmdBackLP_Click() : w->cmdBackD_Click();
    emptyIsLifePath ? w->cmdNextLP_Click() : w->cmdNextD_Click();

    QCOMPARE(fake.messageTexts(),
             (QStringList{"You are at the last record", "You are at the first record", "You are at the first record",
                          "You are at the last record"}));
    QVERIFY(view() == empty);
    QCOMPARE(int(emptyIsLifePath ? frmGreekNumerologyResult::LifePathPosition
                                 : frmGreekNumerologyResult::DestinyPosition),
             0);
}

void TestFrmResult::captionsSayHowTheNumbersWereReached_data()
{
    QTest::addColumn<QString>("name");   // null: a reading opened from a saved file
    QTest::addColumn<QDate>("born");
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<int>("destiny");
    // Each number line's tool tip, line by line; its description is the
    // same text on one line.
    QTest::addColumn<QStringList>("lifePathTip");
    QTest::addColumn<QStringList>("destinyTip");

    const QString opened;
    const QStringList onlyTheNumber{"Opened from a saved file, which keeps only the number:",
                                    "how it was reached is not known."};
    const QStringList noGodsFor0{"The number 0 has no interpretation and no gods: only the",
                                 "numbers 1 to 9 have them."};
    const QStringList noGodsFor10{"The number 10 has no interpretation and no gods: only",
                                  "the numbers 1 to 9 have them."};
    QTest::newRow("a reading made here: the working")
        << "John Smith" << QDate(1980, 3, 15) << 9 << 8
        << QStringList{"15 + 3 + 1980 = 1998 \u2192 1+9+9+8 = 27 \u2192 2+7 = 9"}
        << QStringList{"1+6+8+5 + 1+4+9+2+8 = 44 \u2192 4+4 = 8"};
    QTest::newRow("a long name: lines break between whole steps")
        << "Maria Elena Sofia Helena Andrea Lucia Marina Teresa" << QDate(1987, 12, 28) << 2 << 9
        << QStringList{"28 + 12 + 1987 = 2027 \u2192 2+0+2+7 = 11 \u2192 1+1 = 2"}
        << QStringList{"4+1+9+9+1 + 5+3+5+5+1 + 1+6+6+9+1 + 8+5+3+5+5+1 +",
                       "1+5+4+9+5+1 + 3+3+3+9+1 + 4+1+9+9+5+1 +",
                       "2+5+9+5+1+1 = 189 \u2192 1+8+9 = 18 \u2192 1+8 = 9"};
    QTest::newRow("a reading opened from a file: only the numbers are known")
        << opened << QDate() << 7 << 3 << onlyTheNumber << onlyTheNumber;
    QTest::newRow("Destiny 0 from a name without letters: why")
        << "123" << QDate(1900, 1, 1) << 3 << 0
        << QStringList{"1 + 1 + 1900 = 1902 \u2192 1+9+0+2 = 12 \u2192 1+2 = 3"}
        << QStringList{"no letter from A to Z in the name, so 0"} + noGodsFor0;
    QTest::newRow("Destiny 0 opened from a file: why")
        << opened << QDate() << 4 << 0 << onlyTheNumber
        << QStringList{"Opened from a saved file, which keeps only the number:",
                       "how it was reached is not known. A Destiny of 0 means no",
                       "letter from A to Z in the name."}
               + noGodsFor0;
    QTest::newRow("a file's 10: no gods, and why")
        << opened << QDate() << 10 << 2 << onlyTheNumber + noGodsFor10 << onlyTheNumber;
}

void TestFrmResult::captionsSayHowTheNumbersWereReached()
{
    QFETCH(QString, name);
    QFETCH(QDate, born);
    QFETCH(int, lifePath);
    QFETCH(int, destiny);
    QFETCH(QStringList, lifePathTip);
    QFETCH(QStringList, destinyTip);

    FakeDesktop fake;
    if (name.isNull()) {
        gn::forgetReadingDetails();
        gn::LifePathNumber = qint16(lifePath);
        gn::DestinyNumber = qint16(destiny);
    } else {
        gn::ComputeNumbers(name, qint16(born.day()), qint16(born.month() - 1), qint16(born.year()));
        QCOMPARE(int(gn::LifePathNumber), lifePath);
        QCOMPARE(int(gn::DestinyNumber), destiny);
    }
    auto *w = new frmGreekNumerologyResult(testRoot(), testRoot().dialogs());
    w->show();
    const QRect lifePathCaption = w->lblLP[0]->geometry();
    const QRect destinyCaption = w->lblD[0]->geometry();

    for (const auto &[caption, tip] : {std::pair{w->lblLP[0], lifePathTip}, std::pair{w->lblD[0], destinyTip}}) {
        QCOMPARE(caption->toolTip(), tip.join(QLatin1Char('\n')));
        QVERIFY(!Qt::mightBeRichText(caption->toolTip()));
        // What a screen reader finds: the same words, on one line.
        QCOMPARE(caption->accessibleDescription(), tip.join(QLatin1Char(' ')));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(caption);
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Description), tip.join(QLatin1Char(' ')));
    }
    // The number lines themselves say what they said, where they said it.
    QCOMPARE(w->lblLP[0]->text(), QStringLiteral("Greek Numerology Life Path Number is %1").arg(lifePath));
    QCOMPARE(w->lblD[0]->text(), QStringLiteral("Greek Numerology Destiny Number is %1").arg(destiny));
    QCOMPARE(w->lblLP[0]->geometry(), lifePathCaption);
    QCOMPARE(w->lblD[0]->geometry(), destinyCaption);
    QVERIFY(fake.messages.isEmpty());
}

void TestFrmResult::backAndNewReadingStartAtFirstGods_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("Back button") << false;
    QTest::newRow("File, Back") << true;
}

void TestFrmResult::backAndNewReadingStartAtFirstGods()
{
    QFETCH(bool, byMenu);
    FakeDesktop fake;
    QPointer<frmGreekNumerologyResult> w = openReading(6, 8);
    w->cmdNextLP_Click();
    w->cmdNextLP_Click();
    w->cmdNextD_Click();

    byMenu ? w->mnuBack->trigger() : w->cmdBack->click();

    QVERIFY(fake.endedWith.isEmpty());
    QVERIFY(!w || !w->isVisible());
    QVERIFY(openWindows<frmGreekNumerologyResult>().isEmpty());
    QVERIFY(gn::LifePathGods.isEmpty());
    QVERIFY(gn::DestinyGods.isEmpty());
    QCOMPARE(int(frmGreekNumerologyResult::LifePathPosition), 0);
    QCOMPARE(int(frmGreekNumerologyResult::DestinyPosition), 0);

    // A freshly loaded, empty main window.
    frmMain *main = onlyOpen<frmMain>();
    QVERIFY(main);
    QVERIFY(main->txtName->text().isEmpty());
    QCOMPARE(main->cboMonth->currentIndex(), 0);
    QCOMPARE(main->cboDate->currentIndex(), 0);
    QCOMPARE(main->cboYear->currentIndex(), 0);

    // A new reading of the same numbers starts both sides from the top.
    main->txtName->setText(QStringLiteral("Ann"));
    main->cmdProceed_Click();
    auto *again = onlyOpen<frmGreekNumerologyResult>();
    QVERIFY(again);
    QVERIFY(fake.endedWith.isEmpty());
    QCOMPARE(again->lblLP[1]->text(), gn::GodNames[gn::LifePathGods.at(0)].toUpper());
    QCOMPARE(again->lblD[1]->text(), gn::GodNames[gn::DestinyGods.at(0)].toUpper());
}

void TestFrmResult::printCancelledChangesNothing()
{
    FakeDesktop fake;
    auto *w = openReading(6, 9);
    w->cmdNextLP_Click();
    const SideView lifePath = lifePathView(w);
    const SideView destiny = destinyView(w);
    // The hidden button stays hidden; the menu entry keeps its place and text.
    QVERIFY(w->cmdPrint->isHidden());
    QCOMPARE(w->mnuFile->actions().constFirst(), w->mnuPrint);
    QCOMPARE(w->mnuPrint->text(), QStringLiteral("&Print"));

    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->mnuPrint->trigger();
    QCoreApplication::processEvents();

    // The dialog was asked, for the whole reading, and cancelled.
    QCOMPARE(fake.printRequests.size(), 1);
    QCOMPARE(fake.printRequests.constFirst().spokenTitle, QStringLiteral("Pallastro: Print this reading"));
    QVERIFY(fake.printRequests.constFirst().pageCount >= 1);
    QVERIFY(lifePathView(w) == lifePath);
    QVERIFY(destinyView(w) == destiny);
    QCOMPARE(int(frmGreekNumerologyResult::LifePathPosition), 1);
    QCOMPARE(gn::LifePathNumber, qint16(6));
    QCOMPARE(gn::DestinyNumber, qint16(9));
    QVERIFY(fake.messages.isEmpty());
    QVERIFY(fake.fileRequests.isEmpty());
    QVERIFY(fake.endedWith.isEmpty());
    QCOMPARE(onlyOpen<frmGreekNumerologyResult>(), w);
    // Nothing printed, nothing said.
    QCOMPARE(toldNews(w), QStringList());
}

void TestFrmResult::printPrintsTheWholeReading_data()
{
    QTest::addColumn<bool>("opened");
    QTest::newRow("a reading made in this run: the person and the working") << false;
    QTest::newRow("a reading opened from a file: the numbers only") << true;
}

void TestFrmResult::printPrintsTheWholeReading()
{
    QFETCH(bool, opened);
    FakeDesktop fake;
    QTemporaryDir folder;
    frmMain *main = testRoot().showFreshMain();
    main->txtName->setText(QStringLiteral("John Smith"));
    main->cboMonth->setCurrentIndex(2);
    main->cboDate->setCurrentIndex(14);
    main->cboYear->setCurrentIndex(80);
    main->cmdProceed_Click();
    if (opened) {
        // Back, then a saved reading of other numbers: John Smith's name and
        // date must not be printed with them.
        onlyOpen<frmGreekNumerologyResult>()->cmdBack_Click();
        const QString saved = folder.filePath(QStringLiteral("seven-three.grn"));
        QVERIFY(ReadingFile::write(saved, {7, 3}));
        QVERIFY(onlyOpen<frmMain>()->openReading(saved));
        QVERIFY(!gn::ReadingDetails);
    } else {
        QVERIFY(gn::ReadingDetails);
        QCOMPARE(gn::ReadingDetails->name, QStringLiteral("John Smith"));
    }
    auto *w = onlyOpen<frmGreekNumerologyResult>();
    QVERIFY(w);

    const QString pdf = folder.filePath(QStringLiteral("reading.pdf"));
    fake.printAnswers.enqueue(pdf);
    w->mnuPrint->trigger();

    QVERIFY2(fake.messages.isEmpty(), qPrintable(fake.messageTexts().join(QLatin1Char('\n'))));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(5), QByteArray("%PDF-"));
    QCOMPARE(onlyOpen<frmGreekNumerologyResult>(), w);
    // A screen reader hears that the pages went out, and where.
    QTRY_COMPARE(toldNews(w), QStringList{QStringLiteral("Reading printed to reading.pdf")});
#ifndef Q_OS_WIN
    // Every god of both sides, not only the two on screen; the person only
    // where the reading was made here. (tests/print checks the pages fully,
    // on both systems.)
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QString pages = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    const QStringList gods = opened ? QStringList{QStringLiteral("Hephaestus"), QStringLiteral("Prometheus"),
                                                  QStringLiteral("Hermes")}
                                    : QStringList{QStringLiteral("Aphrodite"), QStringLiteral("Aphrodite Pandemos"),
                                                  QStringLiteral("Apollo"), QStringLiteral("Dionysus")};
    for (const QString &god : gods)
        QVERIFY2(pages.contains(god), qPrintable(god + QStringLiteral(" is not printed")));
    QCOMPARE(pages.contains(QStringLiteral("John Smith")), !opened);
    QCOMPARE(pages.contains(QStringLiteral("15 + 3 + 1980 = 1998")), !opened);
#endif
}

void TestFrmResult::printWithoutAPrinterSaysSo()
{
    FakeDesktop fake;
    fake.noPrinter = true;
    auto *w = openReading(1, 2);
    w->mnuPrint->trigger();
    QCOMPARE(fake.messages.size(), 1);
    QCOMPARE(fake.messages.constFirst().icon, QMessageBox::Critical);
    QVERIFY(fake.messages.constFirst().text.startsWith(QStringLiteral("There is no printer to print on.")));
    QCOMPARE(onlyOpen<frmGreekNumerologyResult>(), w);
}

void TestFrmResult::printThatFailsSaysSo()
{
    FakeDesktop fake;
    QTemporaryDir folder;
    auto *w = openReading(1, 2);
    fake.printAnswers.enqueue(folder.filePath(QStringLiteral("no such folder/reading.pdf")));
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    w->mnuPrint->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(fake.messageTexts(), QStringList{QStringLiteral("The reading could not be printed.")});
    QCOMPARE(toldNews(w), QStringList());
}

void TestFrmResult::mythologyBoxesReadOnlyFocusableScrollable()
{
    FakeDesktop fake;
    auto *w = openReading(6, 6);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));

    for (QPlainTextEdit *box : {w->txtLP, w->txtD}) {
        const QString before = box->toPlainText();
        box->setFocus();
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClicks(box, QStringLiteral("xyz"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->toPlainText(), before);
        QVERIFY(box->verticalScrollBar()->isVisible());
    }
}

void TestFrmResult::descriptionShowsWholeLines_data()
{
    QTest::addColumn<int>("god");
    for (int p = 0; p < gn::CatalogueSize; ++p)
        if (!gn::GodNames[p].isEmpty())
            QTest::newRow(qPrintable(gn::GodNames[p])) << p;
}

// The box must never show the top sliver of a line it cannot show whole,
// and its scroll bar handle must say how much of the text is in view and
// where, at the top and at the end alike.
void TestFrmResult::descriptionShowsWholeLines()
{
    QFETCH(int, god);
    FakeDesktop fake;
    auto *w = openReading(1, 1);
    QVERIFY(QTest::qWaitForWindowExposed(w));

    for (QPlainTextEdit *box : {w->txtLP, w->txtD}) {
        box->setPlainText(gn::GodDescriptions[god]);
        QCoreApplication::processEvents();

        QTextLayout probe(QStringLiteral("Xg"), box->font());
        probe.beginLayout();
        QTextLine first = probe.createLine();
        first.setLineWidth(1000);
        const qreal line = first.height();
        probe.endLayout();
        const qreal textHeight = box->viewport()->height() - box->document()->documentMargin();
        const int shown = int(textHeight / line);
        QVERIFY2(shown >= 3, qPrintable(QString::number(shown)));
        const qreal sliver = textHeight - shown * line;
        QVERIFY2(sliver < 1.0, qPrintable(QStringLiteral("%1 px of a further line").arg(sliver)));

        QScrollBar *bar = box->verticalScrollBar();
        if (bar->maximum() == 0)
            continue;   // short enough to need no scrolling
        auto handle = [bar](int value) {
            QStyleOptionSlider option;
            option.initFrom(bar);
            option.subControls = QStyle::SC_All;
            option.orientation = bar->orientation();
            option.minimum = bar->minimum();
            option.maximum = bar->maximum();
            option.pageStep = bar->pageStep();
            option.singleStep = bar->singleStep();
            option.sliderPosition = option.sliderValue = value;
            return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
        };
        QStyleOptionSlider grooveOption;
        grooveOption.initFrom(bar);
        grooveOption.orientation = bar->orientation();
        grooveOption.maximum = bar->maximum();
        grooveOption.pageStep = bar->pageStep();
        const QRect groove = bar->style()->subControlRect(QStyle::CC_ScrollBar, &grooveOption,
                                                          QStyle::SC_ScrollBarGroove, bar);
        const QRect top = handle(bar->minimum());
        const QRect end = handle(bar->maximum());
        QVERIFY2(top.height() < groove.height(),
                 qPrintable(QStringLiteral("handle %1 of %2").arg(top.height()).arg(groove.height())));
        QVERIFY(end.top() > top.top());
    }
}

void TestFrmResult::tabOrderAndFirstFocus()
{
    FakeDesktop fake;
    auto *w = openReading(2, 7);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget(), w->cmdBack);

    const QList<QWidget *> expected = {w->txtLP,   w->cmdNextLP, w->cmdBackLP, w->cmdBackD,
                                       w->cmdNextD, w->txtD,      w->cmdSave,   w->cmdBack};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestFrmResult::keysOnTheFocusedControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("outcome");

    const int enter = Qt::Key_Return;
    const int keypadEnter = Qt::Key_Enter;
    const int space = Qt::Key_Space;
    // Every button takes Enter, the keypad's Enter and Space alike.
    QTest::newRow("Back, Enter") << "cmdBack" << enter << "main window";
    QTest::newRow("Back, keypad Enter") << "cmdBack" << keypadEnter << "main window";
    QTest::newRow("Back, Space") << "cmdBack" << space << "main window";
    QTest::newRow("Save, Enter") << "cmdSave" << enter << "save dialog";
    QTest::newRow("Save, keypad Enter") << "cmdSave" << keypadEnter << "save dialog";
    QTest::newRow("Save, Space") << "cmdSave" << space << "save dialog";
    QTest::newRow("Life Path >>, Enter") << "cmdNextLP" << enter << "Life Path steps";
    QTest::newRow("Life Path >>, Space") << "cmdNextLP" << space << "Life Path steps";
    QTest::newRow("Life Path <<, Enter") << "cmdBackLP" << enter << "first record";
    QTest::newRow("Destiny <<, keypad Enter") << "cmdBackD" << keypadEnter << "first record";
    QTest::newRow("Destiny >>, Enter") << "cmdNextD" << enter << "Destiny steps";
    QTest::newRow("Destiny >>, keypad Enter") << "cmdNextD" << keypadEnter << "Destiny steps";
    // The description boxes keep Enter as they had it: it does nothing.
    QTest::newRow("Life Path description, Enter") << "txtLP" << enter << "nothing";
    QTest::newRow("Destiny description, keypad Enter") << "txtD" << keypadEnter << "nothing";
}

void TestFrmResult::keysOnTheFocusedControl()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QString, outcome);

    FakeDesktop fake;
    QPointer<frmGreekNumerologyResult> w = openReading(6, 6);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    auto *target = w->findChild<QWidget *>(control);
    QVERIFY(target);
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), target);
    const SideView lifePath = lifePathView(w);
    const SideView destiny = destinyView(w);

    const KeyPress::Outcome pressed = KeyPress::pressAndRelease(target, Qt::Key(key));

    if (qobject_cast<QPushButton *>(target))
        QVERIFY2(KeyPress::pressedLikeSpace(pressed), qPrintable(KeyPress::describe(pressed)));
    if (outcome == QLatin1String("main window")) {
        QVERIFY(!w || !w->isVisible());
        QVERIFY(onlyOpen<frmMain>());
        QVERIFY(fake.endedWith.isEmpty());
        return;
    }
    QVERIFY(w && w->isVisible());
    QStringList messages;
    QList<FileDialogRequest::Mode> dialogs;
    SideView lifePathAfter = lifePath;
    SideView destinyAfter = destiny;
    if (outcome == QLatin1String("save dialog")) {
        dialogs << FileDialogRequest::Mode::Save;
    } else if (outcome == QLatin1String("first record")) {
        messages << QStringLiteral("You are at the first record");
    } else if (outcome == QLatin1String("Life Path steps")) {
        lifePathAfter.name = QStringLiteral("POSEIDON");
    } else if (outcome == QLatin1String("Destiny steps")) {
        destinyAfter.name = QStringLiteral("POSEIDON");
    } else {
        QCOMPARE(outcome, QStringLiteral("nothing"));
        QCOMPARE(QApplication::focusWidget(), target);
    }
    QCOMPARE(fake.messageTexts(), messages);
    QList<FileDialogRequest::Mode> asked;
    for (const FileDialogRequest &request : fake.fileRequests)
        asked << request.mode;
    QCOMPARE(asked, dialogs);
    QCOMPARE(lifePathView(w).name, lifePathAfter.name);
    QCOMPARE(destinyView(w).name, destinyAfter.name);
    if (outcome == QLatin1String("nothing")) {
        QVERIFY(lifePathView(w) == lifePath);
        QVERIFY(destinyView(w) == destiny);
    }
}

void TestFrmResult::windowCanMinimizeNotMaximize()
{
    FakeDesktop fake;
    auto *result = openReading(1, 1);
    auto *main = new frmMain(testRoot(), testRoot().dialogs());
    for (QMainWindow *w : std::initializer_list<QMainWindow *>{result, main}) {
        QVERIFY(!w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(w->minimumSize(), w->maximumSize());
    }
    QVERIFY(result->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!main->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

void TestFrmResult::closingEndsProgram_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("title bar") << false;
    QTest::newRow("File, Exit") << true;
}

void TestFrmResult::closingEndsProgram()
{
    QFETCH(bool, byMenu);
    FakeDesktop fake;
    auto *w = openReading(3, 3);

    if (byMenu)
        w->mnuExit->trigger();
    else
        QVERIFY(w->close());

    QCOMPARE(fake.endedWith, QList<int>{0});
    QVERIFY(openWindows<frmMain>().isEmpty());
}

PALLASTRO_WINDOW_TEST_MAIN(TestFrmResult)
#include "tst_frmresult.moc"
