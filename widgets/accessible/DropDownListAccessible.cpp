// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DropDownListAccessible.h"

#include "DropDownList.h"

#include <QAbstractItemView>

DropDownListAccessible::DropDownListAccessible(QComboBox *list)
    : AccessibleReadOnlyText(list, QAccessible::ComboBox)
{
}

QComboBox *DropDownListAccessible::list() const
{
    return static_cast<QComboBox *>(widget());
}

bool DropDownListAccessible::wholeTextSelected() const
{
    return list()->hasFocus();
}

QRect DropDownListAccessible::characterRect(int offset) const
{
    const auto *own = qobject_cast<const DropDownList *>(list());
    const QRect onList = own ? own->characterRect(offset) : QRect();
    return onList.isEmpty() ? QRect() : QRect(list()->mapToGlobal(onList.topLeft()), onList.size());
}

QString DropDownListAccessible::readOnlyText() const
{
    return list()->currentText();
}

QString DropDownListAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return readOnlyText();
    return QAccessibleWidget::text(t);
}

QAccessible::State DropDownListAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = list()->view()->isVisible();
    return s;
}

int DropDownListAccessible::childCount() const
{
    return list()->view()->isVisible() ? 1 : 0;
}

QAccessibleInterface *DropDownListAccessible::child(int index) const
{
    return index == 0 && childCount() == 1 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
}

int DropDownListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return childCount() == 1 && child && child->object() == list()->view() ? 0 : -1;
}

QStringList DropDownListAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void DropDownListAccessible::doAction(const QString &actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction())
        return;
    if (list()->view()->isVisible())
        list()->hidePopup();
    else
        list()->showPopup();
}
