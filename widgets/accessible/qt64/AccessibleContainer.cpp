// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/qt64/AccessibleContainer.h"

#include "widgets/accessible/qt64/Visibility.h"

#include <QApplication>
#include <QGroupBox>

AccessibleContainer::AccessibleContainer(QWidget *widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

QString AccessibleContainer::text(QAccessible::Text t) const
{
    const QString own = QAccessibleWidget::text(t);
    const auto *frame = qobject_cast<const QGroupBox *>(widget());
    if (!own.isEmpty() || !frame || t != QAccessible::Name)
        return own;
    QString title = frame->title();
    return title.remove(QLatin1Char('&'));
}

QAccessible::State AccessibleContainer::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.focused = QApplication::focusWidget() == widget();
    return s;
}

int AccessibleContainer::childCount() const
{
    return int(Accessibility::childrenInSight(widget()).size());
}

QAccessibleInterface *AccessibleContainer::child(int index) const
{
    const QList<QWidget *> children = Accessibility::childrenInSight(widget());
    if (index < 0 || index >= children.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(children.at(index));
}

int AccessibleContainer::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    return int(Accessibility::childrenInSight(widget()).indexOf(qobject_cast<QWidget *>(child->object())));
}
