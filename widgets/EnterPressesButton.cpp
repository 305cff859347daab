// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/EnterPressesButton.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

void EnterPressesButton::install(QAbstractButton *button)
{
    static QPointer<EnterPressesButton> filter;
    if (!filter)
        filter = new EnterPressesButton(qApp);
    button->installEventFilter(filter);
}

bool EnterPressesButton::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (!button)
        return false;
    // A held key repeats nothing, and no repeat passes on to the window,
    // where a dialog would take it for its default button.
    if (key->isAutoRepeat())
        return true;
    QKeyEvent space(event->type(), Qt::Key_Space, key->modifiers() & ~Qt::KeypadModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(button, &space);
    return true;
}
