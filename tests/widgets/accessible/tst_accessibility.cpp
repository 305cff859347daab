// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What assistive technology finds in the three windows: every control it can
// land on has a name, entry fields are named by their labels, the portraits
// say whose picture they show, links can be followed without a mouse, the
// program's messages arrive as alerts, and the tabs of the print dialog's
// options claim the focus only when they have it.

#include "tests/common/FakeDesktop.h"
#include "tests/common/TestRoot.h"
#include "tests/windows/WindowTestSupport.h"

#include "widgets/accessible/AccessibleFactory.h"
#include "assets/Assets.h"
#include "widgets/LinkLabel.h"
#include "widgets/accessible/qt64/Visibility.h"
#include "windows/about/frmAbout.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTabBar>

#include <functional>
#include <memory>

using namespace WindowTest;
namespace gn = modGreekNumerology;

namespace {

QAccessibleInterface *interfaceOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QObject *object)
{
    QAccessibleInterface *iface = interfaceOf(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QString descriptionOf(QObject *object)
{
    QAccessibleInterface *iface = interfaceOf(object);
    return iface ? iface->text(QAccessible::Description) : QString();
}

// A user of a screen reader can land on it: it takes the keyboard, or it is
// something to press.
bool isReachable(QAccessibleInterface *iface)
{
    const QAccessible::Role role = iface->role();
    return iface->state().focusable || role == QAccessible::Link || role == QAccessible::PushButton
           || role == QAccessible::ComboBox || role == QAccessible::EditableText;
}

QString describe(QAccessibleInterface *iface)
{
    QObject *object = iface->object();
    const QString name = object ? object->objectName() : QString();
    return QStringLiteral("%1 (%2, role %3)")
        .arg(name.isEmpty() ? QStringLiteral("<unnamed object>") : name,
             object ? QString::fromLatin1(object->metaObject()->className()) : QStringLiteral("-"))
        .arg(int(iface->role()));
}

// Walks the accessible tree below iface; lists every reachable node without
// a name and collects the objects visited.
void walk(QAccessibleInterface *iface, QStringList &unnamed, QSet<QObject *> &visited, int depth = 0)
{
    QVERIFY2(depth < 32, "accessible tree too deep (a cycle?)");
    visited.insert(iface->object());
    if (isReachable(iface) && iface->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << describe(iface);
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (child)
            walk(child, unnamed, visited, depth + 1);
    }
}

QList<LinkLabel *> linksOf(QWidget *window)
{
    return window->findChildren<LinkLabel *>();
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void everyReachableControlIsNamed_data();
    void everyReachableControlIsNamed();
    void entryFieldsCarryTheirLabels();
    void listChoiceIsRead();
    void mythologyBoxesNameTheirGod();
    void stepButtonsSayWhatTheyDo_data();
    void stepButtonsSayWhatTheyDo();
    void portraitsNameTheGodShown_data();
    void portraitsNameTheGodShown();
    void emptySideHasNoPortrait_data();
    void emptySideHasNoPortrait();
    void linksArePressableLinks_data();
    void linksArePressableLinks();
    void messagesAreAlerts();
    void tabsClaimTheFocusOnlyWithTheirBar();

private:
    static frmGreekNumerologyResult *openReading(qint16 lifePath, qint16 destiny);
};

void TestAccessibility::cleanup() { disposeAll(); }

frmGreekNumerologyResult *TestAccessibility::openReading(qint16 lifePath, qint16 destiny)
{
    gn::LifePathNumber = lifePath;
    gn::DestinyNumber = destiny;
    auto *w = new frmGreekNumerologyResult(testRoot(), testRoot().dialogs());
    w->show();
    return w;
}

void TestAccessibility::everyReachableControlIsNamed_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<qint16>("lifePath");
    QTest::addColumn<qint16>("destiny");

    QTest::newRow("main window") << QStringLiteral("main") << qint16(0) << qint16(0);
    QTest::newRow("result, both sides with gods") << QStringLiteral("result") << qint16(6) << qint16(9);
    QTest::newRow("result, both sides empty") << QStringLiteral("result") << qint16(0) << qint16(11);
    QTest::newRow("about window") << QStringLiteral("about") << qint16(0) << qint16(0);
}

void TestAccessibility::everyReachableControlIsNamed()
{
    QFETCH(QString, window);
    QFETCH(qint16, lifePath);
    QFETCH(qint16, destiny);
    FakeDesktop fake;

    std::unique_ptr<frmAbout> about;
    QWidget *shown = nullptr;
    if (window == QLatin1String("main")) {
        auto *w = new frmMain(testRoot(), testRoot().dialogs());
        w->show();
        shown = w;
    } else if (window == QLatin1String("result")) {
        shown = openReading(lifePath, destiny);
    } else {
        about = std::make_unique<frmAbout>();
        about->show();
        shown = about.get();
    }
    QVERIFY(QTest::qWaitForWindowExposed(shown));

    QAccessibleInterface *root = interfaceOf(shown);
    QVERIFY(root);
    QCOMPARE(root->text(QAccessible::Name), QStringLiteral("Pallastro v1.0"));

    QStringList unnamed;
    QSet<QObject *> visited;
    walk(root, unnamed, visited);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));

    // The walk reached every control that takes the keyboard and every link.
    int controls = 0;
    for (QWidget *w : shown->findChildren<QWidget *>()) {
        const bool link = qobject_cast<LinkLabel *>(w) != nullptr;
        // What lies out of sight is left out on purpose (tst_textsweep).
        if ((w->focusPolicy() == Qt::NoFocus && !link) || !w->isVisibleTo(shown) || w->isWindow()
            || Accessibility::isOutOfSight(w))
            continue;
        ++controls;
        QVERIFY2(visited.contains(w), qPrintable(w->objectName()));
    }
    QVERIFY(controls >= 3);
}

void TestAccessibility::entryFieldsCarryTheirLabels()
{
    FakeDesktop fake;
    auto *w = new frmMain(testRoot(), testRoot().dialogs());
    w->show();

    QCOMPARE(nameOf(w->txtName), w->Label1->text());
    QCOMPARE(nameOf(w->txtName), QStringLiteral("Name"));

    // The three date lists share one label; each is named by the part of
    // the date it holds, on every system, and offers the entry chosen as its
    // value and as its text, which is where Orca reads it.
    const std::pair<QComboBox *, QString> lists[] = {
        {w->cboMonth, QStringLiteral("Birth Day: month")},
        {w->cboDate, QStringLiteral("Birth Day: day")},
        {w->cboYear, QStringLiteral("Birth Day: year")}};
    for (const auto &[list, purpose] : lists) {
        QAccessibleInterface *iface = interfaceOf(list);
        QCOMPARE(iface->role(), QAccessible::ComboBox);
        QCOMPARE(iface->text(QAccessible::Name), purpose);
        QCOMPARE(iface->text(QAccessible::Value), list->currentText());
        QVERIFY(iface->textInterface());
        QCOMPARE(iface->textInterface()->text(0, -1), list->currentText());
        QCOMPARE(iface->textInterface()->characterCount(), int(list->currentText().size()));
        // No label names it (the group around it aside): a screen reader
        // would read the label in place of the name, and one label cannot
        // say month, day and year.
        for (const auto &relation : iface->relations(QAccessible::Label))
            QVERIFY(!qobject_cast<QLabel *>(relation.first->object()));
    }
    QCOMPARE(interfaceOf(w->cboMonth)->text(QAccessible::Value), QStringLiteral("January"));

    // The name label announces the field it stands for.
    QAccessibleInterface *label = interfaceOf(w->Label1);
    const auto related = label->relations(QAccessible::Labelled);
    QCOMPARE(related.size(), 1);
    QCOMPARE(related.first().first->object(), w->txtName);
}

void TestAccessibility::listChoiceIsRead()
{
    FakeDesktop fake;
    auto *w = new frmMain(testRoot(), testRoot().dialogs());
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));

    w->cboMonth->setFocus();
    QTest::keyClick(w->cboMonth, Qt::Key_Down);
    QTest::keyClick(w->cboMonth, Qt::Key_Down);
    w->cboYear->setCurrentIndex(80);

    // A choice made in a list is what the list reads out now; its hidden
    // pop-up does not follow, or its entries would claim the focus (the
    // end-to-end scenario screen_reader hears each step).
    QCOMPARE(w->cboMonth->currentText(), QStringLiteral("March"));
    QCOMPARE(interfaceOf(w->cboMonth)->text(QAccessible::Value), QStringLiteral("March"));
    QCOMPARE(interfaceOf(w->cboMonth)->textInterface()->text(0, -1), QStringLiteral("March"));
    QCOMPARE(interfaceOf(w->cboYear)->text(QAccessible::Value), QStringLiteral("1980"));
    QCOMPARE(nameOf(w->cboMonth), QStringLiteral("Birth Day: month"));
    QVERIFY(!w->cboMonth->view()->currentIndex().isValid());
    QVERIFY(!w->cboYear->view()->currentIndex().isValid());
    QTest::keyClick(w->cboMonth, Qt::Key_End);
    QCOMPARE(interfaceOf(w->cboMonth)->text(QAccessible::Value), QStringLiteral("December"));

    // The pop-up list carries the list's purpose too.
    QCOMPARE(nameOf(w->cboMonth->view()), QStringLiteral("Birth Day: month"));
}

void TestAccessibility::mythologyBoxesNameTheirGod()
{
    FakeDesktop fake;
    frmGreekNumerologyResult *w = openReading(4, 5);
    gn::LoadGodCatalogue();

    // No label stands in for the name, which says whose description it is.
    QCOMPARE(nameOf(w->txtLP), QStringLiteral("Life Path god: ") + gn::GodNames[gn::godsOf(4).first()]);
    QCOMPARE(nameOf(w->txtD), QStringLiteral("Destiny god: ") + gn::GodNames[gn::godsOf(5).first()]);
    QVERIFY(interfaceOf(w->txtLP)->relations(QAccessible::Label).isEmpty());
    // The box's text stays its value, so a god's description is read in full.
    QCOMPARE(interfaceOf(w->txtLP)->text(QAccessible::Value), w->txtLP->toPlainText());
    QCOMPARE(nameOf(w->fraLP), QStringLiteral("Life Path"));
    QCOMPARE(nameOf(w->Frame1), QStringLiteral("Destiny"));
    // Back, where the window opens, describes the whole reading.
    QCOMPARE(descriptionOf(w->cmdBack), QStringLiteral("Life Path 4, %1. Destiny 5, %2.")
                                            .arg(gn::GodNames[gn::godsOf(4).first()], gn::GodNames[gn::godsOf(5).first()]));
}

void TestAccessibility::stepButtonsSayWhatTheyDo_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("name");

    QTest::newRow("cmdBackLP") << "cmdBackLP" << "<<" << "Back" << "Previous Life Path god";
    QTest::newRow("cmdNextLP") << "cmdNextLP" << ">>" << "Next" << "Next Life Path god";
    QTest::newRow("cmdBackD") << "cmdBackD" << "<<" << "Back" << "Previous Destiny god";
    QTest::newRow("cmdNextD") << "cmdNextD" << ">>" << "Next" << "Next Destiny god";
}

void TestAccessibility::stepButtonsSayWhatTheyDo()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, tip);
    QFETCH(QString, name);
    FakeDesktop fake;
    frmGreekNumerologyResult *w = openReading(6, 6);

    auto *b = w->findChild<QPushButton *>(button);
    QVERIFY(b);
    QCOMPARE(b->text(), caption);
    QCOMPARE(b->toolTip(), tip);
    QAccessibleInterface *iface = interfaceOf(b);
    QCOMPARE(iface->role(), QAccessible::PushButton);
    QCOMPARE(iface->text(QAccessible::Name), name);
    // Its description is the god its side shows, never its tool tip.
    const QString side = name.contains(QLatin1String("Life Path")) ? QStringLiteral("Life Path") : QStringLiteral("Destiny");
    gn::LoadGodCatalogue();
    QCOMPARE(iface->text(QAccessible::Description), side + QStringLiteral(" shows ") + gn::GodNames[gn::godsOf(6).first()]);

    // Pressing it through assistive technology steps like a click.
    const qint16 lifePathBefore = frmGreekNumerologyResult::LifePathPosition;
    const qint16 destinyBefore = frmGreekNumerologyResult::DestinyPosition;
    QAccessibleActionInterface *action = iface->actionInterface();
    QVERIFY(action);
    QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    action->doAction(QAccessibleActionInterface::pressAction());
    auto moved = [&] {
        return (frmGreekNumerologyResult::LifePathPosition - lifePathBefore)
               + (frmGreekNumerologyResult::DestinyPosition - destinyBefore);
    };
    // From the first god, "Previous" stays put with its message, "Next" moves
    // on. The press is animated, so it lands a moment later.
    if (caption == QLatin1String(">>")) {
        QTRY_COMPARE(moved(), 1);
        QCOMPARE(fake.messages.size(), 0);
    } else {
        QTRY_COMPARE(fake.messages.size(), 1);
        QCOMPARE(moved(), 0);
    }
}

void TestAccessibility::portraitsNameTheGodShown_data()
{
    QTest::addColumn<qint16>("number");
    QTest::addColumn<bool>("lifePathSide");

    for (qint16 n = 1; n <= 9; ++n) {
        QTest::addRow("Life Path %d", int(n)) << n << true;
        QTest::addRow("Destiny %d", int(n)) << n << false;
    }
}

void TestAccessibility::portraitsNameTheGodShown()
{
    QFETCH(qint16, number);
    QFETCH(bool, lifePathSide);
    FakeDesktop fake;
    frmGreekNumerologyResult *w = lifePathSide ? openReading(number, 0) : openReading(0, number);
    QLabel *portrait = lifePathSide ? w->imgLP : w->imgD;
    QPushButton *next = lifePathSide ? w->cmdNextLP : w->cmdNextD;
    QPushButton *back = lifePathSide ? w->cmdBackLP : w->cmdBackD;

    gn::LoadGodCatalogue();
    const QList<qint16> gods = gn::godsOf(number);
    QVERIFY(!gods.isEmpty());

    QAccessibleInterface *iface = interfaceOf(portrait);
    QCOMPARE(iface->role(), QAccessible::Graphic);
    QCOMPARE(iface->text(QAccessible::Name),
             lifePathSide ? QStringLiteral("Life Path portrait") : QStringLiteral("Destiny portrait"));

    // The god whose picture is in view: a god without a portrait of his own
    // leaves the one before him in view.
    auto expectedFor = [&](int index) {
        for (int i = index; i >= 0; --i)
            if (gods.at(i) < Assets::PortraitCount)
                return QStringLiteral("Portrait of ") + gn::GodNames[gods.at(i)];
        return QStringLiteral("No portrait");
    };

    // Both step buttons of the side and its mythology box say which god is
    // shown; the buttons offer it as their text too, which Orca reads out
    // when it changes.
    const QString side = lifePathSide ? QStringLiteral("Life Path") : QStringLiteral("Destiny");
    QPlainTextEdit *box = lifePathSide ? w->txtLP : w->txtD;
    auto check = [&](int index) {
        QCOMPARE(iface->text(QAccessible::Description), expectedFor(index));
        const QString god = gn::GodNames[gods.at(index)];
        for (QPushButton *b : {next, back}) {
            QCOMPARE(descriptionOf(b), side + QStringLiteral(" shows ") + god);
            QCOMPARE(interfaceOf(b)->textInterface()->text(0, -1), descriptionOf(b));
        }
        QCOMPARE(nameOf(box), side + QStringLiteral(" god: ") + god);
        QVERIFY(descriptionOf(w->cmdBack).contains(side + QLatin1Char(' ') + QString::number(number) + QStringLiteral(", ") + god + QLatin1Char('.')));
    };

    check(0);
    for (int i = 1; i < gods.size(); ++i) {
        next->click();
        check(i);
    }
    // Past the last god: the message, and the portrait is still the last one.
    next->click();
    check(int(gods.size()) - 1);
    for (int i = int(gods.size()) - 2; i >= 0; --i) {
        back->click();
        check(i);
    }
    QCOMPARE(fake.messages.size(), 1);
}

void TestAccessibility::emptySideHasNoPortrait_data()
{
    QTest::addColumn<qint16>("number");
    QTest::newRow("0") << qint16(0);
    QTest::newRow("10") << qint16(10);
    QTest::newRow("11") << qint16(11);
    QTest::newRow("-1") << qint16(-1);
}

void TestAccessibility::emptySideHasNoPortrait()
{
    QFETCH(qint16, number);
    FakeDesktop fake;
    frmGreekNumerologyResult *w = openReading(number, 7);

    QCOMPARE(descriptionOf(w->imgLP), QStringLiteral("No portrait"));
    QCOMPARE(descriptionOf(w->imgD), QStringLiteral("Portrait of ") + gn::GodNames[gn::godsOf(7).first()]);
    QCOMPARE(nameOf(w->txtLP), QStringLiteral("Life Path god"));
    QCOMPARE(descriptionOf(w->cmdNextLP), QStringLiteral("Life Path shows no god"));
    QVERIFY(descriptionOf(w->cmdBack).startsWith(QStringLiteral("Life Path %1, no god. Destiny 7, ").arg(number)));
    w->cmdNextLP->click();
    QCOMPARE(descriptionOf(w->imgLP), QStringLiteral("No portrait"));
    QVERIFY(!descriptionOf(w->imgLP).contains(QLatin1String("Portrait of")));
}

void TestAccessibility::linksArePressableLinks_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main") << QStringLiteral("main");
    QTest::newRow("result") << QStringLiteral("result");
    QTest::newRow("about") << QStringLiteral("about");
}

void TestAccessibility::linksArePressableLinks()
{
    QFETCH(QString, window);
    FakeDesktop fake;

    std::unique_ptr<frmAbout> about;
    QWidget *shown = nullptr;
    if (window == QLatin1String("main")) {
        shown = new frmMain(testRoot(), testRoot().dialogs());
    } else if (window == QLatin1String("result")) {
        shown = openReading(1, 2);
    } else {
        about = std::make_unique<frmAbout>();
        shown = about.get();
    }
    shown->show();

    const QList<LinkLabel *> links = linksOf(shown);
    QVERIFY(links.size() >= 2);
    for (LinkLabel *link : links) {
        QAccessibleInterface *iface = interfaceOf(link);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Link);
        const QString name = iface->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), qPrintable(link->objectName()));
        if (!link->text().isEmpty())
            QCOMPARE(name, link->text());

        QAccessibleActionInterface *action = iface->actionInterface();
        QVERIFY(action);
        QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
        const qsizetype before = fake.openedUrls.size();
        action->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY2(fake.openedUrls.size() == before + 1, qPrintable(link->objectName()));
    }
}

void TestAccessibility::messagesAreAlerts()
{
    // The end-of-list and checking messages are message boxes built as the
    // platform builds them; what a screen reader receives from one.
    FakeDesktop fake;
    frmGreekNumerologyResult *w = openReading(1, 1);
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Pallastro"), QStringLiteral("You are at the last record"),
                    QMessageBox::Ok, w);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    QAccessibleInterface *iface = interfaceOf(&box);
    QVERIFY(iface->role() == QAccessible::AlertMessage || iface->role() == QAccessible::Dialog);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Pallastro"));

    // The message itself is in the box's tree.
    QStringList texts;
    std::function<void(QAccessibleInterface *)> collect = [&](QAccessibleInterface *node) {
        texts << node->text(QAccessible::Name) << node->text(QAccessible::Value);
        for (int i = 0; i < node->childCount(); ++i)
            if (QAccessibleInterface *child = node->child(i))
                collect(child);
    };
    collect(iface);
    QVERIFY(texts.contains(QStringLiteral("You are at the last record")));
    box.close();
}

void TestAccessibility::tabsClaimTheFocusOnlyWithTheirBar()
{
    // As the windows install it before any dialog opens.
    Accessibility::installFactory();
    QWidget window;
    auto *other = new QLineEdit(&window);
    auto *bar = new QTabBar(&window);
    bar->move(0, 40);
    bar->addTab(QStringLiteral("&Copies"));
    bar->addTab(QStringLiteral("Options"));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());

    QAccessibleInterface *iface = interfaceOf(bar);
    QCOMPARE(iface->role(), QAccessible::PageTabList);
    QCOMPARE(iface->childCount(), 2);
    QAccessibleInterface *copies = iface->child(0);
    QAccessibleInterface *options = iface->child(1);
    QCOMPARE(copies->text(QAccessible::Name), QStringLiteral("Copies"));
    QCOMPARE(copies->role(), QAccessible::PageTab);
    QCOMPARE(iface->indexOfChild(options), 1);
    QVERIFY(copies->state().selected);
    QVERIFY(!copies->state().focused);

    bar->setFocus();
    QTRY_VERIFY(bar->hasFocus());
    QVERIFY(copies->state().focused);
    QVERIFY(!options->state().focused);

    // Pressed, a tab becomes the current one.
    options->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(bar->currentIndex(), 1);
    QVERIFY(options->state().focused && options->state().selected);
    QVERIFY(!copies->state().focused);
}

PALLASTRO_WINDOW_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
