// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/AnnouncingButtonAccessible.h"

#include "widgets/AnnouncingButton.h"

AnnouncingButtonAccessible::AnnouncingButtonAccessible(AnnouncingButton *button)
    : AccessibleReadOnlyText(button, QAccessible::Button)
{
}

AnnouncingButton *AnnouncingButtonAccessible::button() const
{
    return static_cast<AnnouncingButton *>(widget());
}

QString AnnouncingButtonAccessible::readOnlyText() const
{
    return button()->announcement();
}

QString AnnouncingButtonAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Description && !button()->announcement().isEmpty())
        return button()->announcement();
    return QAccessibleWidget::text(t);
}

QAccessible::State AnnouncingButtonAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.pressed = button()->isDown();
    return s;
}

QStringList AnnouncingButtonAccessible::actionNames() const
{
    return {pressAction()};
}

void AnnouncingButtonAccessible::doAction(const QString &actionName)
{
    // Animated, as Qt's own buttons are pressed for assistive technology.
    if (actionName == pressAction())
        button()->animateClick();
}

bool AnnouncingButtonAccessible::wholeTextSelected() const
{
    return button()->hasFocus();
}
