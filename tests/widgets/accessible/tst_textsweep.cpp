// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Every question a screen reader may ask of the text the program shows gets
// an answer, at once, that agrees with the text: the character, word,
// sentence, line and paragraph at, before and after every offset, and the
// run of text attributes there, in both windows, both file dialogs and (on
// Linux, where it is Qt's) the print dialog. A watchdog ends the run with
// the question that got no answer; a hang would otherwise look like a slow
// test.
//
// And one truth about focus and sight: exactly one object claims the focus,
// and what a user cannot see (a closed list's entries, a hidden menu entry
// or button, a link beneath another) is neither shown nor counted, after
// start, after each list change, after a message box and after each switch.

#include "tests/common/FakeDesktop.h"
#include "platform/SystemDialogs.h"
#include "widgets/accessible/qt64/TextBoundaries.h"
#include "tests/common/TestRoot.h"
#include "tests/windows/WindowTestSupport.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <mutex>
#include <thread>

using namespace WindowTest;
namespace gn = modGreekNumerology;

namespace {

// Ends the process when no answer has come for Patience: the suite fails
// with the question on standard error rather than hanging until ctest's
// timeout says nothing of why.
class Watchdog
{
public:
    static constexpr auto Patience = std::chrono::seconds(10);

    Watchdog()
        : m_thread([this] { watch(); })
    {
    }
    ~Watchdog()
    {
        m_done = true;
        m_thread.join();
    }

    void asking(const QString &question)
    {
        std::lock_guard lock(m_mutex);
        m_question = question.toStdString();
        m_since = std::chrono::steady_clock::now();
        m_waiting = true;
    }
    void answered() { m_waiting = false; }

private:
    void watch()
    {
        while (!m_done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            std::lock_guard lock(m_mutex);
            if (m_waiting && std::chrono::steady_clock::now() - m_since > Patience) {
                std::fprintf(stderr, "FAIL!  : no answer within %lld s to %s\n",
                             static_cast<long long>(Patience.count()), m_question.c_str());
                std::fflush(stderr);
                std::_Exit(1);
            }
        }
    }

    std::mutex m_mutex;
    std::string m_question;
    std::chrono::steady_clock::time_point m_since;
    std::atomic<bool> m_waiting = false;
    std::atomic<bool> m_done = false;
    std::thread m_thread;
};

struct Answer {
    QString text;
    int start = 0;
    int end = 0;
};

enum class Ask { At, Before, After };

const char *askName(Ask ask)
{
    switch (ask) {
    case Ask::At:
        return "textAtOffset";
    case Ask::Before:
        return "textBeforeOffset";
    case Ask::After:
        return "textAfterOffset";
    }
    return "?";
}

QString describe(QAccessibleInterface *iface)
{
    QObject *object = iface->object();
    return QStringLiteral("%1 (%2, \"%3\")")
        .arg(object ? object->objectName() : QString(),
             object ? QString::fromLatin1(object->metaObject()->className()) : QString(),
             iface->text(QAccessible::Name));
}

// Every object below iface, iface included.
void collect(QAccessibleInterface *iface, QList<QAccessibleInterface *> &all, int depth = 0)
{
    if (!iface || depth > 40)
        return;
    all.append(iface);
    for (int i = 0; i < iface->childCount(); ++i)
        collect(iface->child(i), all, depth + 1);
}

} // namespace

class TestTextSweep : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void answersAroundAnOffset_data();
    void answersAroundAnOffset();
    void attributeRuns_data();
    void attributeRuns();
    void everyQuestionIsAnswered_data();
    void everyQuestionIsAnswered();
    void oneTruthThroughAReading();
    void closedListsKeepTheirEntriesOutOfSight();
    void unseenControlsAreNeitherShownNorCounted();
    void descriptionLinesLieWhereTheyShow();

private:
    void sweep(QWidget *window);
    void sweepText(QAccessibleInterface *iface);
    void sweepAttributes(QAccessibleInterface *iface, const QString &whole);
    Answer ask(QAccessibleInterface *iface, Ask ask, int offset, QAccessible::TextBoundaryType boundary);
    void checkOneTruth(QWidget *window, const char *when);
    void sweepFileDialog(QWidget *parent, const FileDialogRequest &request);
    void sweepPrintDialog(QWidget *parent, const PrintDialogRequest &request);

    Watchdog m_watchdog;
    int m_objectsWithText = 0;
};

void TestTextSweep::init()
{
    m_objectsWithText = 0;
}

void TestTextSweep::cleanup()
{
    disposeAll();
}

Answer TestTextSweep::ask(QAccessibleInterface *iface, Ask how, int offset, QAccessible::TextBoundaryType boundary)
{
    m_watchdog.asking(QStringLiteral("%1(%2, boundary %3) on %4")
                          .arg(QLatin1String(askName(how)))
                          .arg(offset)
                          .arg(int(boundary))
                          .arg(describe(iface)));
    Answer a;
    QAccessibleTextInterface *text = iface->textInterface();
    switch (how) {
    case Ask::At:
        a.text = text->textAtOffset(offset, boundary, &a.start, &a.end);
        break;
    case Ask::Before:
        a.text = text->textBeforeOffset(offset, boundary, &a.start, &a.end);
        break;
    case Ask::After:
        a.text = text->textAfterOffset(offset, boundary, &a.start, &a.end);
        break;
    }
    m_watchdog.answered();
    return a;
}

void TestTextSweep::sweepText(QAccessibleInterface *iface)
{
    QAccessibleTextInterface *textInterface = iface->textInterface();
    const int size = textInterface->characterCount();
    const QString whole = textInterface->text(0, size);
    QCOMPARE(whole.size(), size);
    ++m_objectsWithText;

    const QAccessible::TextBoundaryType boundaries[] = {
        QAccessible::CharBoundary,      QAccessible::WordBoundary, QAccessible::SentenceBoundary,
        QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary};
    for (QAccessible::TextBoundaryType boundary : boundaries) {
        for (int offset = -1; offset <= size + 1; ++offset) {
            const QString where = QStringLiteral("%1 at %2, boundary %3, text \"%4\"")
                                      .arg(describe(iface))
                                      .arg(offset)
                                      .arg(int(boundary))
                                      .arg(whole);
            const int at = offset == -1 ? size : offset;
            Answer here;
            for (Ask how : {Ask::At, Ask::Before, Ask::After}) {
                const Answer a = ask(iface, how, offset, boundary);
                const QString what = QLatin1String(askName(how)) + QLatin1Char(' ') + where;
                if (a.start == -1 || a.end == -1) {
                    QVERIFY2(a.start == -1 && a.end == -1 && a.text.isEmpty(), qPrintable(what));
                } else {
                    QVERIFY2(0 <= a.start && a.start <= a.end && a.end <= size, qPrintable(what));
                    QVERIFY2(a.text == whole.mid(a.start, a.end - a.start), qPrintable(what));
                }
                if (boundary == QAccessible::WordBoundary)
                    QVERIFY2(!a.text.contains(QRegularExpression(QStringLiteral("\\s"))), qPrintable(what));
                if (how == Ask::At) {
                    here = a;
                    if (at > size) {
                        QVERIFY2(a.text.isEmpty(), qPrintable(what));
                        continue;
                    }
                    const bool insideAWord = at < size && !whole.at(at).isSpace();
                    const bool mustHold = boundary == QAccessible::WordBoundary ? insideAWord : at < size;
                    if (mustHold && boundary != QAccessible::NoBoundary)
                        QVERIFY2(a.start <= at && at < a.end, qPrintable(what));
                    if (boundary == QAccessible::NoBoundary && size > 0)
                        QVERIFY2(a.text == whole, qPrintable(what));
                } else if (how == Ask::Before && a.start != -1 && here.start != -1) {
                    QVERIFY2(a.end <= qMax(here.start, at), qPrintable(what));
                } else if (how == Ask::After && a.start != -1 && here.start != -1) {
                    QVERIFY2(a.start >= qMin(here.end, at), qPrintable(what));
                }
            }
        }
    }
    sweepAttributes(iface, whole);
}

// The runs of text attributes, as a screen reader walks them to split a text
// by language: each holds the offset asked, ends exclusive, and one run
// after another reaches the text's end, its last character included.
void TestTextSweep::sweepAttributes(QAccessibleInterface *iface, const QString &whole)
{
    QAccessibleTextInterface *text = iface->textInterface();
    const int size = int(whole.size());
    for (int offset = -1; offset <= size + 1; ++offset) {
        const QString where = QStringLiteral("attributes at %1 of %2, text \"%3\"")
                                  .arg(offset)
                                  .arg(describe(iface), whole);
        m_watchdog.asking(where);
        int start = 0;
        int end = 0;
        const QString attributes = text->attributes(offset, &start, &end);
        m_watchdog.answered();
        const QString answer = QStringLiteral("%1: (%2-%3) \"%4\"").arg(where).arg(start).arg(end).arg(attributes);
        // Qt's bridge splits them as "name:value;" and reads both halves.
        for (const QString &attribute : attributes.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            QVERIFY2(attribute.split(QLatin1Char(':'), Qt::SkipEmptyParts).size() == 2, qPrintable(answer));
        if (offset > size) {
            QVERIFY2(start == -1 && end == -1, qPrintable(answer));
        } else if (offset == -1 || offset == size) {
            // The caret after the last character: the last run.
            QVERIFY2(0 <= start && start <= end && end == size && (size == 0 || start < end), qPrintable(answer));
        } else {
            QVERIFY2(0 <= start && start <= offset && offset < end && end <= size, qPrintable(answer));
        }
    }
    // Orca's walk: from 0, on to where each run ends.
    int walked = 0;
    for (int runs = 0; walked < size && runs <= size; ++runs) {
        int start = 0;
        int end = 0;
        text->attributes(walked, &start, &end);
        if (end <= walked)
            break;
        walked = end;
    }
    QVERIFY2(walked == size, qPrintable(QStringLiteral("the attribute runs of %1 stop at %2 of \"%3\"")
                                            .arg(describe(iface))
                                            .arg(walked)
                                            .arg(whole)));
}

void TestTextSweep::sweep(QWidget *window)
{
    QList<QAccessibleInterface *> all;
    collect(QAccessible::queryAccessibleInterface(window), all);
    for (QAccessibleInterface *iface : std::as_const(all)) {
        if (iface->textInterface() && !iface->state().invisible) {
            sweepText(iface);
            if (QTest::currentTestFailed())
                return;
        }
    }
}

void TestTextSweep::sweepFileDialog(QWidget *parent, const FileDialogRequest &request)
{
    bool walked = false;
    QTimer::singleShot(0, parent, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (dialog) {
            // As a desktop does; the offscreen platform leaves the focus
            // in the window below.
            dialog->activateWindow();
            QTRY_VERIFY(dialog->isActiveWindow() && dialog->isAncestorOf(QApplication::focusWidget()));
            // Something to ask about in the File name field.
            if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                name->setText(QStringLiteral("Anna Smith reading"));
            sweep(dialog);
            checkOneTruth(dialog, "in the file dialog");
            walked = true;
            dialog->reject();
        }
    });
    SystemDialogs system;
    QCOMPARE(system.askFileName(parent, request), QString());
    QVERIFY2(walked, "the file dialog did not open");
}

void TestTextSweep::sweepPrintDialog(QWidget *parent, const PrintDialogRequest &request)
{
    bool walked = false;
    QTimer::singleShot(0, parent, [&] {
        auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        if (dialog) {
            dialog->activateWindow();
            QTRY_VERIFY(dialog->isActiveWindow() && dialog->isAncestorOf(QApplication::focusWidget()));
            QCOMPARE(dialog->accessibleName(), request.spokenTitle);
            sweep(dialog);
            checkOneTruth(dialog, "in the print dialog");
            walked = true;
            dialog->reject();
        }
    });
    SystemDialogs system;
    QPrinter printer(QPrinter::HighResolution);
    QCOMPARE(system.askPrint(parent, printer, request), PrintAnswer::Cancel);
    QVERIFY2(walked, "the print dialog did not open");
}

// What a screen reader says after a move: the word or line at, before and
// after the caret.
void TestTextSweep::answersAroundAnOffset_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("boundary");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const int word = QAccessible::WordBoundary;
    const int line = QAccessible::LineBoundary;
    const int character = QAccessible::CharBoundary;
    const QString anna = QStringLiteral("Anna Smith");
    QTest::newRow("word at the start") << anna << 0 << word << "Anna" << "" << "Smith";
    QTest::newRow("word just after its end") << anna << 4 << word << "Anna" << "" << "Smith";
    QTest::newRow("word at its start") << anna << 5 << word << "Smith" << "Anna" << "";
    QTest::newRow("word at the end of the text") << anna << 10 << word << "Smith" << "Anna" << "";
    QTest::newRow("word at -1, the end") << anna << -1 << word << "Smith" << "Anna" << "";
    QTest::newRow("word past the end") << anna << 11 << word << "" << "" << "";
    QTest::newRow("no word in a run of spaces") << QStringLiteral("Anna   Smith") << 5 << word << "" << "Anna"
                                               << "Smith";
    QTest::newRow("character at the end") << anna << 10 << character << "" << "h" << "";
    QTest::newRow("character in the middle") << anna << 4 << character << " " << "a" << "S";
    QTest::newRow("line with its feed") << QStringLiteral("one\ntwo") << 1 << line << "one\n" << "" << "two";
    QTest::newRow("line at the end") << QStringLiteral("one\ntwo") << 7 << line << "two" << "one\n" << "";
    QTest::newRow("empty text") << QString() << 0 << word << "" << "" << "";
}

void TestTextSweep::answersAroundAnOffset()
{
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(int, boundary);
    QFETCH(QString, at);
    QFETCH(QString, before);
    QFETCH(QString, after);
    const auto type = QAccessible::TextBoundaryType(boundary);
    int start = 0;
    int end = 0;
    QCOMPARE(TextBoundaries::textAt(text, offset, type, &start, &end), at);
    QCOMPARE(TextBoundaries::textBefore(text, offset, type, &start, &end), before);
    QCOMPARE(TextBoundaries::textAfter(text, offset, type, &start, &end), after);
}

// The run of text attributes each kind of text control answers: the text
// has no attributes that change within it, so the run is the whole text,
// its end one past the last character, wherever it is asked; an empty text
// has one empty run, and past the end there is none.
void TestTextSweep::attributeRuns_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    const QString john = QStringLiteral("John Smith");
    QTest::newRow("Name box, first letter") << "name" << john << 0 << 0 << 10;
    QTest::newRow("Name box, middle") << "name" << john << 5 << 0 << 10;
    QTest::newRow("Name box, last letter") << "name" << john << 9 << 0 << 10;
    QTest::newRow("Name box, at its end") << "name" << john << 10 << 0 << 10;
    QTest::newRow("Name box, -1 for the end") << "name" << john << -1 << 0 << 10;
    QTest::newRow("Name box, -2 for the caret") << "name" << john << -2 << 0 << 10;
    QTest::newRow("Name box, past the end") << "name" << john << 11 << -1 << -1;
    QTest::newRow("Name box, before the start") << "name" << john << -3 << -1 << -1;
    const QString elodie = QStringLiteral("\u00c9lodie");
    QTest::newRow("Name box, accented, first letter") << "name" << elodie << 0 << 0 << 6;
    QTest::newRow("Name box, accented, last letter") << "name" << elodie << 5 << 0 << 6;
    QTest::newRow("Name box, accented, at its end") << "name" << elodie << 6 << 0 << 6;
    QTest::newRow("Name box, empty") << "name" << QString() << 0 << 0 << 0;
    QTest::newRow("Name box, empty, past the end") << "name" << QString() << 1 << -1 << -1;
    const QString january = QStringLiteral("January");
    QTest::newRow("month list, first letter") << "month" << january << 0 << 0 << 7;
    QTest::newRow("month list, middle") << "month" << january << 3 << 0 << 7;
    QTest::newRow("month list, last letter") << "month" << january << 6 << 0 << 7;
    QTest::newRow("month list, at its end") << "month" << january << 7 << 0 << 7;
    QTest::newRow("month list, past the end") << "month" << january << 8 << -1 << -1;
    const QString shows = QStringLiteral("Life Path shows Aphrodite");
    QTest::newRow("step button, first letter") << "step" << shows << 0 << 0 << 25;
    QTest::newRow("step button, middle") << "step" << shows << 12 << 0 << 25;
    QTest::newRow("step button, last letter") << "step" << shows << 24 << 0 << 25;
    QTest::newRow("step button, at its end") << "step" << shows << 25 << 0 << 25;
    QTest::newRow("step button, nothing announced") << "step" << QString() << 0 << 0 << 0;
    const QString lines = QStringLiteral("Apollo plays the lyre.\nHe foresees.");
    QTest::newRow("description box, first letter") << "description" << lines << 0 << 0 << 35;
    QTest::newRow("description box, line feed") << "description" << lines << 22 << 0 << 35;
    QTest::newRow("description box, last letter") << "description" << lines << 34 << 0 << 35;
    QTest::newRow("description box, at its end") << "description" << lines << 35 << 0 << 35;
    QTest::newRow("description box, past the end") << "description" << lines << 36 << -1 << -1;
    QTest::newRow("description box, empty") << "description" << QString() << 0 << 0 << 0;
}

void TestTextSweep::attributeRuns()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(int, start);
    QFETCH(int, end);
    FakeDesktop fake;

    QWidget *widget = nullptr;
    if (control == QLatin1String("name") || control == QLatin1String("month")) {
        frmMain *w = testRoot().showFreshMain();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        if (control == QLatin1String("name")) {
            w->txtName->setText(text);
            // The caret in the middle, as after a click there.
            w->txtName->setCursorPosition(int(text.size()) / 2);
            widget = w->txtName;
        } else {
            w->cboMonth->setCurrentIndex(w->cboMonth->findText(text));
            widget = w->cboMonth;
        }
    } else {
        gn::LifePathNumber = 9;
        gn::DestinyNumber = 8;
        auto *w = new frmGreekNumerologyResult(testRoot(), testRoot().dialogs());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        if (control == QLatin1String("step")) {
            w->cmdNextLP->announce(text);
            widget = w->cmdNextLP;
        } else {
            w->txtD->setPlainText(text);
            widget = w->txtD;
        }
    }
    QAccessibleTextInterface *textInterface = QAccessible::queryAccessibleInterface(widget)->textInterface();
    QVERIFY(textInterface);
    QCOMPARE(textInterface->text(0, textInterface->characterCount()), text);
    int runStart = 0;
    int runEnd = 0;
    QCOMPARE(textInterface->attributes(offset, &runStart, &runEnd), QString());
    QCOMPARE(runStart, start);
    QCOMPARE(runEnd, end);
}

void TestTextSweep::everyQuestionIsAnswered_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::newRow("main window, a name") << QStringLiteral("main") << QStringLiteral("Anna Smith");
    QTest::newRow("main window, spaces around") << QStringLiteral("main") << QStringLiteral("  Anna   Smith ");
    QTest::newRow("main window, empty") << QStringLiteral("main") << QString();
    QTest::newRow("result window") << QStringLiteral("result") << QString();
    QTest::newRow("result window, Destiny empty") << QStringLiteral("result, no Destiny") << QString();
    QTest::newRow("Open dialog") << QStringLiteral("open") << QString();
    QTest::newRow("Save dialog") << QStringLiteral("save") << QString();
#ifndef Q_OS_WIN
    // Windows' print dialog is the system's, not made of Qt's widgets.
    QTest::newRow("Print dialog") << QStringLiteral("print") << QString();
#endif
}

void TestTextSweep::everyQuestionIsAnswered()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    FakeDesktop fake;

    if (window == QLatin1String("main") || window == QLatin1String("open")) {
        frmMain *w = testRoot().showFreshMain();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->txtName->setText(name);
        w->cboMonth->setCurrentIndex(2);
        if (window == QLatin1String("main")) {
            sweep(w);
        } else {
            w->cmdOpen->click();
            QCOMPARE(fake.fileRequests.size(), 1);
            sweepFileDialog(w, fake.fileRequests.first());
        }
    } else {
        gn::LifePathNumber = 9;
        gn::DestinyNumber = window.contains(QLatin1String("no Destiny")) ? 0 : 8;
        auto *w = new frmGreekNumerologyResult(testRoot(), testRoot().dialogs());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        if (window == QLatin1String("save")) {
            w->cmdSave->click();
            QCOMPARE(fake.fileRequests.size(), 1);
            sweepFileDialog(w, fake.fileRequests.first());
        } else if (window == QLatin1String("print")) {
            w->mnuPrint->trigger();
            QCOMPARE(fake.printRequests.size(), 1);
            sweepPrintDialog(w, fake.printRequests.first());
        } else {
            sweep(w);
        }
    }
    QVERIFY2(m_objectsWithText > 0, "nothing with text was found to ask about");
}

// Exactly one object claims the focus, and no object that claims to be
// shown lies out of sight.
void TestTextSweep::checkOneTruth(QWidget *window, const char *when)
{
    QList<QAccessibleInterface *> all;
    collect(QAccessible::queryAccessibleInterface(window), all);
    QStringList focused;
    for (QAccessibleInterface *iface : std::as_const(all)) {
        if (iface->state().focused)
            focused << describe(iface);
        if (auto *list = qobject_cast<QComboBox *>(iface->object()); list && !list->view()->isVisible())
            QVERIFY2(iface->childCount() == 0, qPrintable(QStringLiteral("%1: %2 offers its closed pop-up")
                                                              .arg(QLatin1String(when), describe(iface))));
    }
    QVERIFY2(focused.size() == 1, qPrintable(QStringLiteral("%1: %2 objects claim the focus: %3")
                                                 .arg(QLatin1String(when))
                                                 .arg(focused.size())
                                                 .arg(focused.join(QStringLiteral("; ")))));
}

void TestTextSweep::oneTruthThroughAReading()
{
    FakeDesktop fake;
    frmMain *main = testRoot().showFreshMain();
    QVERIFY(QTest::qWaitForWindowActive(main));
    checkOneTruth(main, "at start");

    main->txtName->setText(QStringLiteral("Anna Smith"));
    main->cboMonth->setFocus();
    QTRY_VERIFY(main->cboMonth->hasFocus());
    for (int key : {Qt::Key_Down, Qt::Key_End, Qt::Key_Home, Qt::Key_M}) {
        QTest::keyClick(main->cboMonth, Qt::Key(key));
        checkOneTruth(main, "after a change of month");
    }
    main->cboYear->setFocus();
    QTRY_VERIFY(main->cboYear->hasFocus());
    QTest::keyClicks(main->cboYear, QStringLiteral("1980"));
    checkOneTruth(main, "after a typed year");

    // A real message box over the window, closed as a user closes it.
    SystemDialogs system;
    QTimer::singleShot(0, main, [this] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box);
        box->activateWindow();
        QTRY_VERIFY(box->isActiveWindow());
        checkOneTruth(box, "in a message box");
        QTest::keyClick(box, Qt::Key_Return);
    });
    system.message(main, QMessageBox::Information, QStringLiteral("Please Enter Your Name"), QMessageBox::Ok);
    // The offscreen platform hands the activation back to no window; a
    // desktop gives it to the window below.
    if (!QApplication::activeWindow())
        main->activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == main);
    checkOneTruth(main, "after a message box");

    main->cmdProceed->click();
    frmGreekNumerologyResult *result = testRoot().resultWindow();
    QVERIFY(result);
    QVERIFY(QTest::qWaitForWindowActive(result));
    checkOneTruth(result, "after the switch to the result window");

    result->cmdNextLP->setFocus();
    QTRY_VERIFY(result->cmdNextLP->hasFocus());
    result->cmdNextLP->click();
    checkOneTruth(result, "after a step");

    result->cmdBack->click();
    frmMain *again = testRoot().mainWindow();
    QVERIFY(again && again->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(again));
    checkOneTruth(again, "after the switch back");
}

void TestTextSweep::closedListsKeepTheirEntriesOutOfSight()
{
    FakeDesktop fake;
    frmMain *w = testRoot().showFreshMain();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->cboMonth->setFocus();
    QTRY_VERIFY(w->cboMonth->hasFocus());

    // A change on the closed list is heard as its text, selected while the
    // list has the focus (the Orca scenario hears it); the hidden pop-up
    // does not follow it.
    QTest::keyClick(w->cboMonth, Qt::Key_Down);
    QTest::keyClick(w->cboMonth, Qt::Key_End);
    QVERIFY(!w->cboMonth->view()->currentIndex().isValid());
    // A typed entry is looked for through the pop-up, and must not leave its
    // entry current there either, found or not.
    QTest::keyClicks(w->cboYear, QStringLiteral("1980"));
    QCOMPARE(w->cboYear->currentText(), QStringLiteral("1980"));
    QVERIFY(!w->cboYear->view()->currentIndex().isValid());
    QTest::keyClick(w->cboMonth, Qt::Key_J);
    QCOMPARE(w->cboMonth->currentText(), QStringLiteral("January"));
    QVERIFY(!w->cboMonth->view()->currentIndex().isValid());
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(w->cboMonth);
    int start = -1;
    int end = -1;
    list->textInterface()->selection(0, &start, &end);
    QCOMPARE(list->textInterface()->text(start, end), QStringLiteral("January"));

    // Not selected once the focus has moved on: "where am I" elsewhere would
    // read it.
    w->cboDate->setFocus();
    QTRY_VERIFY(w->cboDate->hasFocus());
    QCOMPARE(list->textInterface()->selectionCount(), 0);

    // Open, the pop-up and its entries are there; closed again, gone, and no
    // entry of it claims the focus.
    w->cboMonth->showPopup();
    QTRY_VERIFY(w->cboMonth->view()->isVisible());
    QCOMPARE(list->childCount(), 1);
    w->cboMonth->hidePopup();
    QTRY_VERIFY(!w->cboMonth->view()->isVisible());
    QCOMPARE(list->childCount(), 0);
    QTRY_VERIFY(!w->cboMonth->view()->currentIndex().isValid());
    QCOMPARE(w->cboMonth->currentText(), QStringLiteral("January"));
}

void TestTextSweep::unseenControlsAreNeitherShownNorCounted()
{
    FakeDesktop fake;
    gn::LifePathNumber = 9;
    gn::DestinyNumber = 8;
    auto *w = new frmGreekNumerologyResult(testRoot(), testRoot().dialogs());
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));

    QList<QAccessibleInterface *> all;
    collect(QAccessible::queryAccessibleInterface(w), all);
    QSet<QObject *> reached;
    for (QAccessibleInterface *iface : std::as_const(all))
        reached.insert(iface->object());

    // The hidden Print button and the link laid out below the client area.
    QVERIFY(!reached.contains(w->cmdPrint));
    QVERIFY(!reached.contains(w->findChild<QWidget *>(QStringLiteral("Label13"))));
    // Of the promotion pair, only the one in front.
    QWidget *fullBrand = w->findChild<QWidget *>(QStringLiteral("lblFullBrand"));
    QWidget *coBrand = w->findChild<QWidget *>(QStringLiteral("lblCobrand"));
    QVERIFY(fullBrand && coBrand);
    const QObjectList &stack = fullBrand->parentWidget()->children();
    QWidget *front = stack.indexOf(fullBrand) > stack.indexOf(coBrand) ? fullBrand : coBrand;
    QWidget *beneath = front == fullBrand ? coBrand : fullBrand;
    QVERIFY(reached.contains(front));
    QVERIFY(!reached.contains(beneath));
    QVERIFY(QAccessible::queryAccessibleInterface(beneath)->state().invisible);
    QVERIFY(!QAccessible::queryAccessibleInterface(front)->state().invisible);

    // The menu bar counts the entries it shows: File, Help, Donate.
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(w->menuBar());
    QStringList entries;
    for (int i = 0; i < bar->childCount(); ++i)
        entries << bar->child(i)->text(QAccessible::Name);
    QCOMPARE(entries, (QStringList{QStringLiteral("File"), QStringLiteral("Help"), QStringLiteral("Donate")}));
}

// A review of the screen reads a description box's lines in view, in the
// box, and no line scrolled out of it; the order of the characters is that
// of the text, top to bottom.
void TestTextSweep::descriptionLinesLieWhereTheyShow()
{
    FakeDesktop fake;
    gn::LifePathNumber = 9;
    gn::DestinyNumber = 8;   // Apollo: more lines than the box shows
    auto *w = new frmGreekNumerologyResult(testRoot(), testRoot().dialogs());
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto *box = w->findChild<QPlainTextEdit *>(QStringLiteral("txtD"));
    QVERIFY(box);
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(box)->textInterface();
    const QRect inBox(box->viewport()->mapToGlobal(QPoint(0, 0)), box->viewport()->size());
    const QRect window(w->mapToGlobal(QPoint(0, 0)), w->size());

    for (int scrolled : {0, 1}) {
        box->verticalScrollBar()->setValue(scrolled);
        QApplication::processEvents();
        int inView = 0;
        int previousTop = std::numeric_limits<int>::min();
        for (int i = 0; i < text->characterCount(); ++i) {
            const QRect r = text->characterRect(i);
            const QString where = QStringLiteral("character %1, scrolled %2: %3,%4 %5x%6")
                                      .arg(i).arg(scrolled).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
            QVERIFY2(r.top() >= previousTop, qPrintable(where));
            previousTop = r.top();
            if (inBox.contains(r.center())) {
                ++inView;
                QVERIFY2(inBox.contains(r), qPrintable(where));
            } else {
                QVERIFY2(!window.intersects(r), qPrintable(where));
            }
        }
        QVERIFY(inView > 0);
        QVERIFY(inView < text->characterCount());
    }
}

PALLASTRO_WINDOW_TEST_MAIN(TestTextSweep)
#include "tst_textsweep.moc"
