// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/qt64/AccessibleAnnouncingButton.h"

#include "widgets/AnnouncingButton.h"

AccessibleAnnouncingButton::AccessibleAnnouncingButton(AnnouncingButton *button)
    : AccessibleReadOnlyText(button, QAccessible::Button)
{
}

AnnouncingButton *AccessibleAnnouncingButton::button() const
{
    return static_cast<AnnouncingButton *>(widget());
}

QString AccessibleAnnouncingButton::readOnlyText() const
{
    return button()->announcement();
}

QString AccessibleAnnouncingButton::text(QAccessible::Text t) const
{
    if (t == QAccessible::Description && !button()->announcement().isEmpty())
        return button()->announcement();
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleAnnouncingButton::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.pressed = button()->isDown();
    return s;
}

QStringList AccessibleAnnouncingButton::actionNames() const
{
    return {pressAction()};
}

void AccessibleAnnouncingButton::doAction(const QString &actionName)
{
    // Animated, as Qt's own buttons are pressed for assistive technology.
    if (actionName == pressAction())
        button()->animateClick();
}

bool AccessibleAnnouncingButton::wholeTextSelected() const
{
    return button()->hasFocus();
}
