// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/AccessibleLinkLabel.h"

#include "widgets/LinkLabel.h"
#include "widgets/accessible/qt64/Visibility.h"

AccessibleLinkLabel::AccessibleLinkLabel(LinkLabel *label)
    : QAccessibleWidget(label, QAccessible::Link)
{
}

LinkLabel *AccessibleLinkLabel::link() const
{
    return static_cast<LinkLabel *>(widget());
}

QString AccessibleLinkLabel::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? link()->text() : name;
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleLinkLabel::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (Accessibility::isOutOfSight(widget()))
        s.invisible = true;
    return s;
}

QStringList AccessibleLinkLabel::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void AccessibleLinkLabel::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        link()->click();
    else
        QAccessibleWidget::doAction(actionName);
}
