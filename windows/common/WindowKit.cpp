// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/common/WindowKit.h"

#include "widgets/accessible/AccessibleFactory.h"
#include "widgets/Centring.h"
#include "widgets/EnterPressesButton.h"
#include "widgets/FocusRing.h"
#include "widgets/FrameBox.h"
#include "core/Identity.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "widgets/accessible/qt64/MenuStyle.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <vector>

namespace WindowKit {

namespace {

// Room either side of a label's text for glyphs that reach past their
// advance (a "j" at the start of a wrapped line, say). On a scaled screen
// such ink lands on a device pixel outside the text box, and the label
// would cut it off; the text itself stays where it was designed.
constexpr int Overhang = 1;

} // namespace

QString caption() { return Identity::title(); }

void dress(QWidget *window)
{
    // Before the window's first line edit is made: Qt's interface for it
    // hangs a screen reader that asks for a word.
    Accessibility::installFactory();
    FocusRing::followFocus();
    window->setWindowTitle(caption());
    window->setWindowIcon(Assets::programIcon());
}

void paintBlack(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Look::Black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QWidget *setUpTopLevel(QMainWindow *window, QSize clientSize, bool canMinimize)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    dress(window);

    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (canMinimize)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);

    auto *client = new QWidget;
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(clientSize);
    paintBlack(client);
    client->setFont(Look::windowFont());
    window->setCentralWidget(client);
    return client;
}

void finishTopLevel(QMainWindow *window)
{
    // The menu bar plus the fixed client area decide the window's size; the
    // user cannot change it.
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window->adjustSize();

    for (QMenu *menu : window->menuBar()->findChildren<QMenu *>())
        menu->setStyle(Look::sharedProxyStyle<MenuStyle>());

    Centring::centreOnScreen(window);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QFont &font,
              const QColor &colour, const QRect &geometry, bool wordWrap, Reach reach)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setFont(font);
    if (reach == Reach::Overhang) {
        l->setContentsMargins(Overhang, 0, Overhang, 0);
        l->setGeometry(geometry.adjusted(-Overhang, 0, Overhang, 0));
    } else {
        l->setGeometry(geometry);
    }
    l->setWordWrap(wordWrap);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setFocusPolicy(Qt::NoFocus);
    setTextColour(l, colour);
    return l;
}

void sizeToText(QLabel *label)
{
    label->resize(label->sizeHint());
}

void sizeToTextFromRight(QLabel *label, int rightEdge)
{
    // The text ends at the edge; the label's margin lies beyond it.
    const QSize size = label->sizeHint();
    const int right = rightEdge + label->contentsMargins().right();
    label->setGeometry(right - size.width() + 1, label->y(), size.width(), size.height());
}

LinkLabel *link(QWidget *parent, const char *name, const QString &text, const QFont &font,
                const QColor &colour, const QCursor &pointer)
{
    auto *l = new LinkLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setText(text);
    l->setTextFormat(Qt::PlainText);
    l->setFont(font);
    l->setFocusPolicy(Qt::NoFocus);
    l->setCursor(pointer);
    setTextColour(l, colour);
    return l;
}

LinkLabel *linkLabel(QWidget *parent, const char *name, const QString &text, const QColor &colour,
                     const QRect &geometry, const QCursor &pointer, bool opaqueBlack)
{
    LinkLabel *l = link(parent, name, text, Look::font(8.25, true, true), colour, pointer);
    l->setGeometry(geometry);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (opaqueBlack) {
        QPalette palette = l->palette();
        palette.setColor(QPalette::Window, Look::Black);
        l->setPalette(palette);
        l->setAutoFillBackground(true);
    }
    return l;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QFont &font,
                    const QRect &geometry)
{
    auto *b = new QPushButton(text, parent);
    setUpButton(b, name, font, geometry);
    return b;
}

void setUpButton(QPushButton *b, const char *name, const QFont &font, const QRect &geometry)
{
    b->setObjectName(QLatin1String(name));
    b->setFont(font);
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    EnterPressesButton::install(b);
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &title, const QFont &font,
                 const QColor &background, const QRect &geometry, bool bordered,
                 const QColor &titleColour)
{
    auto *f = new FrameBox(title, background, bordered, titleColour, parent);
    f->setObjectName(QLatin1String(name));
    f->setFont(font);
    f->setGeometry(geometry);
    f->setFocusPolicy(Qt::NoFocus);
    return f;
}

void stackFrontToBack(std::initializer_list<QWidget *> widgets)
{
    const std::vector<QWidget *> order(widgets);
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        (*it)->raise();
}

void chainTabOrder(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *w : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace WindowKit
