// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for Pallastro's costs: the least a Qt 6 Widgets program does
// to show windows of the same kind as Pallastro's two, with nothing else: no
// icon, no pictures from files, no settings, no lock, default fonts.
//
// The input window has a menu bar, a name box, three filled drop-down lists,
// two buttons and a few labels. Its Get button shows a result window (two
// panels, each with labels, a read-only text box, a picture and two step
// buttons; Save and Back below) and then closes the input window; Back
// closes the result window and then shows a fresh input window. That is the
// order Pallastro switches in, so both pay for the same steps.

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QLabel *label(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(geometry);
    l->setWordWrap(true);
    return l;
}

QPushButton *button(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *b = new QPushButton(text, parent);
    b->setGeometry(geometry);
    return b;
}

QComboBox *list(QWidget *parent, const QStringList &items, const QRect &geometry)
{
    auto *combo = new QComboBox(parent);
    combo->addItems(items);
    combo->setGeometry(geometry);
    return combo;
}

// A top-level window deleted when closed, in the dark colours both of
// Pallastro's windows have.
QMainWindow *topLevel()
{
    auto *window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("Minimal v1.0"));
    QPalette dark = window->palette();
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::WindowText, Qt::cyan);
    window->setPalette(dark);
    // Closed by the user rather than by a switch: no window is left, so end.
    QObject::connect(window, &QObject::destroyed, qApp, [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (const QWidget *w : windows) {
            if (w->isVisible())
                return;
        }
        QApplication::quit();
    });
    return window;
}

void finish(QMainWindow *window, QWidget *client, int width, int clientHeight)
{
    window->setCentralWidget(client);
    window->setFixedSize(width, clientHeight + window->menuBar()->sizeHint().height());
}

// Exit at the foot of the File menu, then the Help menu and Donate, as both
// of Pallastro's windows have them.
void exitAndHelp(QMainWindow *window, QMenu *file)
{
    file->addAction(QStringLiteral("E&xit"), qApp, &QApplication::quit);
    QMenu *help = window->menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Online Help"));
    help->addAction(QStringLiteral("&About"));
    window->menuBar()->addAction(QStringLiteral("&Donate"));
}

QMainWindow *makeResult();

QMainWindow *makeMain()
{
    QMainWindow *window = topLevel();

    QMenu *file = window->menuBar()->addMenu(QStringLiteral("&File"));
    QAction *get = file->addAction(QStringLiteral("&Get My Reading"));
    file->addSeparator();
    exitAndHelp(window, file);

    auto *client = new QWidget;
    label(client, QStringLiteral("A banner line of white text across the top of the window."),
          QRect(35, 0, 418, 31));
    label(client, QStringLiteral("Enter a name and a date of birth to get started."),
          QRect(24, 40, 441, 29));
    QPushButton *open = button(client, QStringLiteral("&Open Saved Reading"), QRect(79, 88, 331, 25));

    auto *details = new QGroupBox(QStringLiteral("Personal Details"), client);
    details->setGeometry(79, 125, 331, 121);
    label(details, QStringLiteral("Name"), QRect(12, 32, 60, 13));
    label(details, QStringLiteral("Birth Day"), QRect(12, 62, 60, 13));
    auto *name = new QLineEdit(details);
    name->setGeometry(78, 27, 239, 23);

    QStringList months;
    for (int m = 1; m <= 12; ++m)
        months << QLocale::c().monthName(m);
    QStringList days;
    for (int d = 1; d <= 31; ++d)
        days << QString::number(d);
    QStringList years;
    for (int y = 1900; y <= 2050; ++y)
        years << QString::number(y);
    QComboBox *month = list(details, months, QRect(78, 57, 97, 22));
    QComboBox *day = list(details, days, QRect(177, 57, 49, 22));
    QComboBox *year = list(details, years, QRect(228, 57, 89, 22));
    QPushButton *proceed = button(details, QStringLiteral("&Get My Reading"), QRect(78, 88, 239, 25));

    label(client, QStringLiteral("A promotional text in a frame at the foot of the window."),
          QRect(12, 259, 463, 41));

    // The same focus order as Pallastro's input window, so that the same
    // keys reach the same controls.
    QWidget::setTabOrder(name, month);
    QWidget::setTabOrder(month, day);
    QWidget::setTabOrder(day, year);
    QWidget::setTabOrder(year, proceed);
    QWidget::setTabOrder(proceed, open);

    const auto toResult = [window] {
        makeResult()->show();
        window->close();
    };
    QObject::connect(proceed, &QPushButton::clicked, window, toResult);
    QObject::connect(get, &QAction::triggered, window, toResult);

    finish(window, client, 488, 307);
    // Once the box is in the window; it starts with the focus, as in Pallastro.
    name->setFocus();
    return window;
}

// One of the result window's two panels: a number, a heading, a god's name,
// a text box, a picture, an interpretation and two step buttons.
void panel(QWidget *client, int top, const QString &what)
{
    auto *frame = new QGroupBox(client);
    frame->setGeometry(0, top, 615, 147);
    label(frame, what + QStringLiteral(" Number is 7"), QRect(4, 4, 257, 13));
    label(frame, what + QStringLiteral(" God(s)"), QRect(4, 25, 269, 13));
    label(frame, QStringLiteral("A NAME"), QRect(354, 25, 135, 13))->setAlignment(Qt::AlignRight);
    auto *text = new QPlainTextEdit(frame);
    text->setGeometry(4, 40, 485, 49);
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setPlainText(QStringLiteral("A few sentences about a god, long enough to need the scroll bar: "
                                      "where the god was born, what the god rules over, which animals "
                                      "and plants belong to the god, and the stories told about the god "
                                      "in the old poems."));
    label(frame, QStringLiteral("A sentence or two on what the number says about the person."),
          QRect(4, 90, 485, 52));
    QPixmap picture(120, 120);
    picture.fill(Qt::darkCyan);
    auto *portrait = new QLabel(frame);
    portrait->setGeometry(499, 0, 120, 120);
    portrait->setPixmap(picture);
    button(frame, QStringLiteral("<<"), QRect(512, 124, 33, 20));
    button(frame, QStringLiteral(">>"), QRect(570, 124, 33, 20));
}

QMainWindow *makeResult()
{
    QMainWindow *window = topLevel();

    QMenu *file = window->menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Print"));
    QAction *backItem = file->addAction(QStringLiteral("&Back"));
    file->addSeparator();
    exitAndHelp(window, file);

    auto *client = new QWidget;
    label(client, QStringLiteral("A banner line of white text across the top of the window."),
          QRect(91, 0, 433, 29));
    panel(client, 32, QStringLiteral("Life Path"));
    panel(client, 184, QStringLiteral("Destiny"));
    label(client, QStringLiteral("A promotional text in a frame at the foot of the window."),
          QRect(2, 332, 463, 57));
    button(client, QStringLiteral("&Save"), QRect(470, 353, 67, 23));
    QPushButton *back = button(client, QStringLiteral("&Back"), QRect(541, 353, 67, 23));

    const auto toMain = [window] {
        window->close();
        makeMain()->show();
    };
    QObject::connect(back, &QPushButton::clicked, window, toMain);
    QObject::connect(backItem, &QAction::triggered, window, toMain);

    finish(window, client, 615, 391);
    // Back has the focus, as in Pallastro's result window.
    back->setFocus();
    return window;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Back closes one window before it shows the next; no quitting between.
    QApplication::setQuitOnLastWindowClosed(false);
    makeMain()->show();
    return app.exec();
}
