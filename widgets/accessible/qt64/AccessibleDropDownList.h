// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader learns of a drop-down list: its purpose as its name
// and the entry chosen as its value and its text, on every system alike.
//
// Qt's own interface for combo boxes names a list on Linux by the entry
// chosen and leaves the purpose to a label, which one label can give to one
// list only. Orca reads a closed list's entry from its text, and hears a new
// one as text inserted while selected (see DropDownList). The pop-up list is
// the box's child only while it is open: closed, its entries are neither
// shown nor to be found.

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
