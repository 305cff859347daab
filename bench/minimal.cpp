// The yardstick for start-up cost: the least a Qt 6 Widgets program needs to
// show a window of the same kind as Pallastro's input window (menu bar, a
// name box, three filled drop-down lists, two buttons, a few labels), with
// nothing else: no icon, no pictures, no settings, no lock, default fonts.

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
#include <QPushButton>

namespace {

QLabel *label(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(geometry);
    l->setWordWrap(true);
    return l;
}

QComboBox *list(QWidget *parent, const QStringList &items, const QRect &geometry)
{
    auto *combo = new QComboBox(parent);
    combo->addItems(items);
    combo->setGeometry(geometry);
    return combo;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal v1.0"));

    QPalette dark = window.palette();
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::WindowText, Qt::cyan);
    window.setPalette(dark);

    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Get My Reading"));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Online Help"));
    help->addAction(QStringLiteral("&About"));
    window.menuBar()->addAction(QStringLiteral("&Donate"));

    auto *client = new QWidget;
    label(client, QStringLiteral("A banner line of white text across the top of the window."),
          QRect(35, 0, 418, 31));
    label(client, QStringLiteral("Enter a name and a date of birth to get started."),
          QRect(24, 40, 441, 29));
    (new QPushButton(QStringLiteral("&Open Saved Reading"), client))->setGeometry(79, 88, 331, 25);

    auto *details = new QGroupBox(QStringLiteral("Personal Details"), client);
    details->setGeometry(79, 125, 331, 121);
    label(details, QStringLiteral("Name"), QRect(12, 32, 60, 13));
    label(details, QStringLiteral("Birth Day"), QRect(12, 62, 60, 13));
    (new QLineEdit(details))->setGeometry(78, 27, 239, 23);

    QStringList months;
    for (int m = 1; m <= 12; ++m)
        months << QLocale::c().monthName(m);
    QStringList days;
    for (int d = 1; d <= 31; ++d)
        days << QString::number(d);
    QStringList years;
    for (int y = 1900; y <= 2050; ++y)
        years << QString::number(y);
    list(details, months, QRect(78, 57, 97, 22));
    list(details, days, QRect(177, 57, 49, 22));
    list(details, years, QRect(228, 57, 89, 22));
    (new QPushButton(QStringLiteral("&Get My Reading"), details))->setGeometry(78, 88, 239, 25);

    label(client, QStringLiteral("A promotional text in a frame at the foot of the window."),
          QRect(12, 259, 463, 41));

    window.setCentralWidget(client);
    window.setFixedSize(488, 307 + window.menuBar()->sizeHint().height());
    window.show();
    return app.exec();
}
