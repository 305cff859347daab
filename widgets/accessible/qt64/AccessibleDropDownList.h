// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt 6.4's interface for a combo box names a list on Linux by the entry
// chosen, leaving the purpose to a label (one label can name one list only),
// offers a closed list's pop-up, whose current entry claims the focus, and
// has no selection interface, without which Orca ignores a closed list's
// change (QAccessibleSelectionInterface is new in Qt 6.5). This can go once
// e2e_a11y_date_lists, the lists and focus checks of e2e_a11y_sweep and the
// step "the date lists" of e2e_screen_reader pass with Qt's interface.
//
// What a screen reader learns of a drop-down list meanwhile: its purpose as
// its name and the entry chosen as its value and its text, on every system
// alike. Orca reads a closed list's entry from its text, and hears a new one
// as text inserted while selected (ClosedList). The pop-up list is the box's
// child only while it is open: closed, its entries are neither shown nor to
// be found.

#include "widgets/accessible/qt64/AccessibleReadOnlyText.h"

class QComboBox;

class AccessibleDropDownList : public AccessibleReadOnlyText
{
public:
    explicit AccessibleDropDownList(QComboBox *list);

    QString text(QAccessible::Text t) const override;
    using AccessibleReadOnlyText::text;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    QRect characterRect(int offset) const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

protected:
    QString readOnlyText() const override;
    bool wholeTextSelected() const override;

private:
    QComboBox *list() const;
};
