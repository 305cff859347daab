// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A plain container (a window's client area, a frame) whose children are
// only those a user can see: a hidden button or a link beneath another is
// neither counted nor reached (see Visibility.h). A frame is a grouping
// named by its caption, as Qt names it. It claims the focus only when it has
// the focus itself: Qt 6.4 also lets a container claim it whose focus proxy
// has it (a message box's row of buttons and its default button), and a
// screen reader then finds two objects with the focus.

#include <QAccessibleWidget>

class AccessibleContainer : public QAccessibleWidget
{
public:
    AccessibleContainer(QWidget *widget, QAccessible::Role role);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
};
