// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Gives every widget of class Widget (not of its subclasses, which Qt asks
// for by their own class name first) the accessible interface Interface, a
// class with a constructor taking Widget *. Once per process, however often
// it is called.

#include <QAccessible>

template<typename Widget, typename Interface>
void installAccessibleInterface()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            if (className == QLatin1String(Widget::staticMetaObject.className()) && object && object->isWidgetType())
                return new Interface(static_cast<Widget *>(object));
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}
