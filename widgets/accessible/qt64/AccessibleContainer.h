// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt 6.4 offers a container's hidden children and those beneath an opaque
// sibling to a screen reader (Visibility.h), and lets a container claim the
// focus whose focus proxy has it (a message box's row of buttons, beside its
// default button), so that two objects claim the focus. This can go once
// tst_textsweep's oneTruthThroughAReading and
// unseenControlsAreNeitherShownNorCounted, and the focus, hidden and stacked
// checks of e2e_a11y_sweep, pass with Qt's interfaces for frames, button
// boxes and plain widgets.
//
// A plain container (a window's client area, a frame) whose children are only
// those a user can see. A frame is a grouping named by its caption, as Qt
// names it. It claims the focus only when it has the focus itself.

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
